#include "framework/qt/QtFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <set>

#include "framework/qt/QtConvert.h"
#include "framework/qt/QtPainterDC.h"
#include "framework/qt/QtPictures.h"
#include "framework/qt/QtPrintPreview.h"

namespace tervane::fw {

namespace {

// How often the frame brings its command states up to date when idle.
constexpr int kIdleMilliseconds = 250;
// The client area's colour: the grey of an application workspace.
const QColor kWorkspaceColor(128, 128, 128);

QKeySequence KeySequenceOf(const Accelerator& a) {
  int key = 0;
  if (a.key >= 'A' && a.key <= 'Z') {
    key = Qt::Key_A + (a.key - 'A');
  } else {
    switch (a.key) {
      case kKeyBack: key = Qt::Key_Backspace; break;
      case kKeyEscape: key = Qt::Key_Escape; break;
      case kKeyPageUp: key = Qt::Key_PageUp; break;
      case kKeyPageDown: key = Qt::Key_PageDown; break;
      case kKeyInsert: key = Qt::Key_Insert; break;
      case kKeyDelete: key = Qt::Key_Delete; break;
      default:
        if (a.key >= kKeyF1 && a.key < kKeyF1 + 12) key = Qt::Key_F1 + (a.key - kKeyF1);
        break;
    }
  }
  if (key == 0) return QKeySequence();
  Qt::KeyboardModifiers mods;
  if (a.modifiers & kCtrl) mods |= Qt::ControlModifier;
  if (a.modifiers & kShift) mods |= Qt::ShiftModifier;
  if (a.modifiers & kAlt) mods |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(mods, Qt::Key(key)));
}

// The structure of a menu without its states: rebuilt only when this changes.
bool SameStructure(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].id != b[i].id || a[i].text != b[i].text) return false;
    if (!SameStructure(a[i].items, b[i].items)) return false;
  }
  return true;
}

class MainWindow;

}  // namespace

// ---------------------------------------------------------------------------

struct QtFrameBackend::Impl {
  FrameEvents* events = nullptr;
  QPointer<QMainWindow> window;
  QWidget* client = nullptr;
  QScrollArea* scroll = nullptr;
  QStackedWidget* stack = nullptr;
  QToolBar* toolbar = nullptr;
  QLabel* message = nullptr;
  std::vector<MenuItem> menu;
  std::multimap<int, QAction*> menuActions;
  std::multimap<int, QAction*> toolActions;
  std::vector<QAction*> accelerators;
  std::map<int, FrameCommandState> states;
  QTimer* idle = nullptr;
  // The context of the calls posted to this backend: they are dropped with
  // it, also while its window is still waiting to be deleted.
  QObject posted;
  QtPrintPreviewWidget* preview = nullptr;
  bool toolbarCreated = false;
  bool statusCreated = false;
  bool rebuildPending = false;

  // Runs a command once the signal that asked for it has returned (the
  // command may rebuild the menu or close the window).
  void Post(int id);
  void BuildMenuBar();
  void FillMenu(QMenu* menu, const std::vector<MenuItem>& items);
  void ApplyStates(const std::vector<MenuItem>& items);
  void ApplyCommandState(QAction* action, int id);
  void Select(int id) {
    if (events != nullptr) events->FrameMenuSelect(id);
  }
};

namespace {

class MainWindow final : public QMainWindow {
 public:
  explicit MainWindow(QtFrameBackend::Impl* impl) : impl_(impl) {}
  void Detach() { impl_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* e) override {
    if (impl_ == nullptr) {
      e->accept();
      return;
    }
    // The model decides (it may ask to save first, and destroys the window).
    e->ignore();
    QtFrameBackend::Impl* impl = impl_;
    QTimer::singleShot(0, this, [impl, self = QPointer<MainWindow>(this)] {
      if (self && self->impl_ == impl && impl->events != nullptr) impl->events->FrameCloseRequest();
    });
  }

 private:
  QtFrameBackend::Impl* impl_;
};

// The client area: the frame's modeless dialogs live here, centred. It is
// never smaller than the dialogs it shows: in a smaller window it scrolls
// (it sits in a scroll area).
class ClientAreaWidget final : public QWidget {
 public:
  ClientAreaWidget() {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWorkspaceColor);
    setPalette(pal);
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Layout(); }
  void childEvent(QChildEvent* e) override {
    QWidget::childEvent(e);
    if (e->added() && e->child()->isWidgetType()) e->child()->installEventFilter(this);
    if (e->added() || e->removed()) QTimer::singleShot(0, this, [this] { Layout(); });
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched->parent() == this &&
        (e->type() == QEvent::Show || e->type() == QEvent::Hide || e->type() == QEvent::Resize))
      QTimer::singleShot(0, this, [this] { Layout(); });
    return false;
  }

 private:
  void Layout() {
    QSize need(0, 0);
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
      if (!child->isHidden()) need = need.expandedTo(child->size());
    if (minimumSize() != need) setMinimumSize(need);
    for (QWidget* child : children) {
      const int x = std::max(0, (width() - child->width()) / 2);
      const int y = std::max(0, (height() - child->height()) / 2);
      child->move(x, y);
    }
  }
};

// Reports the status prompt of toolbar buttons and clears it when the
// pointer leaves the bar or a menu closes.
class LeaveWatcher final : public QObject {
 public:
  explicit LeaveWatcher(QtFrameBackend::Impl* impl, QObject* parent) : QObject(parent), impl_(impl) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Leave) impl_->Select(0);
    return false;
  }

 private:
  QtFrameBackend::Impl* impl_;
};

}  // namespace

void QtFrameBackend::Impl::Post(int id) {
  if (!window) return;
  QTimer::singleShot(0, &posted, [this, id, w = window] {
    if (w && events != nullptr) events->FrameCommand(id);
  });
}

void QtFrameBackend::Impl::ApplyCommandState(QAction* action, int id) {
  const auto it = states.find(id);
  action->setEnabled(it != states.end() && it->second.enabled);
  if (it != states.end() && it->second.checked) {
    action->setCheckable(true);
    action->setChecked(true);
  } else if (action->isCheckable()) {
    action->setChecked(false);
  }
}

void QtFrameBackend::Impl::FillMenu(QMenu* qmenu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      qmenu->addSeparator();
    } else if (item.IsPopup()) {
      QMenu* sub = qmenu->addMenu(ToQString(item.text));
      FillMenu(sub, item.items);
    } else {
      QAction* a = qmenu->addAction(ToQString(item.text));
      a->setEnabled(item.enabled);
      a->setCheckable(item.checked);
      a->setChecked(item.checked);
      const int id = item.id;
      QObject::connect(a, &QAction::triggered, qmenu, [this, id] { Post(id); });
      QObject::connect(a, &QAction::hovered, qmenu, [this, id] { Select(id); });
      menuActions.emplace(id, a);
    }
  }
}

void QtFrameBackend::Impl::BuildMenuBar() {
  rebuildPending = false;
  if (!window) return;
  QMenuBar* bar = window->menuBar();
  for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
  bar->clear();
  menuActions.clear();
  for (const MenuItem& popup : menu) {
    QMenu* m = new QMenu(ToQString(popup.text), bar);
    QObject::connect(m, &QMenu::aboutToShow, m, [this] {
      if (events != nullptr) events->FrameIdle();
    });
    QObject::connect(m, &QMenu::aboutToHide, m, [this] { Select(0); });
    FillMenu(m, popup.items);
    bar->addMenu(m);
  }
}

void QtFrameBackend::Impl::ApplyStates(const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    if (item.IsPopup()) {
      ApplyStates(item.items);
      continue;
    }
    if (item.id == 0) continue;
    const auto range = menuActions.equal_range(item.id);
    for (auto it = range.first; it != range.second; ++it) {
      it->second->setEnabled(item.enabled);
      it->second->setCheckable(item.checked || it->second->isCheckable());
      it->second->setChecked(item.checked);
    }
  }
}

// ---------------------------------------------------------------------------

QtFrameBackend::QtFrameBackend() : impl_(std::make_unique<Impl>()) {}

QtFrameBackend::~QtFrameBackend() { Destroy(); }

bool QtFrameBackend::Create(const std::string& title, FrameEvents& events) {
  Impl& d = *impl_;
  if (d.window || QApplication::instance() == nullptr) return false;
  d.events = &events;
  auto* window = new MainWindow(impl_.get());
  window->setAttribute(Qt::WA_QuitOnClose, false);
  window->setWindowTitle(ToQString(title));
  d.window = window;
  d.stack = new QStackedWidget(window);
  d.client = new ClientAreaWidget();
  d.scroll = new QScrollArea();
  d.scroll->setFrameShape(QFrame::NoFrame);
  d.scroll->setWidgetResizable(true);
  d.scroll->setBackgroundRole(QPalette::Dark);
  d.scroll->setWidget(d.client);
  d.stack->addWidget(d.scroll);
  window->setCentralWidget(d.stack);
  window->resize(1024, 720);
  d.idle = new QTimer(window);
  d.idle->setInterval(kIdleMilliseconds);
  QObject::connect(d.idle, &QTimer::timeout, &d.posted, [this] { Idle(); });
  d.idle->start();
  return true;
}

void QtFrameBackend::Destroy() {
  Impl& d = *impl_;
  if (!d.window) return;
  d.events = nullptr;
  // The window goes later; its idle timer must not reach this backend, which
  // may be gone by then.
  if (d.idle != nullptr) d.idle->stop();
  // A preview still shown goes with the window.
  d.preview = nullptr;
  QMainWindow* window = d.window;
  static_cast<MainWindow*>(window)->Detach();
  // Dialogs still in the client area belong to their own backends.
  for (QWidget* child : d.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<QDialog*>(child) == nullptr) continue;
    child->hide();
    child->setParent(nullptr);
  }
  d.window = nullptr;
  d.client = nullptr;
  d.scroll = nullptr;
  d.stack = nullptr;
  d.toolbar = nullptr;
  d.message = nullptr;
  d.idle = nullptr;
  d.menuActions.clear();
  d.toolActions.clear();
  d.accelerators.clear();
  window->hide();
  window->deleteLater();
  // The program's event loop ends with its main window (there is none to
  // end while the program is still starting, or in a test).
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

bool QtFrameBackend::IsCreated() const { return impl_->window != nullptr; }

void QtFrameBackend::SetTitle(const std::string& title) {
  if (impl_->window) impl_->window->setWindowTitle(ToQString(title));
}

std::string QtFrameBackend::Title() const {
  return impl_->window ? FromQString(impl_->window->windowTitle()) : std::string();
}

void QtFrameBackend::Show(ShowState state) {
  QMainWindow* w = impl_->window;
  if (w == nullptr) return;
  switch (state) {
    case ShowState::Hidden: w->hide(); break;
    case ShowState::Normal: w->showNormal(); break;
    case ShowState::Maximized:
      // Without a window manager nothing would make the window as large as
      // the screen: give it the work area first.
      if (QScreen* screen = QGuiApplication::primaryScreen()) w->setGeometry(screen->availableGeometry());
      w->showMaximized();
      break;
  }
  if (state != ShowState::Hidden) {
    w->raise();
    w->activateWindow();
  }
  // A splash window stays above the frame, also where no window manager
  // keeps it there.
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && (top->windowFlags() & Qt::WindowType_Mask) == Qt::SplashScreen) top->raise();
}

ShowState QtFrameBackend::State() const {
  QMainWindow* w = impl_->window;
  if (w == nullptr || !w->isVisible()) return ShowState::Hidden;
  return w->isMaximized() ? ShowState::Maximized : ShowState::Normal;
}

Size QtFrameBackend::ClientSize() const {
  if (impl_->stack == nullptr) return {};
  return Size{impl_->stack->width(), impl_->stack->height()};
}

void QtFrameBackend::SetMenu(const std::vector<MenuItem>& popups) {
  Impl& d = *impl_;
  if (!d.window) return;
  const bool same = SameStructure(d.menu, popups);
  d.menu = popups;
  if (same && !d.rebuildPending) {
    d.ApplyStates(popups);
    return;
  }
  // A menu that is open must not be pulled away under the pointer.
  if (QApplication::activePopupWidget() != nullptr) {
    if (!d.rebuildPending) {
      d.rebuildPending = true;
      QTimer::singleShot(0, &d.posted, [this] {
        if (impl_->rebuildPending) impl_->BuildMenuBar();
      });
    }
    return;
  }
  d.BuildMenuBar();
}

void QtFrameBackend::SetToolbar(const ToolbarTemplate& toolbar, const std::vector<std::string>& tips) {
  Impl& d = *impl_;
  if (!d.window) return;
  if (d.toolbar == nullptr) {
    d.toolbar = new QToolBar(QStringLiteral("Standard"), d.window);
    d.toolbar->setObjectName(QStringLiteral("Toolbar"));
    d.toolbar->setIconSize(QSize(toolbar.buttonWidth, toolbar.buttonHeight));
    d.toolbar->installEventFilter(new LeaveWatcher(impl_.get(), d.toolbar));
    d.window->addToolBar(Qt::TopToolBarArea, d.toolbar);
  }
  d.toolbar->clear();
  d.toolActions.clear();
  const QPixmap strip = PicturePixmap(toolbar.pictureId);
  int face = 0;
  for (std::size_t i = 0; i < toolbar.buttons.size(); ++i) {
    const int id = toolbar.buttons[i];
    if (id == 0) {
      d.toolbar->addSeparator();
      continue;
    }
    QIcon icon;
    if (!strip.isNull())
      icon = QIcon(strip.copy(face * toolbar.buttonWidth, 0, toolbar.buttonWidth, toolbar.buttonHeight));
    ++face;
    QAction* a = d.toolbar->addAction(icon, QString());
    if (i < tips.size()) a->setToolTip(ToQString(tips[i]));
    QObject::connect(a, &QAction::triggered, d.toolbar, [this, id] { impl_->Post(id); });
    QObject::connect(a, &QAction::hovered, d.toolbar, [this, id] { impl_->Select(id); });
    d.ApplyCommandState(a, id);
    d.toolActions.emplace(id, a);
  }
  d.toolbarCreated = true;
  d.toolbar->show();
}

void QtFrameBackend::SetAccelerators(const std::vector<Accelerator>& accelerators) {
  Impl& d = *impl_;
  if (!d.window) return;
  for (QAction* a : d.accelerators) {
    d.window->removeAction(a);
    a->deleteLater();
  }
  d.accelerators.clear();
  for (const Accelerator& acc : accelerators) {
    const QKeySequence keys = KeySequenceOf(acc);
    if (keys.isEmpty()) continue;
    auto* a = new QAction(d.window);
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setProperty("command", acc.command);
    const int id = acc.command;
    QObject::connect(a, &QAction::triggered, d.window, [this, id] { impl_->Post(id); });
    d.window->addAction(a);
    d.ApplyCommandState(a, id);
    d.accelerators.push_back(a);
  }
}

void QtFrameBackend::SetStatusBar(const std::vector<StatusPane>& panes) {
  Impl& d = *impl_;
  if (!d.window) return;
  QStatusBar* bar = d.window->statusBar();
  for (const StatusPane& pane : panes) {
    if (pane.id == ID_SEPARATOR) {
      if (d.message == nullptr) {
        d.message = new QLabel(bar);
        d.message->setIndent(3);
        bar->addWidget(d.message, 1);
      }
      continue;
    }
    // The lock-key states cannot be read on every desktop: the indicators
    // keep their place and show their names greyed.
    auto* label = new QLabel(ToQString(pane.text), bar);
    label->setEnabled(false);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    bar->addPermanentWidget(label);
  }
  d.statusCreated = true;
  bar->show();
}

void QtFrameBackend::ShowToolbar(bool visible) {
  if (impl_->toolbar != nullptr) impl_->toolbar->setVisible(visible);
}

bool QtFrameBackend::IsToolbarVisible() const {
  return impl_->toolbar != nullptr && !impl_->toolbar->isHidden();
}

void QtFrameBackend::ShowStatusBar(bool visible) {
  if (impl_->window && impl_->statusCreated) impl_->window->statusBar()->setVisible(visible);
}

bool QtFrameBackend::IsStatusBarVisible() const {
  return impl_->window && impl_->statusCreated && !impl_->window->statusBar()->isHidden();
}

void QtFrameBackend::SetStatusText(const std::string& text) {
  if (impl_->message != nullptr) impl_->message->setText(ToQString(text));
}

void QtFrameBackend::SetCommandStates(const std::vector<FrameCommandState>& states) {
  Impl& d = *impl_;
  for (const FrameCommandState& s : states) d.states[s.id] = s;
  for (auto& [id, action] : d.toolActions) d.ApplyCommandState(action, id);
  for (QAction* a : d.accelerators) d.ApplyCommandState(a, a->property("command").toInt());
}

bool QtFrameBackend::BeginPreview(std::shared_ptr<PrintPreviewModel> preview) {
  Impl& d = *impl_;
  if (!d.window || d.preview != nullptr || !preview) return false;
  d.preview = new QtPrintPreviewWidget(std::move(preview));
  d.stack->addWidget(d.preview);
  d.stack->setCurrentWidget(d.preview);
  d.preview->setFocus(Qt::OtherFocusReason);
  return true;
}

void QtFrameBackend::EndPreview() {
  Impl& d = *impl_;
  if (d.preview == nullptr) return;
  QtPrintPreviewWidget* widget = d.preview;
  d.preview = nullptr;
  if (d.stack != nullptr) {
    d.stack->setCurrentWidget(d.scroll);
    d.stack->removeWidget(widget);
  }
  widget->hide();
  // It may be ending from one of its own buttons.
  widget->deleteLater();
}

bool QtFrameBackend::InPreview() const { return impl_->preview != nullptr; }

QMainWindow* QtFrameBackend::Window() const { return impl_->window; }

QWidget* QtFrameBackend::ClientArea() const { return impl_->client; }

QWidget* QtFrameBackend::PreviewWidget() const { return impl_->preview; }

void QtFrameBackend::Idle() {
  if (impl_->events != nullptr) impl_->events->FrameIdle();
}

// ---- splash ----------------------------------------------------------------------

namespace {

class SplashWidget final : public QWidget {
 public:
  explicit SplashWidget(QPixmap picture)
      : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
        picture_(std::move(picture)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(picture_.size() / picture_.devicePixelRatio());
    setCursor(Qt::ArrowCursor);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
  }

 private:
  QPixmap picture_;
};

}  // namespace


namespace {

bool IsModifierKey(int key) {
  return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R || key == Qt::Key_Hyper_L ||
         key == Qt::Key_Hyper_R;
}

// Once the splash has consumed the first press of a key or a mouse button,
// the rest of that input goes with it: the keys typed while the consumed
// keys are held (the N of Ctrl+N, the F of Alt+F), their releases and
// shortcut overrides, and the release of the consumed button. A plain key
// pressed once every consumed key is up, or a new click, reaches the program
// as usual.
class ChordSwallower final : public QObject {
 public:
  static ChordSwallower& Instance() {
    // Owned by the application object, and installed after every filter that
    // exists when it is first needed, so it sees events before them.
    static QPointer<ChordSwallower> instance;
    if (!instance) {
      instance = new ChordSwallower(QCoreApplication::instance());
      QCoreApplication::instance()->installEventFilter(instance);
    }
    return *instance;
  }
  void BeginKey(int key) { keys_.insert(key); }
  void BeginButton(Qt::MouseButton button) { buttons_ |= button; }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (keys_.empty() && buttons_ == Qt::NoButton) return false;
    switch (e->type()) {
      case QEvent::ShortcutOverride: {
        if (keys_.empty()) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!PartOfChord(*k)) return false;
        e->accept();
        return true;
      }
      case QEvent::KeyPress: {
        if (keys_.empty()) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!PartOfChord(*k)) {
          keys_.clear();
          return false;
        }
        keys_.insert(k->key());
        return true;
      }
      case QEvent::KeyRelease: {
        if (keys_.empty()) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!k->isAutoRepeat()) keys_.erase(k->key());
        return true;
      }
      case QEvent::MouseButtonPress:
      case QEvent::NonClientAreaMouseButtonPress:
        // A new click: whatever was held is over.
        keys_.clear();
        buttons_ = Qt::NoButton;
        return false;
      case QEvent::MouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonRelease: {
        const Qt::MouseButton b = static_cast<QMouseEvent*>(e)->button();
        if ((buttons_ & b) == 0) return false;
        buttons_ &= ~Qt::MouseButtons(b);
        return true;
      }
      case QEvent::ApplicationDeactivate:
        // The releases go to another program.
        keys_.clear();
        buttons_ = Qt::NoButton;
        return false;
      default:
        return false;
    }
  }

 private:
  using QObject::QObject;
  // A key held from the consumed press, a modifier, or a key typed with one.
  bool PartOfChord(const QKeyEvent& k) const {
    return keys_.count(k.key()) != 0 || IsModifierKey(k.key()) ||
           (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  }

  std::set<int> keys_;
  Qt::MouseButtons buttons_ = Qt::NoButton;
};

// Sees every event of the program before its receiver.
class SplashFilter final : public QObject {
 public:
  explicit SplashFilter(SplashEvents* events) : events_(events) {}
  void Detach() { events_ = nullptr; }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (events_ == nullptr) return false;
    switch (e->type()) {
      case QEvent::ShortcutOverride:
        // Taken, so that no shortcut acts on a key the splash consumes.
        e->accept();
        return true;
      case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool taken = Report((k->modifiers() & Qt::AltModifier) || k->key() == Qt::Key_Alt
                                      ? InputKind::SysKeyDown
                                      : InputKind::KeyDown);
        if (taken) ChordSwallower::Instance().BeginKey(k->key());
        return taken;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonDblClick: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(e)->button();
        const bool nonClient =
            e->type() == QEvent::NonClientAreaMouseButtonPress || e->type() == QEvent::NonClientAreaMouseButtonDblClick;
        const bool taken = Report(Kind(button, nonClient));
        if (taken) ChordSwallower::Instance().BeginButton(button);
        return taken;
      }
      default:
        return false;
    }
  }

 private:
  static InputKind Kind(Qt::MouseButton button, bool nonClient) {
    if (button == Qt::RightButton) return nonClient ? InputKind::NcRightButtonDown : InputKind::RightButtonDown;
    if (button == Qt::MiddleButton) return nonClient ? InputKind::NcMiddleButtonDown : InputKind::MiddleButtonDown;
    return nonClient ? InputKind::NcLeftButtonDown : InputKind::LeftButtonDown;
  }
  bool Report(InputKind kind) {
    // The splash may go away inside this call (with this filter).
    SplashEvents* events = events_;
    return events->SplashInput(kind);
  }

  SplashEvents* events_;
};

}  // namespace

struct QtSplashBackend::Impl {
  SplashEvents* events = nullptr;
  QPointer<SplashWidget> window;
  QPointer<QTimer> timer;
  SplashFilter* filter = nullptr;
};

QtSplashBackend::QtSplashBackend() : impl_(std::make_unique<Impl>()) {}

QtSplashBackend::~QtSplashBackend() { Destroy(); }

bool QtSplashBackend::Create(int pictureId, FrameBackend* owner, SplashEvents& events) {
  Impl& d = *impl_;
  if (d.window || QApplication::instance() == nullptr) return false;
  const QPixmap picture = PicturePixmap(pictureId);
  if (picture.isNull()) return false;
  d.events = &events;
  d.window = new SplashWidget(picture);
  // Centred on the work area of the primary screen (the frame is not shown yet).
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    d.window->move(area.center() - QPoint(d.window->width() / 2, d.window->height() / 2));
  }
  (void)owner;
  d.timer = new QTimer(d.window);
  d.timer->setSingleShot(true);
  QObject::connect(d.timer, &QTimer::timeout, d.window, [this] {
    if (impl_->events != nullptr) impl_->events->SplashTimer();
  });
  d.filter = new SplashFilter(&events);
  QCoreApplication::instance()->installEventFilter(d.filter);
  d.window->show();
  d.window->raise();
  d.window->repaint();
  return true;
}

void QtSplashBackend::StartTimer(int milliseconds) {
  if (impl_->timer) impl_->timer->start(milliseconds);
}

void QtSplashBackend::Destroy() {
  Impl& d = *impl_;
  if (d.filter != nullptr) {
    QCoreApplication::instance()->removeEventFilter(d.filter);
    d.filter->Detach();
    d.filter->deleteLater();
    d.filter = nullptr;
  }
  d.events = nullptr;
  if (d.window) {
    SplashWidget* w = d.window;
    d.window = nullptr;
    w->hide();
    w->deleteLater();
  }
  // The windows under the splash are painted again at once, and the main
  // window takes the keyboard back.
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    top->update();
    if (qobject_cast<QMainWindow*>(top) != nullptr && QApplication::activeModalWidget() == nullptr)
      top->activateWindow();
  }
}

bool QtSplashBackend::IsCreated() const { return impl_->window != nullptr; }

QWidget* QtSplashBackend::Window() const { return impl_->window; }

QTimer* QtSplashBackend::Timer() const { return impl_->timer; }

std::unique_ptr<FrameBackend> QtWindowFactory::CreateFrameBackend() { return std::make_unique<QtFrameBackend>(); }

std::unique_ptr<SplashBackend> QtWindowFactory::CreateSplashBackend() {
  return std::make_unique<QtSplashBackend>();
}

std::string AcceleratorText(const Accelerator& accelerator) {
  return FromQString(KeySequenceOf(accelerator).toString(QKeySequence::PortableText));
}

}  // namespace tervane::fw
