// Combo boxes of the Qt dialog backend, drop-down lists and editable ones:
// their widgets and their items.

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "framework/qt/QtConvert.h"
#include "framework/qt/QtDialogControls.h"

namespace tervane::fw {

QWidget* QtDialogBackend::Impl::MakeComboBox(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
  auto* cb = new QComboBox(window);
  cb->setFocusPolicy(n.clickable);
  cb->setInsertPolicy(QComboBox::NoInsert);
  cb->setDuplicatesEnabled(true);
  const int listPixels = n.geometry.height();
  const Rect field = DialogUnitsToPixels(tmpl.font, 1.0, 0, 0, 0, qtdialog::kComboFieldHeight);
  const Rect item = DialogUnitsToPixels(tmpl.font, 1.0, 0, 0, 0, qtdialog::kComboItemHeight);
  n.geometry.setHeight(field.Height());
  cb->setMaxVisibleItems(std::max(1, (listPixels - field.Height()) / std::max(1, item.Height())));
  if (ct.flags & kComboEditable) {
    cb->setEditable(true);
    cb->setCompleter(nullptr);
    AttachLineEdit(cb->lineEdit(), n.c, n.index, n.text);
  }
  return cb;
}

// ---------------------------------------------------------------------------

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

}  // namespace tervane::fw
