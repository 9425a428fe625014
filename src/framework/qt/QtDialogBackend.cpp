#include "framework/qt/QtDialogBackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

#include "framework/qt/QtConvert.h"
#include "framework/qt/QtDialogControls.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtImage.h"
#include "framework/qt/QtPainterDC.h"
#include "framework/qt/QtPictures.h"
#include "framework/qt/QtSpreadsheet.h"
#include "resources/Pictures.h"

namespace tervane::fw {

namespace qtdialog {

QRect ToQRect(const Rect& r) {
  const int left = Clamp(std::min(r.left, r.right), -kMaxEdge, kMaxEdge);
  const int top = Clamp(std::min(r.top, r.bottom), -kMaxEdge, kMaxEdge);
  const int w = Clamp(std::abs(r.Width()), 0, kMaxEdge);
  const int h = Clamp(std::abs(r.Height()), 0, kMaxEdge);
  return QRect(left, top, w, h);
}

int CodePoints(const QString& s) {
  int n = 0;
  for (int i = 0; i < s.size(); ++i) {
    if (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) ++i;
    ++n;
  }
  return n;
}

// The font to draw a caption with inside `area`: the widget's own, or, where
// the caption does not fit (the dialog's metrics are those of a narrower
// font), the same font a little condensed, so that no text is clipped.
QFont FittingFont(const QFont& base, const QRect& area, int flags, const QString& text) {
  if (text.isEmpty() || area.isEmpty()) return base;
  auto fits = [&](const QFont& f) {
    const QRect needed = QFontMetrics(f).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
  };
  if (fits(base)) return base;
  QFont condensed = base;
  for (int stretch = 96; stretch >= 84; stretch -= 4) {
    condensed.setStretch(stretch);
    if (fits(condensed)) break;
  }
  return condensed;
}

// Shows "&File" as "File" and "&&" as "&", as static texts do.
QString WithoutMnemonics(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (int i = 0; i < s.size(); ++i) {
    if (s.at(i) == QLatin1Char('&') && i + 1 < s.size()) {
      ++i;
    }
    out.append(s.at(i));
  }
  return out;
}

}  // namespace qtdialog

using qtdialog::Clamp;
using qtdialog::kMaxEdge;
using qtdialog::MultiLineFromQt;
using qtdialog::MultiLineToQt;
using qtdialog::ToQRect;
using qtdialog::WithoutMnemonics;

// ---------------------------------------------------------------------------

QtDialogBackend::Impl::~Impl() {
  *alive = false;
  Teardown();
}

int QtDialogBackend::Impl::IndexOfWidget(const QWidget* w) const {
  for (; w != nullptr && w != window; w = w->parentWidget()) {
    for (std::size_t i = 0; i < controls.size(); ++i)
      if (controls[i].widget == w) return static_cast<int>(i);
  }
  return -1;
}

bool QtDialogBackend::Impl::MakeWindow(DialogBackend* owner, QWidget* host) {
  QWidget* parent = nullptr;
  if (auto* qtOwner = dynamic_cast<QtDialogBackend*>(owner)) parent = qtOwner->Window();

  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (tmpl.styles & kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (tmpl.styles & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (tmpl.styles & kMaximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  if (tmpl.styles & kContextHelp) flags |= Qt::WindowContextHelpButtonHint;
  if (tmpl.styles & kNoCaption) flags = Qt::Dialog | Qt::FramelessWindowHint;
  if (host != nullptr) {
    parent = host;
    flags = Qt::Widget;
  }

  window = new DialogWindow(this, parent, flags);
  // A dialog is made a window of its own by QDialog; inside a frame it is a child.
  if (host != nullptr) window->setWindowFlags(Qt::Widget);
  window->setAttribute(Qt::WA_QuitOnClose, false);
  window->setAttribute(Qt::WA_OpaquePaintEvent, true);
  window->setAutoFillBackground(false);
  window->setSizeGripEnabled(false);
  caption = tmpl.caption;
  window->setWindowTitle(ToQString(caption));
  window->setFont(DialogQFont(tmpl.font, 1.0));

  const Size client = DialogClientSize(tmpl, 1.0);
  const QSize size(Clamp(client.cx, 1, kMaxEdge), Clamp(client.cy, 1, kMaxEdge));
  if (tmpl.styles & kResizable)
    window->resize(size);
  else
    window->setFixedSize(size);

  controls.clear();
  byId.clear();
  controls.reserve(tmpl.controls.size());
  for (const ControlTemplate& ct : tmpl.controls) {
    Control c;
    c.tmpl = ct;
    c.text = ct.text;
    c.limit = ct.maxTextLength > 0 ? ct.maxTextLength : 0;
    controls.push_back(std::move(c));
    byId.emplace(ct.id, controls.size() - 1);  // the first control with an id wins
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& c = controls[i];
    if (IsRadio(c.tmpl.kind)) {
      // The group by position, with the rule of RadioGroupOf: from the
      // nearest button that starts a group (or follows a control that is no
      // radio button) up to the next that starts one.
      std::size_t first = i;
      while (first > 0 && (controls[first].tmpl.flags & kGroup) == 0 && IsRadio(controls[first - 1].tmpl.kind))
        --first;
      for (std::size_t j = first; j < controls.size(); ++j) {
        if (j > first && ((controls[j].tmpl.flags & kGroup) != 0 || !IsRadio(controls[j].tmpl.kind))) break;
        c.group.push_back(j);
      }
    }
    c.widget = MakeControl(c, i);
  }

  // Tab order is the order of declaration.
  QWidget* previous = nullptr;
  for (Control& c : controls) {
    if (c.widget == nullptr || c.widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, c.widget);
    previous = c.widget;
  }

  // Every widget reports its keys to the window first.
  for (QWidget* w : window->findChildren<QWidget*>()) w->installEventFilter(window);

  ApplyBackground();
  if (host != nullptr) {
    window->move(std::max(0, (host->width() - window->width()) / 2), std::max(0, (host->height() - window->height()) / 2));
    window->hide();
  }
  return true;
}

QWidget* QtDialogBackend::Impl::MakeControl(Control& c, std::size_t index) {
  const ControlTemplate& ct = c.tmpl;
  const bool tabStop = (ct.flags & kTabStop) != 0;
  NewControl n{c,
               index,
               ToQRect(ControlRect(tmpl, ct, 1.0)),
               ToQString(ct.text),
               tabStop,
               tabStop ? Qt::StrongFocus : Qt::ClickFocus};
  QWidget* w = MakeWidget(n);
  if (w == nullptr) return nullptr;
  w->setGeometry(n.geometry);
  if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && ct.kind != ControlKind::Picture) FitLabel(l);
  if (ct.flags & kDisabled) w->setEnabled(false);
  if (ct.flags & kHidden) w->hide();
  return w;
}

QWidget* QtDialogBackend::Impl::MakeWidget(NewControl& n) {
  switch (n.c.tmpl.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::BitmapPushButton: return MakePushButton(n);
    case ControlKind::Edit: return MakeEdit(n);
    case ControlKind::MultiLineEdit: return MakeMultiLineEdit(n);
    case ControlKind::StaticLeft:
    case ControlKind::StaticCentered:
    case ControlKind::StaticRight: return MakeStatic(n);
    case ControlKind::GroupBox: return MakeGroupBox(n);
    case ControlKind::Radio: return MakeRadio(n);
    case ControlKind::PushLikeRadio:
    case ControlKind::PushLikeCheckBox: return MakePushLikeButton(n);
    case ControlKind::CheckBox: return MakeCheckBox(n);
    case ControlKind::ComboBox: return MakeComboBox(n);
    case ControlKind::Picture: return MakePicture(n);
    case ControlKind::FrameBlack:
    case ControlKind::FrameSunken:
    case ControlKind::FrameEtched: return MakeFrame(n);
    case ControlKind::Spreadsheet:
    case ControlKind::PrintPreview: return MakeHosted(n);
  }
  return nullptr;
}

void QtDialogBackend::Impl::ApplyBackground() {
  if (window == nullptr || events == nullptr) return;
  const ColorRef color = events->BackgroundColor();
  if (paletteSet && color == paletteColor) return;
  paletteSet = true;
  paletteColor = color;
  QPalette pal = window->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Window, QColorOf(color));
    pal.setColor(group, QPalette::WindowText, Qt::black);
  }
  pal.setColor(QPalette::Disabled, QPalette::Window, QColorOf(color));
  window->setPalette(pal);
  // Lettering pictures stand on the dialog's background.
  for (Control& c : controls) {
    auto* l = qobject_cast<QLabel*>(c.widget);
    if (l == nullptr || c.tmpl.kind != ControlKind::Picture) continue;
    const res::Picture* picture = res::FindPicture(c.tmpl.pictureId);
    if (picture != nullptr && picture->onDialogBackground) l->setPixmap(PicturePixmapOn(c.tmpl.pictureId, color));
  }
  // Read-only edit fields show the dialog's colour as well.
  for (Control& c : controls) {
    auto* e = qobject_cast<QLineEdit*>(c.widget);
    if (e != nullptr && e->isReadOnly()) {
      QPalette ep = e->palette();
      ep.setColor(QPalette::Base, QColorOf(color));
      e->setPalette(ep);
    }
  }
}

void QtDialogBackend::Impl::Teardown() {
  if (window == nullptr) return;
  if (modalLoop != nullptr) modalLoop->exit();
  DialogWindow* w = window;
  w->hide();
  w->Detach();
  window = nullptr;
  for (Control& c : controls) c.widget = nullptr;
  if (depth > 0)
    w->deleteLater();  // an event of this window is still being handled
  else
    delete w;
}

bool QtDialogBackend::Impl::Key(QKeyEvent* e, QWidget* target) {
  const int key = e->key();
  // A spreadsheet takes Tab and Enter while the user types into its cells.
  for (QWidget* w = target; w != nullptr && w != window; w = w->parentWidget()) {
    if (auto* sheet = dynamic_cast<QtSpreadsheetWidget*>(w)) {
      if (sheet->TakesKey(*e)) return false;
      break;
    }
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      if ((e->modifiers() & Qt::ControlModifier) != 0) {
        if (auto* text = qobject_cast<QPlainTextEdit*>(target); text != nullptr && !text->isReadOnly()) {
          text->textCursor().insertText(QStringLiteral("\n"));
          text->ensureCursorVisible();
          return true;
        }
      }
      Deliver([](DialogEvents& ev) { ev.BackendEnter(); });
      return true;
    }
    case Qt::Key_Escape:
      Cancel();
      return true;
    case Qt::Key_F1:
      Help();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const int index = IndexOfWidget(target);
      if (index >= 0 && (e->modifiers() & ~Qt::KeypadModifier) == 0)
        return RadioArrow(static_cast<std::size_t>(index), key);
      return false;
    }
    default:
      return false;
  }
}

void QtDialogBackend::Impl::Paint(QPainter& painter, const QRegion& region) {
  ApplyBackground();
  QRegion erase = region.subtracted(window->noErase);
  window->noErase = QRegion();
  const QColor background = QColorOf(events != nullptr ? events->BackgroundColor() : kDefaultDialogColor);
  for (const QRect& r : erase) painter.fillRect(r, background);
  if (tmpl.styles & kNoCaption) {
    // A window without caption still shows where it ends: a raised border.
    const QRect edge = window->rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
  }
  if (events == nullptr) return;
  QtPainterDC dc(painter);
  Deliver([&dc](DialogEvents& ev) { ev.BackendPaint(dc); });
}

// ---------------------------------------------------------------------------

QtDialogBackend::QtDialogBackend() : impl_(std::make_unique<Impl>()) {}

QtDialogBackend::~QtDialogBackend() {
  // Destroy() tells the dialog; a backend dropped without it only closes.
  impl_.reset();
}

bool QtDialogBackend::Create(const DialogTemplate& tmpl, DialogEvents& events, DialogBackend* owner) {
  if (impl_->window != nullptr) return false;
  if (QApplication::instance() == nullptr) return false;
  impl_->tmpl = tmpl;
  impl_->events = &events;
  impl_->destroying = false;
  impl_->ended = false;
  impl_->result = IDCANCEL;
  impl_->paletteSet = false;
  return impl_->MakeWindow(owner);
}

bool QtDialogBackend::CreateInFrame(const DialogTemplate& tmpl, DialogEvents& events, FrameBackend* frame) {
  auto* qtFrame = dynamic_cast<QtFrameBackend*>(frame);
  QWidget* host = qtFrame != nullptr ? qtFrame->ClientArea() : nullptr;
  if (host == nullptr) return Create(tmpl, events, nullptr);
  if (impl_->window != nullptr) return false;
  if (QApplication::instance() == nullptr) return false;
  impl_->tmpl = tmpl;
  impl_->events = &events;
  impl_->destroying = false;
  impl_->ended = false;
  impl_->result = IDCANCEL;
  impl_->paletteSet = false;
  return impl_->MakeWindow(nullptr, host);
}

int QtDialogBackend::RunModal() {
  Impl& d = *impl_;
  if (d.window == nullptr || d.modalLoop != nullptr) return -1;
  std::shared_ptr<bool> token = d.alive;
  d.ended = false;
  d.result = IDCANCEL;
  d.initialising = true;
  if (!d.Deliver([](DialogEvents& ev) { ev.BackendInit(); })) return IDCANCEL;
  d.initialising = false;
  if (d.ended || d.window == nullptr) return d.result;  // ended before it was shown

  QPointer<DialogWindow> window = d.window;
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
  QEventLoop loop;
  d.modalLoop = &loop;
  if (!d.ended) loop.exec(QEventLoop::DialogExec);
  if (!*token) return IDCANCEL;
  d.modalLoop = nullptr;
  if (window) {
    window->hide();
    window->setWindowModality(Qt::NonModal);
  }
  return d.result;
}

bool QtDialogBackend::ShowModeless() {
  Impl& d = *impl_;
  if (d.window == nullptr) return false;
  d.initialising = true;
  if (!d.Deliver([](DialogEvents& ev) { ev.BackendInit(); })) return false;
  d.initialising = false;
  if (d.window == nullptr) return false;
  d.window->setWindowModality(Qt::NonModal);
  d.window->show();
  return true;
}

void QtDialogBackend::EndModal(int result) {
  Impl& d = *impl_;
  if (d.modalLoop == nullptr && !d.initialising) return;
  d.ended = true;
  d.result = result;
  if (d.modalLoop != nullptr) d.modalLoop->exit();
}

void QtDialogBackend::Destroy() {
  Impl& d = *impl_;
  if (d.window == nullptr || d.destroying || d.telling) return;
  d.telling = true;
  if (!d.Deliver([](DialogEvents& ev) { ev.BackendDestroyed(); })) return;
  d.telling = false;
  d.destroying = true;  // no events from here on
  d.Teardown();
  d.events = nullptr;
}

bool QtDialogBackend::IsCreated() const { return impl_->window != nullptr; }

void QtDialogBackend::SetCaption(const std::string& caption) {
  impl_->caption = caption;
  if (impl_->window != nullptr) impl_->window->setWindowTitle(ToQString(caption));
}

std::string QtDialogBackend::Caption() const { return impl_->window != nullptr ? impl_->caption : std::string(); }

void QtDialogBackend::ShowWindow(bool visible) {
  if (impl_->window != nullptr) impl_->window->setVisible(visible);
}

bool QtDialogBackend::IsWindowVisible() const { return impl_->window != nullptr && impl_->window->isVisible(); }

Size QtDialogBackend::ClientSize() const {
  if (impl_->window == nullptr) return {};
  const QSize s = impl_->window->size();
  return Size{s.width(), s.height()};
}

Point QtDialogBackend::FrameOffset() const {
  if (impl_->window == nullptr) return {};
  // The window manager's decoration, as far as it has told the toolkit; no
  // frame (offscreen, or a display without a window manager) gives 0, 0.
  const QPoint d = impl_->window->geometry().topLeft() - impl_->window->frameGeometry().topLeft();
  return Point{std::max(0, d.x()), std::max(0, d.y())};
}

// Qt scales logical pixels to the screen itself, so dialog units are always
// converted at the 96-dpi factors.
double QtDialogBackend::ScaleFactor() const { return 1.0; }

void QtDialogBackend::PlaceFromOwner(int dx, int dy) {
  DialogWindow* w = impl_->window;
  if (w == nullptr || !w->isWindow() || w->parentWidget() == nullptr) return;
  // A Wayland compositor places every window itself.
  if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) return;
  const QWidget* owner = w->parentWidget()->window();
  const Rect offset = DialogUnitsToPixels(impl_->tmpl.font, ScaleFactor(), dx, dy, 0, 0);
  // Both positions are those of the windows' frames.
  w->move(owner->pos() + QPoint(offset.left, offset.top));
}

void QtDialogBackend::InvalidateRect(const Rect& rect, bool erase) {
  DialogWindow* w = impl_->window;
  if (w == nullptr) return;
  impl_->ApplyBackground();
  const QRect r = ToQRect(rect).intersected(w->rect());
  if (r.isEmpty()) return;
  if (erase)
    w->noErase -= r;
  else if (w->isVisible())
    w->noErase += r;
  w->update(r);
}

void QtDialogBackend::Invalidate(bool erase) {
  DialogWindow* w = impl_->window;
  if (w == nullptr) return;
  InvalidateRect(Rect{0, 0, w->width(), w->height()}, erase);
}

std::string QtDialogBackend::ControlText(int id) const {
  const Impl::Control* c = impl_->Find(id);
  if (c == nullptr || c->widget == nullptr) return {};
  if (auto* e = qobject_cast<QLineEdit*>(c->widget)) return FromQString(e->text());
  if (auto* e = qobject_cast<QPlainTextEdit*>(c->widget)) return MultiLineFromQt(e->toPlainText());
  if (auto* cb = qobject_cast<QComboBox*>(c->widget)) {
    if (cb->isEditable()) return FromQString(cb->currentText());
    return cb->currentIndex() >= 0 ? FromQString(cb->itemText(cb->currentIndex())) : std::string();
  }
  return c->text;
}

void QtDialogBackend::SetControlText(int id, const std::string& text) {
  Impl& d = *impl_;
  Impl::Control* c = d.Find(id);
  if (c == nullptr || c->widget == nullptr) return;
  ++d.writing;
  const QString q = ToQString(text);
  QWidget* w = c->widget;
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(q);
  } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
    e->setPlainText(MultiLineToQt(text));
  } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
    // The edit part takes the text and no item stays selected; a drop-down
    // list has no edit part and keeps its selection.
    if (cb->isEditable()) {
      cb->setCurrentIndex(-1);
      cb->setEditText(q);
    }
  } else {
    c->text = text;
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (c->tmpl.kind != ControlKind::Picture) {
        l->setText(WithoutMnemonics(q));
        d.FitLabel(l);
      }
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      g->setTitle(q);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (!IsPictureButton(b)) b->setText(q);
    }
  }
  --d.writing;
}

void QtDialogBackend::ShowControl(int id, bool visible) {
  Impl::Control* c = impl_->Find(id);
  if (c != nullptr && c->widget != nullptr) c->widget->setVisible(visible);
}

bool QtDialogBackend::IsControlVisible(int id) const {
  const Impl::Control* c = impl_->Find(id);
  return c != nullptr && c->widget != nullptr && !c->widget->isHidden();
}

void QtDialogBackend::EnableControl(int id, bool enabled) {
  Impl::Control* c = impl_->Find(id);
  if (c != nullptr && c->widget != nullptr) c->widget->setEnabled(enabled);
}

bool QtDialogBackend::IsControlEnabled(int id) const {
  const Impl::Control* c = impl_->Find(id);
  return c != nullptr && c->widget != nullptr && c->widget->isEnabledTo(impl_->window);
}

int QtDialogBackend::FocusedControl() const {
  const Impl& d = *impl_;
  if (d.window == nullptr) return 0;
  QWidget* f = QApplication::focusWidget();
  if (f == nullptr || f->window() != d.window) f = d.window->focusWidget();
  if (f == nullptr) return 0;
  const int index = d.IndexOfWidget(f);
  return index >= 0 ? d.controls[static_cast<std::size_t>(index)].tmpl.id : 0;
}

void QtDialogBackend::SetFocus(int id) {
  Impl::Control* c = impl_->Find(id);
  if (c != nullptr && c->widget != nullptr) c->widget->setFocus(Qt::OtherFocusReason);
}

void QtDialogBackend::SetControlFont(int id, const Font& font) {
  Impl::Control* c = impl_->Find(id);
  if (c == nullptr || c->widget == nullptr) return;
  // The font a 96-dpi device context would draw with.
  QImage probe(1, 1, QImage::Format_RGB32);
  probe.setDotsPerMeterX(3780);
  probe.setDotsPerMeterY(3780);
  QFont qfont;
  {
    QtPainterDC dc(probe);
    qfont = dc.ToQFont(font);
  }
  qfont.setStyleStrategy(QFont::PreferDefault);
  c->widget->setProperty("controlFont", qfont);
  c->widget->setFont(qfont);
  if (auto* l = qobject_cast<QLabel*>(c->widget); l != nullptr && c->tmpl.kind != ControlKind::Picture)
    impl_->FitLabel(l);
}

bool QtDialogBackend::SetTimer(int id, int milliseconds) {
  Impl& d = *impl_;
  if (d.window == nullptr || d.destroying) return false;
  QPointer<QTimer>& timer = d.timers[id];
  if (timer == nullptr) {
    timer = new QTimer(d.window);
    std::shared_ptr<bool> token = d.alive;
    Impl* impl = impl_.get();
    QObject::connect(timer, &QTimer::timeout, timer, [token, impl, id] {
      if (!*token || impl->window == nullptr) return;
      impl->Deliver([id](DialogEvents& ev) { ev.BackendTimer(id); });
    });
  }
  timer->start(std::max(1, milliseconds));
  return true;
}

void QtDialogBackend::KillTimer(int id) {
  auto it = impl_->timers.find(id);
  if (it == impl_->timers.end()) return;
  if (it->second != nullptr) {
    it->second->stop();
    it->second->deleteLater();  // safe also from its own timeout
  }
  impl_->timers.erase(it);
}

void QtDialogBackend::SetBusyCursor(bool busy) {
  if (impl_->window == nullptr) return;
  if (busy)
    impl_->window->setCursor(Qt::BusyCursor);
  else
    impl_->window->unsetCursor();
}

QDialog* QtDialogBackend::Window() const { return impl_->window; }

Image QtDialogBackend::GrabClient(const Rect& rect) const {
  DialogWindow* w = impl_->window;
  if (w == nullptr) return Image();
  const QRect r = ToQRect(rect).intersected(w->rect());
  if (r.isEmpty()) return Image();
  QImage image = w->grab(r).toImage();
  // One image pixel per client pixel, also on a scaled screen.
  if (image.size() != r.size()) image = image.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return FromQImage(image);
}

QWidget* QtDialogBackend::ControlWidget(int id) const {
  const Impl::Control* c = impl_->Find(id);
  return c != nullptr ? c->widget : nullptr;
}

QWidget* QtDialogBackend::ControlWidgetAt(std::size_t index) const {
  return index < impl_->controls.size() ? impl_->controls[index].widget : nullptr;
}

std::unique_ptr<DialogBackend> QtBackendFactory::CreateDialogBackend() {
  return std::make_unique<QtDialogBackend>();
}

}  // namespace tervane::fw

