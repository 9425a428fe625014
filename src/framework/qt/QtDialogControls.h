#pragma once
// The parts of the Qt dialog backend that its source files share: the state
// of one dialog (QtDialogBackend::Impl), its window and the helpers the
// control makers use. Private to src/framework/qt/.

#include <QCloseEvent>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QValidator>
#include <QVariant>

#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/qt/QtDialogBackend.h"

class QAbstractButton;
class QEventLoop;
class QLineEdit;

namespace tervane::fw {

namespace qtdialog {

// Largest window or control edge we hand to Qt.
constexpr int kMaxEdge = 32767;

// Height of the closed part of a combo box in dialog units (the template's
// height includes the drop-down list).
constexpr int kComboFieldHeight = 13;
// Height of one item of a combo box's list in dialog units.
constexpr int kComboItemHeight = 8;

inline int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

QRect ToQRect(const Rect& r);
int CodePoints(const QString& s);
// The font to draw a caption with inside `area`: the widget's own, or, where
// the caption does not fit (the dialog's metrics are those of a narrower
// font), the same font a little condensed, so that no text is clipped.
QFont FittingFont(const QFont& base, const QRect& area, int flags, const QString& text);

// Limits what the user types to a number of characters without cutting a
// longer text the program wrote.
class LimitValidator final : public QValidator {
 public:
  LimitValidator(QObject* parent, int limit, const int* committedLength)
      : QValidator(parent), limit_(limit), committedLength_(committedLength) {}
  State validate(QString& input, int&) const override;

 private:
  int limit_;
  const int* committedLength_;
};

// Shows "&File" as "File" and "&&" as "&", as static texts do.
QString WithoutMnemonics(const QString& s);

// The text of a multi-line edit field in Qt's form (LF line ends) and back
// (CR LF).
QString MultiLineToQt(const std::string& text);
std::string MultiLineFromQt(const QString& text);

}  // namespace qtdialog

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

  // One control being made: its template entry, its place and caption, and
  // the focus it takes when clicked. A maker may change `geometry` (a
  // picture takes the size of its picture, a combo box that of its field).
  struct NewControl {
    Control& c;
    std::size_t index;
    QRect geometry;
    QString text;
    bool tabStop;
    Qt::FocusPolicy clickable;
  };
  // The widget of the control's kind, or null when none can be made.
  QWidget* MakeWidget(NewControl& n);
  // Buttons (QtDialogButtons.cpp).
  QWidget* MakePushButton(NewControl& n);
  QWidget* MakeRadio(NewControl& n);
  QWidget* MakePushLikeButton(NewControl& n);
  QWidget* MakeCheckBox(NewControl& n);
  void ConnectClick(QAbstractButton* b, std::size_t index);
  // Edit fields (QtDialogEdits.cpp).
  QWidget* MakeEdit(NewControl& n);
  QWidget* MakeMultiLineEdit(NewControl& n);
  // Static texts, group boxes and frames (QtDialogStatics.cpp).
  QWidget* MakeStatic(NewControl& n);
  QWidget* MakeGroupBox(NewControl& n);
  QWidget* MakeFrame(NewControl& n);
  // Combo boxes (QtDialogLists.cpp).
  QWidget* MakeComboBox(NewControl& n);
  // Pictures and hosted controls (QtDialogHosted.cpp).
  QWidget* MakePicture(NewControl& n);
  QWidget* MakeHosted(NewControl& n);

  void ApplyBackground();
  // Condenses a static text's font where its text would be clipped.
  void FitLabel(QLabel* label) {
    const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
    // A font given to this control (SetControlFont) is its base; else the dialog's.
    const QVariant own = label->property("controlFont");
    const QFont base = own.isValid() ? own.value<QFont>() : label->parentWidget()->font();
    label->setFont(qtdialog::FittingFont(base, label->contentsRect(), flags, label->text()));
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

}  // namespace tervane::fw
