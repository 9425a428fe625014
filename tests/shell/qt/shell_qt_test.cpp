// The application shell in real windows (offscreen): the main road from the
// start-up notice through New, Save As, Close and Open, the main menu inside
// the main window, the splash window that swallows the first key, the print
// preview in the client area, and the one-page printouts as PDF files. With
// TERVANE_SHOTS_DIR set, the windows are saved there as PNG files.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/QtDialogTestSupport.h"
#include "support/ShellTestSupport.h"
#include "common/ActiveDocument.h"
#include "shell/InfoDialogs.h"
#include "shell/SplashWindow.h"
#include "model/ProjectFile.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/Frame.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtPrint.h"
#include "resources/ShellResources.h"
#include "support/Commands.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

void SaveShot(QWidget* widget, const char* name) {
  if (widget == nullptr || testsupport::ShotsDir() == nullptr) return;
  testsupport::SaveShot(widget->grab().toImage(), name);
}

using qttest::ButtonNamed;
using qttest::Settle;
using qttest::WhenModal;

class ShellQtTest : public ::testing::Test {
 protected:
  ShellQtTest() : home_("shell_qt") {}
  ~ShellQtTest() override { Settle(); }

  fw::QtFrameBackend* Frame() const {
    return App().MainFrame() != nullptr ? dynamic_cast<fw::QtFrameBackend*>(App().MainFrame()->Backend()) : nullptr;
  }
  bool StartWithOk() {
    WhenModal([](QDialog* d) {
      SaveShot(d, "notice");
      ButtonNamed(d, QStringLiteral("&OK"))->click();
    });
    return App().InitInstance({});
  }

  shelltest::TestHome home_;
  qttest::ScopedQtBackend dialogs_;
  qttest::ScopedQtWindows windows_;
  fw::ScopedFakeServices fakes_;
  shelltest::ScopedFakePrinting printing_;
  ScopedApp app_;
};

TEST_F(ShellQtTest, CancellingTheNoticeEndsTheProgramBeforeAnyWindow) {
  WhenModal([](QDialog* d) { qttest::Key(d, Qt::Key_Escape); });
  EXPECT_FALSE(App().InitInstance({}));
  EXPECT_EQ(App().MainFrame(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

TEST_F(ShellQtTest, TheMainRoad) {
  ASSERT_TRUE(StartWithOk());
  fw::QtFrameBackend* frame = Frame();
  ASSERT_NE(frame, nullptr);
  QMainWindow* window = frame->Window();
  ASSERT_TRUE(window->isVisible());
  QStringList menus;
  for (QAction* a : window->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Help"}));
  SaveShot(window, "main-window");

  // New from the File menu: the main menu appears inside the client area.
  QMenu* file = window->menuBar()->actions()[0]->menu();
  QAction* newAction = nullptr;
  for (QAction* a : file->actions())
    if (a->text().startsWith(QStringLiteral("&New"))) newAction = a;
  ASSERT_NE(newAction, nullptr);
  ASSERT_TRUE(newAction->isEnabled());
  newAction->trigger();
  Settle();
  ASSERT_NE(App().startDialog, nullptr);
  fw::QtDialogBackend* menu = qttest::QtBackendOf(*App().startDialog);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Window()->parentWidget(), frame->ClientArea());
  EXPECT_FALSE(menu->Window()->isWindow());
  EXPECT_TRUE(menu->Window()->isVisible());
  EXPECT_TRUE(menu->ControlWidget(res::kModifyInputId)->isEnabled());
  EXPECT_TRUE(menu->ControlWidget(res::kRunOptimizedId)->isEnabled());
  EXPECT_FALSE(menu->ControlWidget(res::kViewTablesId)->isEnabled());
  EXPECT_FALSE(menu->ControlWidget(res::kSaveResultsAsTextId)->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tervane - Tervane1"));
  Settle();
  SaveShot(window, "main-menu");
  // Esc in the main menu leaves it where it is.
  qttest::Key(menu->ControlWidget(res::kModifyInputId), Qt::Key_Escape);
  EXPECT_TRUE(menu->Window()->isVisible());

  // Save As writes a file the project file reads back.
  Project().input.slopeHeight = 7.75;
  MarkActiveDocumentModified();
  const std::string path = home_.File("road.NAT");
  fakes_.fileDialogs.QueueSave(path);
  ASSERT_TRUE(App().MainFrame()->SendCommand(fw::ID_FILE_SAVE_AS));
  auto back = std::make_unique<ProjectData>();
  std::string error;
  ASSERT_TRUE(LoadProjectFile(path, *back, error)) << error;
  EXPECT_EQ(back->input.slopeHeight, 7.75);

  // Close with changes asks; Cancel keeps the project, No lets it go.
  MarkActiveDocumentModified();
  fakes_.messageBox.QueueAnswer(fw::IDCANCEL);
  App().MainFrame()->SendCommand(fw::ID_FILE_CLOSE);
  EXPECT_NE(App().startDialog, nullptr);
  fakes_.messageBox.QueueAnswer(fw::IDNO);
  App().MainFrame()->SendCommand(fw::ID_FILE_CLOSE);
  EXPECT_EQ(App().startDialog, nullptr);
  EXPECT_EQ(fakes_.messageBox.Texts(), std::vector<std::string>(2, "Save changes to road.NAT?"));
  Settle();
  EXPECT_TRUE(frame->ClientArea()->findChildren<QDialog*>().isEmpty());

  // Open brings it back.
  Project().input.slopeHeight = 3.0;
  fakes_.fileDialogs.QueueOpen(path);
  App().MainFrame()->SendCommand(fw::ID_FILE_OPEN);
  EXPECT_EQ(Project().input.slopeHeight, 7.75);
  ASSERT_NE(App().startDialog, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tervane - road.NAT"));

  // Exit: the project is not modified, so nothing is asked.
  App().MainFrame()->SendCommand(fw::ID_APP_EXIT);
  EXPECT_FALSE(App().MainFrame()->IsWindow());
  EXPECT_EQ(fakes_.messageBox.Texts().size(), 2u);
}

TEST_F(ShellQtTest, TheSplashSwallowsTheFirstKeyAndIsThenGone) {
  ASSERT_TRUE(StartWithOk());
  QWidget* splash = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && (w->windowFlags() & Qt::WindowType_Mask) == Qt::SplashScreen) splash = w;
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->size(), QSize(731, 491));
  auto* timer = splash->findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 60000);
  EXPECT_TRUE(timer->isActive());
  SaveShot(splash, "splash");

  // A key for the main window: the splash takes it, the window never sees it.
  QMainWindow* window = Frame()->Window();
  struct Counter : QObject {
    int keys = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress) ++keys;
      return false;
    }
  } counter;
  window->installEventFilter(&counter);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, QStringLiteral("n"));
  QApplication::sendEvent(window, &press);
  EXPECT_EQ(counter.keys, 0);
  Settle();
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && (w->windowFlags() & Qt::WindowType_Mask) == Qt::SplashScreen);
  EXPECT_EQ(CSplashWindow::Current(), nullptr);
  EXPECT_EQ(App().startDialog, nullptr);  // the swallowed Ctrl+N made no project
  QKeyEvent plain(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(window, &plain);
  EXPECT_EQ(counter.keys, 1);
  // Now Ctrl+N reaches the frame's accelerator.
  QKeyEvent again(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, QStringLiteral("n"));
  QApplication::sendEvent(window, &again);
  Settle();
  EXPECT_NE(App().startDialog, nullptr);
  window->removeEventFilter(&counter);
}

// A key chord pressed while the splash shows goes with it as a whole: the
// modifier pressed first closes the splash, and the letter typed with it
// neither makes a project nor opens a menu. Afterwards the chord acts.
TEST_F(ShellQtTest, TheSplashSwallowsTheWholeFirstKeyChord) {
  struct Case {
    Qt::Key modifierKey;
    Qt::KeyboardModifier modifier;
    Qt::Key letter;
    const char* text;
  };
  for (const Case& c : {Case{Qt::Key_Control, Qt::ControlModifier, Qt::Key_N, "n"},
                        Case{Qt::Key_Alt, Qt::AltModifier, Qt::Key_F, "f"}}) {
    SCOPED_TRACE(c.text);
    ScopedApp app;
    ASSERT_TRUE(StartWithOk());
    ASSERT_NE(CSplashWindow::Current(), nullptr);
    QMainWindow* window = Frame()->Window();
    const auto chord = [&] {
      // As a keyboard delivers it: the modifier, the letter with it, the releases.
      QKeyEvent modifierDown(QEvent::KeyPress, c.modifierKey, Qt::NoModifier);
      QApplication::sendEvent(window, &modifierDown);
      Settle();  // a person's pause: the window the splash covered is active again
      QKeyEvent letterDown(QEvent::KeyPress, c.letter, c.modifier, QString::fromLatin1(c.text));
      QApplication::sendEvent(window, &letterDown);
      QKeyEvent letterUp(QEvent::KeyRelease, c.letter, c.modifier, QString::fromLatin1(c.text));
      QApplication::sendEvent(window, &letterUp);
      QKeyEvent modifierUp(QEvent::KeyRelease, c.modifierKey, c.modifier);
      QApplication::sendEvent(window, &modifierUp);
      Settle();
    };
    chord();
    EXPECT_EQ(CSplashWindow::Current(), nullptr);
    EXPECT_EQ(App().startDialog, nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(window->menuBar()->activeAction(), nullptr);
    // The same chord again reaches the program.
    chord();
    if (c.letter == Qt::Key_N) {
      EXPECT_NE(App().startDialog, nullptr);
    } else {
      EXPECT_NE(window->menuBar()->activeAction(), nullptr);
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    Settle();
  }
}

// A main window smaller than the main menu scrolls to it.
TEST_F(ShellQtTest, ASmallMainWindowScrollsToTheMainMenu) {
  ASSERT_TRUE(StartWithOk());
  CSplashWindow::DestroySplash();
  QMainWindow* window = Frame()->Window();
  window->showNormal();
  window->resize(420, 300);
  App().MainFrame()->SendCommand(fw::ID_FILE_NEW);
  Settle();
  ASSERT_NE(App().startDialog, nullptr);
  QWidget* menu = qttest::QtBackendOf(*App().startDialog)->Window();
  QScrollArea* scroll = nullptr;
  for (QWidget* w = Frame()->ClientArea(); w != nullptr && scroll == nullptr; w = w->parentWidget())
    scroll = qobject_cast<QScrollArea*>(w);
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_GE(Frame()->ClientArea()->width(), menu->width());
  EXPECT_GE(Frame()->ClientArea()->height(), menu->height());
  // Scrolled to the far corner, the menu's far corner is in sight.
  scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  Settle();
  const QPoint corner = menu->mapTo(scroll->viewport(), QPoint(menu->width() - 1, menu->height() - 1));
  EXPECT_TRUE(scroll->viewport()->rect().contains(corner)) << corner.x() << "," << corner.y();
  SaveShot(window, "small-main-window");
  // Large enough again: no scroll bars, the menu centred.
  window->resize(1024, 720);
  Settle();
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST_F(ShellQtTest, PrintPreviewCoversTheClientAreaWhileTheMainMenuIsHidden) {
  auto data = std::make_unique<ProjectData>();
  data->input.layerCount = 2;
  data->results.resultLayerCount = 2;
  std::string error;
  const std::string path = home_.File("preview.NAT");
  ASSERT_TRUE(SaveProjectFile(path, *data, error));
  ASSERT_TRUE(StartWithOk());
  fakes_.fileDialogs.QueueOpen(path);
  App().MainFrame()->SendCommand(fw::ID_FILE_OPEN);
  ASSERT_TRUE(App().MainFrame()->QueryCommand(fw::ID_FILE_PRINT_PREVIEW).enabled);
  // The report's print options come first.
  WhenModal([](QDialog* d) { ButtonNamed(d, QStringLiteral("&OK"))->click(); });
  ASSERT_TRUE(App().MainFrame()->SendCommand(fw::ID_FILE_PRINT_PREVIEW));
  QWidget* preview = Frame()->PreviewWidget();
  ASSERT_NE(preview, nullptr);
  Settle();
  EXPECT_TRUE(preview->isVisible());
  EXPECT_FALSE(qttest::QtBackendOf(*App().startDialog)->Window()->isVisible());
  SaveShot(Frame()->Window(), "print-preview");
  bool pageShown = false;
  for (QLabel* label : preview->findChildren<QLabel*>()) pageShown = pageShown || label->text() == "Page 1 of 6";
  EXPECT_TRUE(pageShown);
  QPushButton* close = ButtonNamed(preview, QStringLiteral("&Close"));
  ASSERT_NE(close, nullptr);
  close->click();
  Settle();
  EXPECT_EQ(Frame()->PreviewWidget(), nullptr);
  EXPECT_TRUE(qttest::QtBackendOf(*App().startDialog)->Window()->isVisible());
}

// The text of a PDF file as pdftotext reads it (empty when it is not installed).
std::string PdfText(const std::string& pdf) {
  return testsupport::RunAndRead("pdftotext -layout '" + pdf + "' - 2>/dev/null");
}

TEST(PrintoutPdfTest, TheContactAndDisclaimerPagesPrintToAPdfWithTheirLines) {
  if (!testsupport::HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  fw::EnsureQtApplication();
  const std::filesystem::path dir = shelltest::FreshFolder("printout_pdf");
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
  ScopedApp app;
  for (int which = 0; which < 2; ++which) {
    const std::string pdf = (dir / (which == 0 ? "contact.pdf" : "disclaimer.pdf")).string();
    fw::PdfFilePrintService printing(pdf);
    fw::Services s = fw::CurrentServices();
    s.printing = &printing;
    const fw::ScopedServices installed(s);
    if (which == 0) {
      session.Queue(fw::Script().Click(res::kContactPrintId).Click(fw::IDOK));
      CContactInfoDlg dlg;
      dlg.DoModal();
    } else {
      session.Queue(fw::Script().Click(res::kDisclaimerPrintId).Click(fw::IDOK));
      CDisclaimerDlg dlg;
      dlg.DoModal();
    }
    const std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << pdf;
    if (const char* shots = testsupport::ShotsDir())
      std::filesystem::copy_file(pdf, std::filesystem::path(shots) / std::filesystem::path(pdf).filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    const std::vector<std::string> expected =
        which == 0 ? std::vector<std::string>{"Mirelo Engineering Inc.", "417 Quarry Lane, Suite 200",
                                              "Telephone: +1 (702) 555-0142", "Support: support@mirelo.example.com",
                                              "Web: www.mirelo.example.com"}
                   : std::vector<std::string>{"DISCLAIMER", "Tervane only assists engineers in the design",
                                              "should check them by independent means.", "PARTICULAR PURPOSE."};
    for (const std::string& line : expected) EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tervane
