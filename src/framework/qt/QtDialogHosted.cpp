// Pictures and hosted controls (the spreadsheet, the print preview) of the
// Qt dialog backend.

#include <QLabel>
#include <QPixmap>

#include <vector>

#include "framework/qt/QtDialogControls.h"
#include "framework/qt/QtPictures.h"
#include "framework/qt/QtSpreadsheet.h"

namespace tervane::fw {

QWidget* QtDialogBackend::Impl::MakePicture(NewControl& n) {
  auto* l = new QLabel(window);
  l->setFocusPolicy(Qt::NoFocus);
  const QPixmap picture = PicturePixmap(n.c.tmpl.pictureId);
  if (!picture.isNull()) {
    // A picture control takes the size of its picture.
    l->setPixmap(picture);
    n.geometry.setSize(picture.size() / picture.devicePixelRatio());
  }
  return l;
}

QWidget* QtDialogBackend::Impl::MakeHosted(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
  // The hosted control in its own window; its events go to the dialog.
  DialogWindow* win = window;
  const int id = ct.id;
  QWidget* w = MakeHostedWidget(ct, window, [win, id](int dispid, std::vector<Variant>& args) {
    if (auto* impl = win->Owner()) {
      impl->Deliver([&](DialogEvents& ev) { ev.BackendControlEvent(id, dispid, args); });
    }
  });
  if (w != nullptr) {
    const Qt::FocusPolicy untabbed = ct.kind == ControlKind::Spreadsheet ? Qt::ClickFocus : Qt::NoFocus;
    w->setFocusPolicy(n.tabStop ? Qt::StrongFocus : untabbed);
  }
  return w;
}

// ---------------------------------------------------------------------------

HostedControl* QtDialogBackend::HostedControlAt(int id) const {
  const Impl::Control* c = impl_->Find(id);
  return c != nullptr && c->widget != nullptr ? HostedControlOfWidget(c->widget) : nullptr;
}

}  // namespace tervane::fw
