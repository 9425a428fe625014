#include "framework/qt/QtDialogBackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QTimer>
#include <QValidator>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

#include "framework/qt/QtConvert.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtImage.h"
#include "framework/qt/QtPainterDC.h"
#include "framework/qt/QtPictures.h"
#include "framework/qt/QtSpreadsheet.h"
#include "resources/Pictures.h"

namespace tervane::fw {

namespace {

// Largest window or control edge we hand to Qt.
constexpr int kMaxEdge = 32767;

// Height of the closed part of a combo box in dialog units (the template's
// height includes the drop-down list).
constexpr int kComboFieldHeight = 13;
// Height of one item of a combo box's list in dialog units.
constexpr int kComboItemHeight = 8;

int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

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

// Flags for drawing a caption with a mnemonic: underlined only where the
// style says so.
int MnemonicFlags(const QWidget* w) {
  QStyleOption opt;
  opt.initFrom(w);
  return w->style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, w) ? Qt::TextShowMnemonic
                                                                         : Qt::TextHideMnemonic;
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

// Push buttons whose caption wraps at word boundaries when one line does not
// fit, as captions of two or three lines do.
class WrappingPushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    // A push-like check box or radio button that is checked looks pressed in.
    if (isCheckable() && isChecked()) {
      opt.state |= QStyle::State_Sunken;
      opt.palette.setColor(QPalette::Button, opt.palette.color(QPalette::Button).darker(125));
    }
    p.drawControl(QStyle::CE_PushButton, opt);
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    if (opt.state & (QStyle::State_On | QStyle::State_Sunken)) {
      contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
    }
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | MnemonicFlags(this);
    p.setFont(FittingFont(font(), contents, flags, caption));
    style()->drawItemText(&p, contents, flags, opt.palette, isEnabled(), caption, QPalette::ButtonText);
  }
};

// Check boxes and radio buttons whose caption wraps in the same way, centred
// vertically beside the indicator.
template <class Base, QStyle::ControlElement kElement, QStyle::SubElement kContents>
class WrappingIndicatorButton : public Base {
 public:
  using Base::Base;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton opt;
    this->initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    p.drawControl(kElement, opt);
    opt.text = caption;
    const QRect contents = this->style()->subElementRect(kContents, &opt, this);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | MnemonicFlags(this);
    // Text left of the box (a mirrored button): the caption still reads from left to right.
    if (this->layoutDirection() == Qt::RightToLeft) {
      p.setLayoutDirection(Qt::LeftToRight);
      flags |= Qt::AlignAbsolute;
    }
    p.setFont(FittingFont(this->font(), contents, flags, caption));
    this->style()->drawItemText(&p, contents, flags, opt.palette, this->isEnabled(), caption,
                                QPalette::WindowText);
  }
};

class RadioButton final
    : public WrappingIndicatorButton<QRadioButton, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents> {
 public:
  using WrappingIndicatorButton::WrappingIndicatorButton;
};

// A check box the user toggles between unchecked and checked; the third
// state is only ever set by the program.
class CheckBox final
    : public WrappingIndicatorButton<QCheckBox, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents> {
 public:
  using WrappingIndicatorButton::WrappingIndicatorButton;

 protected:
  void nextCheckState() override {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
};

// A group box drawn as an etched line around its controls, with its title on
// the dialog's colour: the style's own would shade its inside, and the
// statics in it would stand out as lighter boxes.
class EtchedGroupBox final : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = title().isEmpty() ? 0 : fm.height() / 2;
    const QRect r = rect().adjusted(0, top, -2, -2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(r);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(r.translated(1, 1));
    if (!title().isEmpty()) {
      const QString shown = WithoutMnemonicsText(title());
      const QRect text(8, 0, fm.horizontalAdvance(shown) + 4, fm.height());
      p.fillRect(text, palette().color(QPalette::Window));
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(text, Qt::AlignCenter, shown);
    }
  }

 private:
  static QString WithoutMnemonicsText(const QString& s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
      if (s.at(i) == QLatin1Char('&') && i + 1 < s.size()) ++i;
      out.append(s.at(i));
    }
    return out;
  }
};

// Limits what the user types to a number of characters without cutting a
// longer text the program wrote.
class LimitValidator final : public QValidator {
 public:
  LimitValidator(QObject* parent, int limit, const int* committedLength)
      : QValidator(parent), limit_(limit), committedLength_(committedLength) {}
  State validate(QString& input, int&) const override {
    const int n = CodePoints(input);
    return (n > limit_ && n > *committedLength_) ? Invalid : Acceptable;
  }

 private:
  int limit_;
  const int* committedLength_;
};

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

QString MultiLineToQt(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string MultiLineFromQt(const QString& text) {
  QString s = text;
  s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  s.replace(QChar::LineSeparator, QLatin1Char('\n'));
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQString(s);
}

}  // namespace

// ---------------------------------------------------------------------------

class DialogWindow;

struct QtDialogBackend::Impl {
  struct Control {
    ControlTemplate tmpl;
    QWidget* widget = nullptr;
    std::string text;         // the text as last written (captions, labels)
    int limit = 0;            // typing limit of edit fields
    int committedLength = 0;  // characters in the field after the last change
    std::vector<std::size_t> group;  // radio buttons: the indexes of its group
    QString accepted;                // multi-line edits: the text within the limit
    int acceptedCursor = 0;
  };

  DialogTemplate tmpl;
  DialogEvents* events = nullptr;
  DialogWindow* window = nullptr;
  std::vector<Control> controls;
  std::map<int, std::size_t> byId;
  std::string caption;
  ColorRef paletteColor{};
  bool paletteSet = false;

  // Event delivery and lifetime.
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);
  int depth = 0;
  bool destroying = false;
  bool telling = false;  // delivering BackendDestroyed
  int writing = 0;  // > 0 while the program writes into a control

  // Modal run.
  QEventLoop* modalLoop = nullptr;
  bool initialising = false;
  bool ended = false;
  int result = IDCANCEL;

  // Timers by id; each lives as a child of the window and goes with it.
  std::map<int, QPointer<QTimer>> timers;

  ~Impl();

  Control* Find(int id) {
    auto it = byId.find(id);
    return it == byId.end() ? nullptr : &controls[it->second];
  }
  const Control* Find(int id) const {
    auto it = byId.find(id);
    return it == byId.end() ? nullptr : &controls[it->second];
  }

  // Calls the dialog; false when the backend went away meanwhile.
  template <class F>
  bool Deliver(F&& f) {
    if (events == nullptr || destroying) return true;
    std::shared_ptr<bool> token = alive;
    ++depth;
    f(*events);
    if (!*token) return false;
    --depth;
    return true;
  }

  // `host`: the client area of a frame the window lives in, or null for a
  // window of its own.
  bool MakeWindow(DialogBackend* owner, QWidget* host = nullptr);
  QWidget* MakeControl(Control& c, std::size_t index);
  void ApplyBackground();
  // Condenses a static text's font where its text would be clipped.
  void FitLabel(QLabel* label) {
    const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
    // A font given to this control (SetControlFont) is its base; else the dialog's.
    const QVariant own = label->property("controlFont");
    const QFont base = own.isValid() ? own.value<QFont>() : label->parentWidget()->font();
    label->setFont(FittingFont(base, label->contentsRect(), flags, label->text()));
  }
  void Teardown();

  // Events from the window.
  bool Key(QKeyEvent* e, QWidget* target);
  void Clicked(std::size_t index);
  void TextEdited(std::size_t index);
  void AttachLineEdit(QLineEdit* e, Control& c, std::size_t index, const QString& text);
  void MultiLineChanged(std::size_t index);
  void Paint(QPainter& painter, const QRegion& region);
  void Help() {
    Deliver([](DialogEvents& ev) { ev.BackendHelp(); });
  }
  void Cancel() {
    Deliver([](DialogEvents& ev) { ev.BackendCancel(); });
  }
  void RadioFocusIn(std::size_t index, Qt::FocusReason reason);
  bool RadioArrow(std::size_t index, int key);
  int IndexOfWidget(const QWidget* w) const;
};

// The dialog window. Every widget in it reports its key events here first.
class DialogWindow final : public QDialog {
 public:
  DialogWindow(QtDialogBackend::Impl* impl, QWidget* parent, Qt::WindowFlags flags)
      : QDialog(parent, flags), impl_(impl) {}
  void Detach() { impl_ = nullptr; }
  QtDialogBackend::Impl* Owner() const { return impl_; }

  // Parts of the client area to be painted over without erasing first.
  QRegion noErase;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter painter(this);
    if (impl_ != nullptr) impl_->Paint(painter, e->region());
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (impl_ == nullptr || !impl_->Key(e, this)) QDialog::keyPressEvent(e);
  }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    if (impl_ != nullptr) impl_->Cancel();
  }
  // The dialog model decides when the window ends.
  void reject() override {
    if (impl_ != nullptr) impl_->Cancel();
  }
  void accept() override {}
  bool event(QEvent* e) override {
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
      e->accept();  // F1 is the dialog's help (see eventFilter)
      return true;
    }
    if (e->type() == QEvent::WhatsThis && impl_ != nullptr) {
      e->accept();
      impl_->Help();
      return true;
    }
    return QDialog::event(e);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (impl_ == nullptr) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    // Pop-ups (a combo box's open list) keep their own keys.
    if (w == nullptr || w == this || w->window() != this) return false;
    switch (e->type()) {
      case QEvent::KeyPress:
        return impl_->Key(static_cast<QKeyEvent*>(e), w);
      case QEvent::ShortcutOverride:
        // F1 is the dialog's help, also in a dialog that lives inside a
        // frame whose accelerators have F1 too.
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
          e->accept();
          return true;
        }
        return false;
      case QEvent::WhatsThis:
        e->accept();
        impl_->Help();
        return true;
      case QEvent::FocusIn: {
        const int index = impl_->IndexOfWidget(w);
        if (index >= 0) impl_->RadioFocusIn(static_cast<std::size_t>(index),
                                            static_cast<QFocusEvent*>(e)->reason());
        return false;
      }
      default:
        return false;
    }
  }

 private:
  QtDialogBackend::Impl* impl_;
};

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

// Puts the template text in a line edit (an edit field or the edit part of a
// combo box), holds typing to the control's limit and reports the user's edits.
void QtDialogBackend::Impl::AttachLineEdit(QLineEdit* e, Control& c, std::size_t index, const QString& text) {
  e->setText(text);
  c.committedLength = CodePoints(e->text());
  e->setValidator(new LimitValidator(e, c.limit > 0 ? c.limit : INT32_MAX, &c.committedLength));
  DialogWindow* win = window;
  QObject::connect(e, &QLineEdit::textChanged, win, [win, index](const QString& t) {
    if (auto* impl = win->Owner()) impl->controls[index].committedLength = CodePoints(t);
  });
  QObject::connect(e, &QLineEdit::textEdited, win, [win, index] {
    if (auto* impl = win->Owner()) impl->TextEdited(index);
  });
}

QWidget* QtDialogBackend::Impl::MakeControl(Control& c, std::size_t index) {
  const ControlTemplate& ct = c.tmpl;
  QRect geometry = ToQRect(ControlRect(tmpl, ct, 1.0));
  const QString text = ToQString(ct.text);
  const bool tabStop = (ct.flags & kTabStop) != 0;
  const Qt::FocusPolicy clickable = tabStop ? Qt::StrongFocus : Qt::ClickFocus;
  QWidget* w = nullptr;

  auto connectClick = [this, index](QAbstractButton* b) {
    DialogWindow* win = window;
    QObject::connect(b, &QAbstractButton::clicked, win, [win, index] {
      if (auto* impl = win->Owner()) impl->Clicked(index);
    });
  };

  switch (ct.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::BitmapPushButton: {
      QPushButton* b = nullptr;
      if (ct.kind == ControlKind::BitmapPushButton) {
        b = MakePictureButton(ct.text, window);
        if (b != nullptr) geometry.setSize(b->size());
      }
      if (b == nullptr) b = new WrappingPushButton(text, window);
      b->setAutoDefault(true);
      b->setDefault(ct.kind == ControlKind::DefaultPushButton);
      b->setFocusPolicy(clickable);
      connectClick(b);
      w = b;
      break;
    }
    case ControlKind::Edit: {
      auto* e = new QLineEdit(window);
      e->setFocusPolicy(clickable);
      e->setReadOnly((ct.flags & kReadOnly) != 0);
      if (ct.flags & kTextRight) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      AttachLineEdit(e, c, index, text);
      w = e;
      break;
    }
    case ControlKind::MultiLineEdit: {
      auto* e = new QPlainTextEdit(window);
      e->setFocusPolicy(clickable);
      e->setTabChangesFocus(true);
      e->setReadOnly((ct.flags & kReadOnly) != 0);
      e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      e->setVerticalScrollBarPolicy((ct.flags & kVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
      e->setPlainText(MultiLineToQt(ct.text));
      c.accepted = e->toPlainText();
      c.committedLength = CodePoints(c.accepted);
      DialogWindow* win = window;
      QObject::connect(e, &QPlainTextEdit::textChanged, win, [win, index] {
        if (auto* impl = win->Owner()) impl->MultiLineChanged(index);
      });
      w = e;
      break;
    }
    case ControlKind::StaticLeft:
    case ControlKind::StaticCentered:
    case ControlKind::StaticRight: {
      auto* l = new QLabel(window);
      l->setTextFormat(Qt::PlainText);
      l->setWordWrap(true);
      l->setMargin(0);
      l->setIndent(0);
      Qt::Alignment align = Qt::AlignTop;
      align |= ct.kind == ControlKind::StaticLeft      ? Qt::AlignLeft
               : ct.kind == ControlKind::StaticCentered ? Qt::AlignHCenter
                                                        : Qt::AlignRight;
      l->setAlignment(align);
      l->setText(WithoutMnemonics(text));
      l->setAutoFillBackground(true);  // statics paint their rectangle in the dialog's colour
      l->setFocusPolicy(Qt::NoFocus);
      w = l;
      break;
    }
    case ControlKind::GroupBox: {
      auto* g = new EtchedGroupBox(text, window);
      g->setFocusPolicy(Qt::NoFocus);
      // Like a frame, it must not take the clicks of the controls it surrounds.
      g->setAttribute(Qt::WA_TransparentForMouseEvents);
      w = g;
      break;
    }
    case ControlKind::Radio: {
      auto* r = new RadioButton(text, window);
      r->setAutoExclusive(false);
      r->setFocusPolicy(clickable);
      connectClick(r);
      w = r;
      break;
    }
    case ControlKind::PushLikeRadio: {
      auto* b = new WrappingPushButton(text, window);
      b->setCheckable(true);
      b->setAutoDefault(false);
      b->setFocusPolicy(clickable);
      connectClick(b);
      w = b;
      break;
    }
    case ControlKind::PushLikeCheckBox: {
      auto* b = new WrappingPushButton(text, window);
      b->setCheckable(true);  // a click toggles it before it is reported
      b->setAutoDefault(false);
      b->setFocusPolicy(clickable);
      connectClick(b);
      w = b;
      break;
    }
    case ControlKind::CheckBox: {
      auto* b = new CheckBox(text, window);
      if (ct.flags & kLeftText) b->setLayoutDirection(Qt::RightToLeft);
      b->setFocusPolicy(clickable);
      connectClick(b);
      w = b;
      break;
    }
    case ControlKind::ComboBox: {
      auto* cb = new QComboBox(window);
      cb->setFocusPolicy(clickable);
      cb->setInsertPolicy(QComboBox::NoInsert);
      cb->setDuplicatesEnabled(true);
      const int listPixels = geometry.height();
      const Rect field = DialogUnitsToPixels(tmpl.font, 1.0, 0, 0, 0, kComboFieldHeight);
      const Rect item = DialogUnitsToPixels(tmpl.font, 1.0, 0, 0, 0, kComboItemHeight);
      geometry.setHeight(field.Height());
      cb->setMaxVisibleItems(std::max(1, (listPixels - field.Height()) / std::max(1, item.Height())));
      if (ct.flags & kComboEditable) {
        cb->setEditable(true);
        cb->setCompleter(nullptr);
        AttachLineEdit(cb->lineEdit(), c, index, text);
      }
      w = cb;
      break;
    }
    case ControlKind::Picture: {
      auto* l = new QLabel(window);
      l->setFocusPolicy(Qt::NoFocus);
      const QPixmap picture = PicturePixmap(ct.pictureId);
      if (!picture.isNull()) {
        // A picture control takes the size of its picture.
        l->setPixmap(picture);
        geometry.setSize(picture.size() / picture.devicePixelRatio());
      }
      w = l;
      break;
    }
    case ControlKind::FrameBlack:
    case ControlKind::FrameSunken:
    case ControlKind::FrameEtched: {
      auto* f = new QFrame(window);
      f->setFocusPolicy(Qt::NoFocus);
      // A frame drawn around controls must not take their clicks.
      f->setAttribute(Qt::WA_TransparentForMouseEvents);
      f->setLineWidth(1);
      f->setMidLineWidth(0);
      if (ct.kind == ControlKind::FrameBlack) {
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette pal = f->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        f->setPalette(pal);
      } else if (ct.kind == ControlKind::FrameSunken) {
        f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      } else {
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
      }
      w = f;
      break;
    }
    case ControlKind::Spreadsheet:
    case ControlKind::PrintPreview: {
      // The hosted control in its own window; its events go to the dialog.
      DialogWindow* win = window;
      const int id = ct.id;
      w = MakeHostedWidget(ct, window, [win, id](int dispid, std::vector<Variant>& args) {
        if (auto* impl = win->Owner()) impl->Deliver([&](DialogEvents& ev) { ev.BackendControlEvent(id, dispid, args); });
      });
      if (w != nullptr) {
        const Qt::FocusPolicy untabbed = ct.kind == ControlKind::Spreadsheet ? Qt::ClickFocus : Qt::NoFocus;
        w->setFocusPolicy(tabStop ? Qt::StrongFocus : untabbed);
      }
      break;
    }
  }
  if (w == nullptr) return nullptr;
  w->setGeometry(geometry);
  if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && ct.kind != ControlKind::Picture) FitLabel(l);
  if (ct.flags & kDisabled) w->setEnabled(false);
  if (ct.flags & kHidden) w->hide();
  return w;
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

void QtDialogBackend::Impl::Clicked(std::size_t index) {
  Control& c = controls[index];
  if (IsRadio(c.tmpl.kind)) {
    // Clicking a radio button checks it and clears the rest of its group.
    for (std::size_t j : c.group) {
      auto* b = qobject_cast<QAbstractButton*>(controls[j].widget);
      if (b != nullptr) b->setChecked(j == index);
    }
  }
  const int id = c.tmpl.id;
  Deliver([id](DialogEvents& ev) { ev.BackendClick(id); });
}

void QtDialogBackend::Impl::TextEdited(std::size_t index) {
  if (writing > 0) return;
  const int id = controls[index].tmpl.id;
  Deliver([id](DialogEvents& ev) { ev.BackendEditChange(id); });
}

void QtDialogBackend::Impl::MultiLineChanged(std::size_t index) {
  Control& c = controls[index];
  auto* e = qobject_cast<QPlainTextEdit*>(c.widget);
  if (e == nullptr) return;
  const QString now = e->toPlainText();
  const int n = CodePoints(now);
  if (writing > 0) {
    c.committedLength = n;
    c.accepted = now;
    c.acceptedCursor = e->textCursor().position();
    return;
  }
  if (c.limit > 0 && n > c.limit && n > c.committedLength) {
    // Over the limit: the text goes back to what it was before this change.
    ++writing;
    const QSignalBlocker blocker(e);
    e->setPlainText(c.accepted);
    QTextCursor cursor = e->textCursor();
    cursor.setPosition(std::min(c.acceptedCursor, static_cast<int>(c.accepted.size())));
    e->setTextCursor(cursor);
    --writing;
    return;
  }
  c.committedLength = n;
  c.accepted = now;
  c.acceptedCursor = e->textCursor().position();
  TextEdited(index);
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

void QtDialogBackend::Impl::RadioFocusIn(std::size_t index, Qt::FocusReason reason) {
  // Tabbing into a radio group lands on its checked button.
  if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return;
  const Control& c = controls[index];
  if (!IsRadio(c.tmpl.kind)) return;
  for (std::size_t j : c.group) {
    auto* b = qobject_cast<QAbstractButton*>(controls[j].widget);
    if (j != index && b != nullptr && b->isChecked() && b->isVisibleTo(window) && b->isEnabled()) {
      b->setFocus(reason);
      return;
    }
  }
}

bool QtDialogBackend::Impl::RadioArrow(std::size_t index, int key) {
  const Control& c = controls[index];
  if (!IsRadio(c.tmpl.kind) || c.group.size() < 2) return false;
  const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
  auto at = std::find(c.group.begin(), c.group.end(), index);
  if (at == c.group.end()) return false;
  std::size_t pos = static_cast<std::size_t>(at - c.group.begin());
  for (std::size_t step = 1; step < c.group.size(); ++step) {
    pos = forward ? (pos + 1) % c.group.size() : (pos + c.group.size() - 1) % c.group.size();
    const std::size_t j = c.group[pos];
    QWidget* w = controls[j].widget;
    if (w != nullptr && w->isVisibleTo(window) && w->isEnabled()) {
      w->setFocus(Qt::OtherFocusReason);
      Clicked(j);
      return true;
    }
  }
  return true;
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

int QtDialogBackend::CheckState(int id) const {
  const Impl::Control* c = impl_->Find(id);
  if (c == nullptr || c->widget == nullptr) return 0;
  if (auto* cb = qobject_cast<QCheckBox*>(c->widget)) {
    switch (cb->checkState()) {
      case Qt::Checked: return 1;
      case Qt::PartiallyChecked: return 2;
      default: return 0;
    }
  }
  if (IsRadio(c->tmpl.kind) || c->tmpl.kind == ControlKind::PushLikeCheckBox) {
    auto* b = qobject_cast<QAbstractButton*>(c->widget);
    return b != nullptr && b->isChecked() ? 1 : 0;
  }
  return 0;
}

void QtDialogBackend::SetCheckState(int id, int state) {
  Impl::Control* c = impl_->Find(id);
  if (c == nullptr || c->widget == nullptr) return;
  if (auto* cb = qobject_cast<QCheckBox*>(c->widget)) {
    if (state == 2) {
      cb->setTristate(true);
      cb->setCheckState(Qt::PartiallyChecked);
    } else {
      cb->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
    }
  } else if (IsRadio(c->tmpl.kind) || c->tmpl.kind == ControlKind::PushLikeCheckBox) {
    // Only this button changes; the dialog keeps its group in order.
    if (auto* b = qobject_cast<QAbstractButton*>(c->widget)) b->setChecked(state != 0);
  }
}

void QtDialogBackend::SetTextLimit(int id, int maxCharacters) {
  Impl::Control* c = impl_->Find(id);
  if (c == nullptr || c->widget == nullptr) return;
  c->limit = maxCharacters > 0 ? maxCharacters : 0;
  QLineEdit* e = qobject_cast<QLineEdit*>(c->widget);
  if (auto* cb = qobject_cast<QComboBox*>(c->widget)) e = cb->lineEdit();
  if (e != nullptr) {
    const QValidator* old = e->validator();
    e->setValidator(new LimitValidator(e, c->limit > 0 ? c->limit : INT32_MAX, &c->committedLength));
    delete old;
  }
}

void QtDialogBackend::ComboClear(int id) {
  Impl::Control* c = impl_->Find(id);
  auto* cb = c != nullptr ? qobject_cast<QComboBox*>(c->widget) : nullptr;
  if (cb == nullptr) return;
  ++impl_->writing;
  cb->clear();
  if (cb->isEditable()) cb->setEditText(QString());
  --impl_->writing;
}

void QtDialogBackend::ComboInsert(int id, int index, const std::string& text) {
  Impl::Control* c = impl_->Find(id);
  auto* cb = c != nullptr ? qobject_cast<QComboBox*>(c->widget) : nullptr;
  if (cb == nullptr) return;
  ++impl_->writing;
  // Inserting keeps the selection (Qt would select the first item of an
  // empty list) and the text of the edit part.
  const int selected = cb->currentIndex();
  const QString editText = cb->isEditable() ? cb->currentText() : QString();
  const int at = (index < 0 || index > cb->count()) ? cb->count() : index;
  cb->insertItem(at, ToQString(text));
  if (selected < 0) {
    cb->setCurrentIndex(-1);
    if (cb->isEditable()) cb->setEditText(editText);
  }
  --impl_->writing;
}

std::vector<std::string> QtDialogBackend::ComboItems(int id) const {
  const Impl::Control* c = impl_->Find(id);
  auto* cb = c != nullptr ? qobject_cast<QComboBox*>(c->widget) : nullptr;
  std::vector<std::string> items;
  if (cb == nullptr) return items;
  items.reserve(static_cast<std::size_t>(cb->count()));
  for (int i = 0; i < cb->count(); ++i) items.push_back(FromQString(cb->itemText(i)));
  return items;
}

int QtDialogBackend::ComboSelection(int id) const {
  const Impl::Control* c = impl_->Find(id);
  auto* cb = c != nullptr ? qobject_cast<QComboBox*>(c->widget) : nullptr;
  return cb != nullptr ? cb->currentIndex() : -1;
}

void QtDialogBackend::SetComboSelection(int id, int index) {
  Impl::Control* c = impl_->Find(id);
  auto* cb = c != nullptr ? qobject_cast<QComboBox*>(c->widget) : nullptr;
  if (cb == nullptr) return;
  ++impl_->writing;
  cb->setCurrentIndex(index >= 0 && index < cb->count() ? index : -1);
  --impl_->writing;
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

HostedControl* QtDialogBackend::HostedControlAt(int id) const {
  const Impl::Control* c = impl_->Find(id);
  return c != nullptr && c->widget != nullptr ? HostedControlOfWidget(c->widget) : nullptr;
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
