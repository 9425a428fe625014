#pragma once
// Driving Qt dialog windows from tests: the modal run is driven from a timer
// inside its own event loop, with a watchdog that ends a run nobody ended, so
// no test ever waits for a person.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "framework/DialogBackend.h"
#include "framework/qt/QtApplication.h"
#include "framework/qt/QtDialogBackend.h"
#include "framework/qt/QtFrame.h"

namespace tervane::qttest {

// Installs the Qt windows (main frame, splash) for the life of the object.
class ScopedQtWindows {
 public:
  ScopedQtWindows() { previous_ = fw::InstallWindowFactory(&factory_); }
  ~ScopedQtWindows() { fw::InstallWindowFactory(previous_); }
  ScopedQtWindows(const ScopedQtWindows&) = delete;
  ScopedQtWindows& operator=(const ScopedQtWindows&) = delete;

 private:
  fw::QtWindowFactory factory_;
  fw::WindowFactory* previous_ = nullptr;
};

// What a modal run returns when the watchdog had to end it.
inline constexpr int kWatchdogResult = -4711;

// Installs the Qt backend for the life of the object.
class ScopedQtBackend {
 public:
  ScopedQtBackend() {
    fw::EnsureQtApplication();
    previous_ = fw::InstallBackendFactory(&factory_);
  }
  ~ScopedQtBackend() { fw::InstallBackendFactory(previous_); }
  ScopedQtBackend(const ScopedQtBackend&) = delete;
  ScopedQtBackend& operator=(const ScopedQtBackend&) = delete;

 private:
  fw::QtBackendFactory factory_;
  fw::BackendFactory* previous_ = nullptr;
};

inline fw::QtDialogBackend* QtBackendOf(const fw::Dialog& dialog) {
  return dynamic_cast<fw::QtDialogBackend*>(dialog.Backend());
}

// Runs the dialog modally and calls `script` from inside its event loop once
// the window is up. A run still going after `watchdogMs` is ended with
// kWatchdogResult.
inline int RunModal(fw::Dialog& dialog, const std::function<void(fw::QtDialogBackend&)>& script,
                    int watchdogMs = 10000) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    fw::QtDialogBackend* backend = QtBackendOf(dialog);
    if (backend == nullptr) return;
    ran = true;
    script(*backend);
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the modal run did not end";
    if (dialog.Backend() != nullptr) dialog.Backend()->EndModal(kWatchdogResult);
  });
  watchdog.start(watchdogMs);
  const int result = dialog.DoModal();
  EXPECT_TRUE(ran) << "the script never ran";
  return result;
}

inline void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                const QString& text = QString()) {
  ASSERT_NE(target, nullptr);
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

// A key pressed where the keyboard focus of the dialog's window is.
inline void KeyAtFocus(fw::QtDialogBackend& backend, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = backend.Window()->focusWidget();
  Key(target != nullptr ? target : backend.Window(), key, modifiers);
}

// Types the text character by character into the widget.
inline void Type(QWidget* target, const QString& text) {
  for (QChar c : text) {
    const QChar upper = c.toUpper();
    const int key = upper.unicode() < 128 ? int{upper.unicode()} : int{Qt::Key_unknown};
    Key(target, key, Qt::NoModifier, QString(c));
  }
}

// A left click in the middle of the widget.
inline void Click(QWidget* target) {
  ASSERT_NE(target, nullptr);
  const QPointF at = QRectF(target->rect()).center();
  const QPointF global = target->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// The modal dialog that runs now, or null.
inline QDialog* ModalDialog() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

// The push button of `parent` with that text (mnemonic included), or null.
inline QPushButton* ButtonNamed(QWidget* parent, const QString& text) {
  if (parent == nullptr) return nullptr;
  for (QPushButton* b : parent->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// Answers the next modal dialog from inside its run, when the dialog is run
// by code under test (not by the test itself): `act` gets its window. Gives
// up after two seconds without a modal dialog.
inline void WhenModal(std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;  // deletes itself when done
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
    QDialog* d = ModalDialog();
    if (d == nullptr && ++tries < 200) return;
    timer->stop();
    timer->deleteLater();
    if (d != nullptr) act(d);
  });
  timer->start();
}

// Lets posted events and deferred deletions run.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace tervane::qttest
