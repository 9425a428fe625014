#pragma once
// The Qt windows of the hosted controls: the spreadsheet (frozen column-header
// rows and row numbers, scrolling by whole rows and columns, in-place editing
// of the cells the sheet lets the user edit) and its print preview (the
// printed pages, scaled to the control's width, one below the other).
//
// Both draw through the framework's device context with the painter of
// SpreadsheetPrint.h, so the screen, the preview and the paper agree.
//
// Keys in the sheet, as in any spreadsheet: the arrows, Page Up/Down, Home
// and End move the cursor (the current cell, Spreadsheet::CursorCol/Row);
// typing starts an entry in a number cell, F2 or a double click an edit of
// its text; Delete empties it. Tab and Shift+Tab go to the next and the
// previous column, Enter and Shift+Enter to the next and the previous row
// (back in the column where a run of Tabs began), ending the entry or edit
// first; in an entry the arrows end it and move too, in an edit Left and
// Right move in the text. Esc abandons an entry or edit. Ctrl+Tab and
// Ctrl+Shift+Tab move the focus to the dialog's next and previous control,
// as does moving it with the mouse (a click on OK), which ends the entry.
// While the cursor is on a cell the user cannot edit (a results table), Tab
// and Enter belong to the dialog, as Esc always does outside an entry.

#include <QAbstractScrollArea>

#include <memory>

#include "framework/DialogTemplate.h"
#include "framework/HostedControl.h"
#include "framework/Spreadsheet.h"  // SheetKey

class QLineEdit;

namespace tervane::fw {

class Spreadsheet;
class SpreadsheetPreview;

// The window of a Spreadsheet or PrintPreview template control, with its
// control object, whose events go to `sink`; null for other kinds.
QWidget* MakeHostedWidget(const ControlTemplate& control, QWidget* parent, HostedControl::EventSink sink);
// The control object of a window made by MakeHostedWidget, else null.
HostedControl* HostedControlOfWidget(const QWidget* widget);

class QtSpreadsheetWidget final : public QAbstractScrollArea {
 public:
  QtSpreadsheetWidget(std::unique_ptr<Spreadsheet> sheet, QWidget* parent);
  ~QtSpreadsheetWidget() override;

  Spreadsheet& Sheet() { return *sheet_; }
  // The rectangle of a cell in viewport coordinates (empty when not shown).
  QRect CellRect(int col, int row) const;
  // The point of the viewport where a cell's middle is shown.
  QPoint CellCenter(int col, int row) const { return CellRect(col, row).center(); }
  // The open cell editor, or null.
  QLineEdit* Editor() const { return editor_; }
  int CurrentCol() const;
  int CurrentRow() const;
  int TopRow() const { return topRow_; }
  // Scrolls so that the data cell can be seen.
  void EnsureVisible(int col, int row);
  // True for a key that the sheet takes before its dialog would: Tab and
  // Enter while the cursor is on a cell the user can edit.
  bool TakesKey(const QKeyEvent& e) const;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  // The scroll bars "as needed" are laid out again for the size the sheet
  // is shown at (their ranges may have been set while it was hidden).
  void showEvent(QShowEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Layout;
  Layout MakeLayout() const;
  bool CellAt(const QPoint& at, int& col, int& row) const;
  void SheetChanged();
  void UpdateScrollBars();
  void MoveCurrent(int col, int row);
  // A key that moves the cursor (after the entry or edit ended), then shows it.
  void CursorKey(SheetKey key);
  // True when the focus has gone outside the sheet and its editor.
  bool FocusLeftSheet() const;
  // `entry`: opened by typing (the arrows leave the cell), else an edit of
  // the text (F2, a double click).
  void OpenEditor(int col, int row, const QString& text, bool selectAll, bool entry);
  void CommitEdit(bool keepFocus);
  void CancelEdit();
  void CloseEditor(bool focusSheet);
  bool EditorKey(QKeyEvent* e);

  std::unique_ptr<Spreadsheet> sheet_;
  int topRow_ = 1;
  int leftCol_ = 1;
  QLineEdit* editor_ = nullptr;
  int editCol_ = 0;
  int editRow_ = 0;
  bool entry_ = false;
  bool closing_ = false;
};

class QtSheetPreviewWidget final : public QAbstractScrollArea {
 public:
  QtSheetPreviewWidget(std::unique_ptr<SpreadsheetPreview> preview, QWidget* parent);
  ~QtSheetPreviewWidget() override;

  SpreadsheetPreview& Preview() { return *preview_; }
  // Where page `index` is shown in the viewport, and the resolution it is
  // drawn at (pixels per inch).
  QRect PageRect(std::size_t index) const;
  int PageDpi() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();

  std::unique_ptr<SpreadsheetPreview> preview_;
};

}  // namespace tervane::fw
