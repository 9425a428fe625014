// Push buttons, check boxes and radio buttons of the Qt dialog backend: their
// widgets, clicks, radio groups and check states.

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

#include "framework/qt/QtDialogControls.h"
#include "framework/qt/QtPictures.h"

namespace tervane::fw {

using qtdialog::FittingFont;

namespace {

// Flags for drawing a caption with a mnemonic: underlined only where the
// style says so.
int MnemonicFlags(const QWidget* w) {
  QStyleOption opt;
  opt.initFrom(w);
  return w->style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, w) ? Qt::TextShowMnemonic
                                                                         : Qt::TextHideMnemonic;
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

}  // namespace

void QtDialogBackend::Impl::ConnectClick(QAbstractButton* b, std::size_t index) {
  DialogWindow* win = window;
  QObject::connect(b, &QAbstractButton::clicked, win, [win, index] {
    if (auto* impl = win->Owner()) impl->Clicked(index);
  });
}

QWidget* QtDialogBackend::Impl::MakePushButton(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
  QPushButton* b = nullptr;
  if (ct.kind == ControlKind::BitmapPushButton) {
    b = MakePictureButton(ct.text, window);
    if (b != nullptr) n.geometry.setSize(b->size());
  }
  if (b == nullptr) b = new WrappingPushButton(n.text, window);
  b->setAutoDefault(true);
  b->setDefault(ct.kind == ControlKind::DefaultPushButton);
  b->setFocusPolicy(n.clickable);
  ConnectClick(b, n.index);
  return b;
}

QWidget* QtDialogBackend::Impl::MakeRadio(NewControl& n) {
  auto* r = new RadioButton(n.text, window);
  r->setAutoExclusive(false);
  r->setFocusPolicy(n.clickable);
  ConnectClick(r, n.index);
  return r;
}

// A push-like radio button or check box: a click toggles it before it is
// reported.
QWidget* QtDialogBackend::Impl::MakePushLikeButton(NewControl& n) {
  auto* b = new WrappingPushButton(n.text, window);
  b->setCheckable(true);
  b->setAutoDefault(false);
  b->setFocusPolicy(n.clickable);
  ConnectClick(b, n.index);
  return b;
}

QWidget* QtDialogBackend::Impl::MakeCheckBox(NewControl& n) {
  auto* b = new CheckBox(n.text, window);
  if (n.c.tmpl.flags & kLeftText) b->setLayoutDirection(Qt::RightToLeft);
  b->setFocusPolicy(n.clickable);
  ConnectClick(b, n.index);
  return b;
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

}  // namespace tervane::fw
