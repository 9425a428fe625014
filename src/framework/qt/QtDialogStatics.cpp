// Static texts, group boxes and frames of the Qt dialog backend: controls
// that show something and take no input.

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include "framework/qt/QtDialogControls.h"

namespace tervane::fw {

using qtdialog::WithoutMnemonics;

namespace {

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

}  // namespace

QWidget* QtDialogBackend::Impl::MakeStatic(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
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
  l->setText(WithoutMnemonics(n.text));
  l->setAutoFillBackground(true);  // statics paint their rectangle in the dialog's colour
  l->setFocusPolicy(Qt::NoFocus);
  return l;
}

QWidget* QtDialogBackend::Impl::MakeGroupBox(NewControl& n) {
  auto* g = new EtchedGroupBox(n.text, window);
  g->setFocusPolicy(Qt::NoFocus);
  // Like a frame, it must not take the clicks of the controls it surrounds.
  g->setAttribute(Qt::WA_TransparentForMouseEvents);
  return g;
}

QWidget* QtDialogBackend::Impl::MakeFrame(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
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
  return f;
}

}  // namespace tervane::fw
