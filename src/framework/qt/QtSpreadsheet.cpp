#include "framework/qt/QtSpreadsheet.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QScrollBar>
#include <QValidator>

#include <algorithm>
#include <cmath>

#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/SpreadsheetPrint.h"
#include "framework/qt/QtConvert.h"
#include "framework/qt/QtPainterDC.h"

namespace tervane::fw {

namespace {

// The screen is laid out at 96 pixels per inch, as the dialogs are (Qt scales
// logical pixels to the screen itself).
constexpr int kScreenDpi = 96;
constexpr ColorRef kBeyondSheet = RGB(200, 200, 200);
constexpr int kPreviewMargin = 12;

// A device context with its own painter on a device, at a resolution of our choice.
// Its text is for the screen (the sheet's window, the preview's page images).
class FixedDpiDC final : public QtPainterDC {
 public:
  FixedDpiDC(QPaintDevice& device, int dpi, Size size) : QtPainterDC(device, dpi, dpi, size) {
    SetScreenText(true);
    if (Painter().begin(&device)) PreparePainter();
  }
};

int TwipsAt(double twips, int dpi) { return ToDeviceCoord(twips * dpi / 1440.0); }

// Lets through only what the sheet accepts in the cell.
class CellValidator final : public QValidator {
 public:
  CellValidator(QObject* parent, const Spreadsheet& sheet, int col, int row)
      : QValidator(parent), sheet_(sheet), col_(col), row_(row) {}
  State validate(QString& input, int&) const override {
    return sheet_.AcceptsTyping(col_, row_, FromQString(input)) ? Acceptable : Invalid;
  }

 private:
  const Spreadsheet& sheet_;
  int col_;
  int row_;
};

}  // namespace

// ---- the sheet's window ---------------------------------------------------------------

struct QtSpreadsheetWidget::Layout {
  std::vector<int> cols;  // 0, then the data columns shown
  std::vector<int> rows;  // the header rows, then the data rows shown
  std::vector<int> x;
  std::vector<int> y;
  int headerCount = 0;   // header rows at the front of `rows`
  int fullRows = 0;      // data rows shown whole
};

QtSpreadsheetWidget::QtSpreadsheetWidget(std::unique_ptr<Spreadsheet> sheet, QWidget* parent)
    : QAbstractScrollArea(parent), sheet_(std::move(sheet)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent, true);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  const SheetScrollBars bars = sheet_->ScrollBars();
  const bool vertical = bars == SheetScrollBars::Vertical || bars == SheetScrollBars::Both;
  const bool horizontal = bars == SheetScrollBars::Horizontal || bars == SheetScrollBars::Both;
  setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  sheet_->SetChangeListener([this] { SheetChanged(); });
  UpdateScrollBars();
}

QtSpreadsheetWidget::~QtSpreadsheetWidget() {
  closing_ = true;
  sheet_->SetChangeListener(nullptr);
  sheet_->SetEventSink(nullptr);
  if (editor_ != nullptr) {
    editor_->removeEventFilter(this);
    delete editor_;
    editor_ = nullptr;
  }
}

QtSpreadsheetWidget::Layout QtSpreadsheetWidget::MakeLayout() const {
  Layout l;
  const QSize size = viewport()->size();
  l.cols.push_back(0);
  {
    long long used = SheetColumnTwips(*sheet_, 0);
    const double limit = size.width() * 1440.0 / kScreenDpi;
    for (int c = leftCol_; c <= sheet_->ColumnCount(); ++c) {
      l.cols.push_back(c);
      used += SheetColumnTwips(*sheet_, c);
      if (used >= limit) break;
    }
  }
  l.rows = ShownHeaderRows(*sheet_);
  l.headerCount = static_cast<int>(l.rows.size());
  const int rowPx = TwipsAt(kSheetRowHeightTwips, kScreenDpi);
  const int room = size.height() - l.headerCount * rowPx;
  for (int r = topRow_; r <= sheet_->RowCount(); ++r) {
    const int shown = static_cast<int>(l.rows.size()) - l.headerCount;
    if (shown * rowPx >= room) break;
    l.rows.push_back(r);
    if ((shown + 1) * rowPx <= room) ++l.fullRows;
  }
  l.x = SheetColumnEdges(*sheet_, l.cols, 0, kScreenDpi);
  l.y = SheetRowEdges(l.rows, 0, kScreenDpi);
  return l;
}

QRect QtSpreadsheetWidget::CellRect(int col, int row) const {
  const Layout l = MakeLayout();
  const auto ci = std::find(l.cols.begin(), l.cols.end(), col);
  const auto ri = std::find(l.rows.begin(), l.rows.end(), row);
  if (ci == l.cols.end() || ri == l.rows.end()) return {};
  const std::size_t i = static_cast<std::size_t>(ci - l.cols.begin());
  const std::size_t j = static_cast<std::size_t>(ri - l.rows.begin());
  return QRect(QPoint(l.x[i], l.y[j]), QPoint(l.x[i + 1] - 1, l.y[j + 1] - 1));
}

bool QtSpreadsheetWidget::CellAt(const QPoint& at, int& col, int& row) const {
  const Layout l = MakeLayout();
  int ci = -1;
  for (std::size_t i = 0; i + 1 < l.x.size(); ++i)
    if (at.x() >= l.x[i] && at.x() < l.x[i + 1]) ci = static_cast<int>(i);
  int ri = -1;
  for (std::size_t j = 0; j + 1 < l.y.size(); ++j)
    if (at.y() >= l.y[j] && at.y() < l.y[j + 1]) ri = static_cast<int>(j);
  if (ci < 0 || ri < 0) return false;
  col = l.cols[static_cast<std::size_t>(ci)];
  row = l.rows[static_cast<std::size_t>(ri)];
  return true;
}

void QtSpreadsheetWidget::SheetChanged() {
  if (closing_) return;
  UpdateScrollBars();
  if (editor_ != nullptr) {
    const QRect r = CellRect(editCol_, editRow_);
    if (r.isEmpty())
      CancelEdit();
    else
      editor_->setGeometry(r);
  }
  viewport()->update();
}

int QtSpreadsheetWidget::CurrentCol() const { return sheet_->CursorCol(); }

int QtSpreadsheetWidget::CurrentRow() const { return sheet_->CursorRow(); }

void QtSpreadsheetWidget::UpdateScrollBars() {
  const QSize size = viewport()->size();
  const int rowPx = TwipsAt(kSheetRowHeightTwips, kScreenDpi);
  const int room = size.height() - sheet_->HeaderRowCount() * rowPx;
  const int visibleRows = std::max(1, room / std::max(1, rowPx));
  const int maxTop = std::max(0, sheet_->RowCount() - visibleRows);
  verticalScrollBar()->setRange(0, maxTop);
  verticalScrollBar()->setPageStep(visibleRows);

  // The last column that can be the first shown while the rest still fits.
  const double across = size.width() * 1440.0 / kScreenDpi - SheetColumnTwips(*sheet_, 0);
  int maxLeft = 1;
  double used = 0;
  for (int c = sheet_->ColumnCount(); c >= 1; --c) {
    used += SheetColumnTwips(*sheet_, c);
    if (used > across) {
      maxLeft = std::min(sheet_->ColumnCount(), c + 1);
      break;
    }
  }
  horizontalScrollBar()->setRange(0, maxLeft - 1);
  horizontalScrollBar()->setPageStep(1);
  topRow_ = verticalScrollBar()->value() + 1;
  leftCol_ = horizontalScrollBar()->value() + 1;
}

void QtSpreadsheetWidget::EnsureVisible(int col, int row) {
  const Layout l = MakeLayout();
  if (row >= 1) {
    if (row < topRow_) verticalScrollBar()->setValue(row - 1);
    else if (l.fullRows > 0 && row >= topRow_ + l.fullRows) verticalScrollBar()->setValue(row - l.fullRows);
  }
  if (col >= 1) {
    if (col < leftCol_) {
      horizontalScrollBar()->setValue(col - 1);
    } else {
      // Scroll right until the column ends inside the viewport.
      while (horizontalScrollBar()->value() < horizontalScrollBar()->maximum()) {
        const QRect r = CellRect(col, kSheetFirstHeaderRow);
        const QRect any = r.isEmpty() ? CellRect(col, topRow_) : r;
        if (!any.isEmpty() && any.right() < viewport()->width()) break;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + 1);
      }
    }
  }
}

void QtSpreadsheetWidget::paintEvent(QPaintEvent*) {
  const QSize size = viewport()->size();
  FixedDpiDC dc(*viewport(), kScreenDpi, Size{size.width(), size.height()});
  dc.FillRect(Rect{0, 0, size.width(), size.height()}, Brush::Solid(kBeyondSheet));
  const Layout l = MakeLayout();
  PaintSheetCells(dc, *sheet_, l.cols, l.rows, Point{0, 0}, sheet_->SelectedRow());
  if (hasFocus() && editor_ == nullptr) {
    const QRect r = CellRect(CurrentCol(), CurrentRow());
    if (!r.isEmpty()) {
      dc.SelectPen(Pen::Solid(2, kBlack));
      dc.SelectBrush(Brush::Hollow());
      dc.Rectangle(Rect{r.left() + 1, r.top() + 1, r.right() + 1, r.bottom() + 1});
    }
  }
}

void QtSpreadsheetWidget::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollBars();
}

void QtSpreadsheetWidget::showEvent(QShowEvent* e) {
  QAbstractScrollArea::showEvent(e);
  UpdateScrollBars();
  // Setting a policy lays the scroll bars out again once the sheet is visible.
  setVerticalScrollBarPolicy(verticalScrollBarPolicy());
  setHorizontalScrollBarPolicy(horizontalScrollBarPolicy());
}

void QtSpreadsheetWidget::scrollContentsBy(int, int) {
  if (editor_ != nullptr) CommitEdit(true);
  topRow_ = verticalScrollBar()->value() + 1;
  leftCol_ = horizontalScrollBar()->value() + 1;
  viewport()->update();
}

void QtSpreadsheetWidget::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void QtSpreadsheetWidget::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  // The focus going to the cell editor stays in the sheet; a menu that pops
  // up gives it back.
  if (e->reason() != Qt::PopupFocusReason && editor_ == nullptr && FocusLeftSheet()) sheet_->UserLeave();
  viewport()->update();
}

bool QtSpreadsheetWidget::FocusLeftSheet() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr || (focus != this && !isAncestorOf(focus));
}

bool QtSpreadsheetWidget::TakesKey(const QKeyEvent& e) const {
  if ((e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) return false;
  switch (e.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return editor_ != nullptr || sheet_->CanUserEdit(CurrentCol(), CurrentRow());
    default:
      return false;
  }
}

bool QtSpreadsheetWidget::event(QEvent* e) {
  // Tab moves between the cells here, not to the dialog's next control.
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && TakesKey(*key)) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(e);
}

void QtSpreadsheetWidget::MoveCurrent(int col, int row) {
  QPointer<QtSpreadsheetWidget> alive(this);
  sheet_->UserMoveCursor(col, row);  // leaving a row lets the dialog handle it
  if (!alive) return;
  EnsureVisible(CurrentCol(), CurrentRow());
  viewport()->update();
}

void QtSpreadsheetWidget::CursorKey(SheetKey key) {
  QPointer<QtSpreadsheetWidget> alive(this);
  sheet_->UserKey(key);
  if (!alive) return;
  EnsureVisible(CurrentCol(), CurrentRow());
  viewport()->update();
}

void QtSpreadsheetWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(e);
    return;
  }
  QPointer<QtSpreadsheetWidget> alive(this);
  if (editor_ != nullptr) CommitEdit(false);
  if (!alive) return;
  if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  int col = 0, row = 0;
  if (!CellAt(e->position().toPoint(), col, row)) return;
  sheet_->UserClick(col, row);  // moves the cursor to a data cell, then tells the dialog
  if (!alive) return;
  viewport()->update();
}

void QtSpreadsheetWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  int col = 0, row = 0;
  if (e->button() == Qt::LeftButton && CellAt(e->position().toPoint(), col, row) && sheet_->CanUserEdit(col, row))
    OpenEditor(col, row, ToQString(sheet_->Text(col, row)), true, false);
}

void QtSpreadsheetWidget::keyPressEvent(QKeyEvent* e) {
  const int pageRows = std::max(1, verticalScrollBar()->pageStep());
  const int col = CurrentCol();
  const int row = CurrentRow();
  const bool shift = (e->modifiers() & Qt::ShiftModifier) != 0;
  const bool ctrl = (e->modifiers() & Qt::ControlModifier) != 0;
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (ctrl) {
        focusNextPrevChild(e->key() == Qt::Key_Tab && !shift);
        return;
      }
      if (!TakesKey(*e)) break;
      CursorKey(e->key() == Qt::Key_Backtab || shift ? SheetKey::kBackTab : SheetKey::kTab);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!TakesKey(*e)) break;
      CursorKey(shift ? SheetKey::kShiftEnter : SheetKey::kEnter);
      return;
    case Qt::Key_Up: CursorKey(SheetKey::kUp); return;
    case Qt::Key_Down: CursorKey(SheetKey::kDown); return;
    case Qt::Key_Left: CursorKey(SheetKey::kLeft); return;
    case Qt::Key_Right: CursorKey(SheetKey::kRight); return;
    case Qt::Key_PageUp: MoveCurrent(col, row - pageRows); return;
    case Qt::Key_PageDown: MoveCurrent(col, row + pageRows); return;
    case Qt::Key_Home: MoveCurrent(1, ctrl ? 1 : row); return;
    case Qt::Key_End: MoveCurrent(sheet_->ColumnCount(), ctrl ? sheet_->RowCount() : row); return;
    case Qt::Key_F2:
      if (sheet_->CanUserEdit(col, row)) OpenEditor(col, row, ToQString(sheet_->Text(col, row)), false, false);
      return;
    case Qt::Key_Delete:
      if (sheet_->CanUserEdit(col, row)) sheet_->UserEnter(col, row, std::string());
      return;
    default:
      break;
  }
  const QString text = e->text();
  if (text.size() == 1 && text.at(0).isPrint() && (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
    if (!sheet_->CanUserEdit(col, row)) return;
    QPointer<QtSpreadsheetWidget> alive(this);
    const int key = sheet_->UserKeyPress(text.at(0).unicode());
    if (!alive || key <= 0) return;
    const QString typed(QChar(static_cast<char16_t>(key)));
    if (sheet_->AcceptsTyping(col, row, FromQString(typed))) OpenEditor(col, row, typed, false, true);
    return;
  }
  QAbstractScrollArea::keyPressEvent(e);
}

void QtSpreadsheetWidget::OpenEditor(int col, int row, const QString& text, bool selectAll, bool entry) {
  if (editor_ != nullptr) CommitEdit(true);
  EnsureVisible(col, row);
  const QRect r = CellRect(col, row);
  if (r.isEmpty()) return;
  if (col != CurrentCol() || row != CurrentRow()) {
    // (Typing at the cursor keeps the run of Tabs that Enter returns from.)
    QPointer<QtSpreadsheetWidget> alive(this);
    sheet_->UserMoveCursor(col, row);
    if (!alive) return;
  }
  editCol_ = sheet_->CursorCol();
  editRow_ = sheet_->CursorRow();
  entry_ = entry;
  editor_ = new QLineEdit(viewport());
  editor_->setFrame(false);
  editor_->setFont(font());
  editor_->setAlignment(sheet_->Align(col, row) == CellAlign::Right    ? Qt::AlignRight | Qt::AlignVCenter
                        : sheet_->Align(col, row) == CellAlign::Center ? Qt::AlignHCenter | Qt::AlignVCenter
                                                                       : Qt::AlignLeft | Qt::AlignVCenter);
  editor_->setValidator(new CellValidator(editor_, *sheet_, editCol_, editRow_));
  editor_->setText(text);
  if (selectAll) editor_->selectAll();
  editor_->setGeometry(CellRect(editCol_, editRow_));
  editor_->installEventFilter(this);
  editor_->show();
  editor_->setFocus(Qt::OtherFocusReason);
  viewport()->update();
}

void QtSpreadsheetWidget::CloseEditor(bool focusSheet) {
  QLineEdit* e = editor_;
  editor_ = nullptr;
  if (e == nullptr) return;
  e->removeEventFilter(this);
  // The sheet takes the focus before the editor goes, so that it does not
  // pass to the dialog's next control on the way.
  if (focusSheet) setFocus(Qt::OtherFocusReason);
  e->hide();
  e->deleteLater();
  viewport()->update();
}

void QtSpreadsheetWidget::CommitEdit(bool keepFocus) {
  if (editor_ == nullptr) return;
  const std::string text = FromQString(editor_->text());
  const bool hadFocus = editor_->hasFocus();
  const int col = editCol_;
  const int row = editRow_;
  CloseEditor(keepFocus && hadFocus);
  // The dialog may do anything in its handler; the sheet stays alive until
  // its window goes (a window that closes meanwhile is deleted later).
  sheet_->UserEnter(col, row, text);
}

void QtSpreadsheetWidget::CancelEdit() {
  const bool hadFocus = editor_ != nullptr && editor_->hasFocus();
  CloseEditor(hadFocus);
}

bool QtSpreadsheetWidget::EditorKey(QKeyEvent* e) {
  const bool shift = (e->modifiers() & Qt::ShiftModifier) != 0;
  const bool ctrl = (e->modifiers() & Qt::ControlModifier) != 0;
  const bool plain = (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
  const auto commitThen = [&](SheetKey key) {
    QPointer<QtSpreadsheetWidget> alive(this);
    CommitEdit(true);
    if (alive) CursorKey(key);
    return true;
  };
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ctrl) return true;
      return commitThen(shift ? SheetKey::kShiftEnter : SheetKey::kEnter);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (ctrl) {
        // Ends the entry, then the focus goes to the dialog's next control.
        QPointer<QtSpreadsheetWidget> alive(this);
        CommitEdit(true);
        if (alive) focusNextPrevChild(e->key() == Qt::Key_Tab && !shift);
        return true;
      }
      return commitThen(e->key() == Qt::Key_Backtab || shift ? SheetKey::kBackTab : SheetKey::kTab);
    case Qt::Key_Escape:
      CancelEdit();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!plain || shift) break;
      return commitThen(e->key() == Qt::Key_Up ? SheetKey::kUp : SheetKey::kDown);
    case Qt::Key_Left:
    case Qt::Key_Right:
      // An entry ends with the arrows; an edit moves in its text, as does a
      // selection with Shift.
      if (!entry_ || !plain || shift) break;
      return commitThen(e->key() == Qt::Key_Left ? SheetKey::kLeft : SheetKey::kRight);
    default:
      break;
  }
  const QString text = e->text();
  if (text.size() == 1 && text.at(0).isPrint() && (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
    QPointer<QLineEdit> editor(editor_);
    const int key = sheet_->UserKeyPress(text.at(0).unicode());
    if (!editor) return true;
    if (key <= 0) return true;  // dropped by the dialog
    if (key != text.at(0).unicode()) {
      editor->insert(QString(QChar(static_cast<char16_t>(key))));
      return true;
    }
  }
  return false;
}

bool QtSpreadsheetWidget::eventFilter(QObject* watched, QEvent* e) {
  if (editor_ != nullptr && watched == editor_) {
    if (e->type() == QEvent::KeyPress) return EditorKey(static_cast<QKeyEvent*>(e));
    if (e->type() == QEvent::ShortcutOverride) {
      // Tab and Enter end the entry, whatever shortcuts the window has.
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter) {
        e->accept();
        return true;
      }
    }
    if (e->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(e)->reason();
      if (reason != Qt::PopupFocusReason) {
        QPointer<QtSpreadsheetWidget> alive(this);
        CommitEdit(false);
        if (alive && FocusLeftSheet()) sheet_->UserLeave();
      }
      return false;
    }
  }
  return QAbstractScrollArea::eventFilter(watched, e);
}

// ---- the preview's window -------------------------------------------------------------

QtSheetPreviewWidget::QtSheetPreviewWidget(std::unique_ptr<SpreadsheetPreview> preview, QWidget* parent)
    : QAbstractScrollArea(parent), preview_(std::move(preview)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent, true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalScrollBar()->setSingleStep(20);
  preview_->SetChangeListener([this] {
    UpdateScrollBars();
    viewport()->update();
  });
}

QtSheetPreviewWidget::~QtSheetPreviewWidget() { preview_->SetChangeListener(nullptr); }

int QtSheetPreviewWidget::PageDpi() const {
  const SheetPageSetup setup = preview_->PageSetup();
  if (setup.widthTwips <= 0) return kScreenDpi;
  const double across = std::max(1, viewport()->width() - 2 * kPreviewMargin);
  return std::max(8, static_cast<int>(std::floor(across * 1440.0 / setup.widthTwips)));
}

QRect QtSheetPreviewWidget::PageRect(std::size_t index) const {
  const SheetPageSetup setup = preview_->PageSetup();
  const int dpi = PageDpi();
  const int w = TwipsAt(setup.widthTwips, dpi);
  const int h = TwipsAt(setup.heightTwips, dpi);
  const int x = (viewport()->width() - w) / 2;
  const int y = kPreviewMargin + static_cast<int>(index) * (h + kPreviewMargin) - verticalScrollBar()->value();
  return QRect(x, y, w, h);
}

void QtSheetPreviewWidget::UpdateScrollBars() {
  const std::size_t pages = preview_->Pages().size();
  const int h = TwipsAt(preview_->PageSetup().heightTwips, PageDpi());
  const int total = kPreviewMargin + static_cast<int>(pages) * (h + kPreviewMargin);
  verticalScrollBar()->setRange(0, std::max(0, total - viewport()->height()));
  verticalScrollBar()->setPageStep(std::max(1, viewport()->height()));
}

void QtSheetPreviewWidget::paintEvent(QPaintEvent*) {
  const QSize size = viewport()->size();
  QPainter painter(viewport());
  painter.fillRect(QRect(QPoint(0, 0), size), QColorOf(preview_->PreviewColor()));
  const int dpi = PageDpi();
  const std::size_t pages = preview_->Pages().size();
  for (std::size_t i = 0; i < pages; ++i) {
    const QRect r = PageRect(i);
    if (r.bottom() < 0) continue;
    if (r.top() > size.height()) break;
    // A shadow, then the page as it prints, drawn at twice the resolution
    // and scaled down so that its small texts stay legible.
    painter.fillRect(r.translated(3, 3), QColor(96, 96, 96));
    QImage page(r.width() * 2, r.height() * 2, QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(std::lround(dpi * 2 / 0.0254)));
    page.setDotsPerMeterY(static_cast<int>(std::lround(dpi * 2 / 0.0254)));
    page.fill(Qt::white);
    {
      FixedDpiDC dc(page, dpi * 2, Size{page.width(), page.height()});
      preview_->PaintPage(dc, i);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(r, page);
  }
}

void QtSheetPreviewWidget::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollBars();
}

void QtSheetPreviewWidget::showEvent(QShowEvent* e) {
  QAbstractScrollArea::showEvent(e);
  UpdateScrollBars();
  viewport()->update();
}

void QtSheetPreviewWidget::scrollContentsBy(int, int) { viewport()->update(); }

// ---- making them --------------------------------------------------------------------

QWidget* MakeHostedWidget(const ControlTemplate& control, QWidget* parent, HostedControl::EventSink sink) {
  std::unique_ptr<HostedControl> hosted = MakeHostedControl(control);
  if (auto* sheet = dynamic_cast<Spreadsheet*>(hosted.get())) {
    hosted.release();
    sheet->SetEventSink(std::move(sink));
    return new QtSpreadsheetWidget(std::unique_ptr<Spreadsheet>(sheet), parent);
  }
  if (auto* preview = dynamic_cast<SpreadsheetPreview*>(hosted.get())) {
    hosted.release();
    preview->SetEventSink(std::move(sink));
    return new QtSheetPreviewWidget(std::unique_ptr<SpreadsheetPreview>(preview), parent);
  }
  return nullptr;
}

HostedControl* HostedControlOfWidget(const QWidget* widget) {
  if (auto* s = dynamic_cast<const QtSpreadsheetWidget*>(widget))
    return &const_cast<QtSpreadsheetWidget*>(s)->Sheet();
  if (auto* p = dynamic_cast<const QtSheetPreviewWidget*>(widget))
    return &const_cast<QtSheetPreviewWidget*>(p)->Preview();
  return nullptr;
}

}  // namespace tervane::fw
