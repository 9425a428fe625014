// Edit fields of the Qt dialog backend, one-line and multi-line: their
// widgets, the typing limit and the user's edits.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>
#include <cstdint>

#include "framework/qt/QtConvert.h"
#include "framework/qt/QtDialogControls.h"

namespace tervane::fw {

namespace qtdialog {

QValidator::State LimitValidator::validate(QString& input, int&) const {
  const int n = CodePoints(input);
  return (n > limit_ && n > *committedLength_) ? Invalid : Acceptable;
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

}  // namespace qtdialog

using qtdialog::CodePoints;
using qtdialog::LimitValidator;
using qtdialog::MultiLineToQt;

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

QWidget* QtDialogBackend::Impl::MakeEdit(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
  auto* e = new QLineEdit(window);
  e->setFocusPolicy(n.clickable);
  e->setReadOnly((ct.flags & kReadOnly) != 0);
  if (ct.flags & kTextRight) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  AttachLineEdit(e, n.c, n.index, n.text);
  return e;
}

QWidget* QtDialogBackend::Impl::MakeMultiLineEdit(NewControl& n) {
  const ControlTemplate& ct = n.c.tmpl;
  Control& c = n.c;
  const std::size_t index = n.index;
  auto* e = new QPlainTextEdit(window);
  e->setFocusPolicy(n.clickable);
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
  return e;
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

// ---------------------------------------------------------------------------

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

}  // namespace tervane::fw
