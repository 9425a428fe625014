// The program in real windows (offscreen) with Qt's own print and file
// dialogs, inside the application's event loop (where the closing of a last
// window would end the program): every printing place and Save As after a
// run, answered with OK and with Cancel, leave the program running and the
// dialog they were opened from open with what was typed in it. Print to a
// file proposes the project's printout and asks before it replaces a file.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "support/ResultsTablesSupport.h"
#include "support/ShellTestSupport.h"
#include "shell/InfoDialogs.h"
#include "model/ProjectFile.h"
#include "shell/SplashWindow.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/Frame.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtPrint.h"
#include "framework/qt/QtServices.h"
#include "resources/ExportDialogIds.h"
#include "resources/ResultsTablesResources.h"
#include "resources/ShellResources.h"
#include "results/QuantitiesDlg.h"
#include "results/ViewCase1Dlg.h"
#include "results/ViewCase2Dlg.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;
using qttest::ButtonNamed;
using qttest::Settle;

// Counts the requests to end the program, and keeps them from ending the
// test's event loop.
class QuitWatch final : public QObject {
 public:
  QuitWatch() { QCoreApplication::instance()->installEventFilter(this); }
  ~QuitWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
  int quits = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != QCoreApplication::instance() || e->type() != QEvent::Quit) return false;
    ++quits;
    return true;
  }
};

// Runs `scenario` inside the application's event loop and returns how often
// the program was told to end meanwhile.
int QuitsDuring(const std::function<void()>& scenario) {
  QuitWatch watch;
  bool done = false;
  QTimer::singleShot(0, [&] {
    scenario();
    Settle();
    done = true;
    QCoreApplication::exit(0);
  });
  QApplication::exec();
  EXPECT_TRUE(done) << "the event loop ended before the scenario";
  return watch.quits;
}

// Answers the next dialog of type T once it has been up for a moment (its
// own timers have run); fails the test when none comes within 10 s.
template <class T>
void WhenUp(std::function<void(T*)> act) {
  auto* timer = new QTimer;  // deletes itself when done
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, seen = 0, tries = 0]() mutable {
    T* d = qobject_cast<T*>(QApplication::activeModalWidget());
    if (d == nullptr || !d->isVisible()) {
      seen = 0;
      if (++tries < 1000) return;
      ADD_FAILURE() << "no " << T::staticMetaObject.className() << " came up";
    } else if (++seen < 3) {
      return;
    }
    timer->stop();
    timer->deleteLater();
    if (d != nullptr) act(d);
  });
  timer->start();
}

// What a print dialog showed.
struct PrintDialogSeen {
  bool shown = false;
  QWidget* parent = nullptr;
  QString proposedFile;
};

// Answers the next print dialog: its Print button (as a user clicks it, with
// the dialog's own checks; `typedFile` typed first into the file name when
// given) or Cancel.
std::shared_ptr<PrintDialogSeen> AnswerPrintDialog(bool print, const QString& typedFile = {}) {
  auto seen = std::make_shared<PrintDialogSeen>();
  WhenUp<QPrintDialog>([seen, print, typedFile](QPrintDialog* d) {
    seen->shown = true;
    seen->parent = d->parentWidget();
    auto* field = d->findChild<QLineEdit*>(QStringLiteral("filename"));
    if (field != nullptr) seen->proposedFile = field->text();
    if (field != nullptr && !typedFile.isEmpty()) field->setText(typedFile);
    if (!print) {
      d->reject();
      return;
    }
    auto* box = d->findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(QDialogButtonBox::Ok), nullptr);
    box->button(QDialogButtonBox::Ok)->click();
  });
  return seen;
}

// Types the path into the file dialog's name field, as a user does, and
// accepts it.
void ChooseFile(QFileDialog* d, const std::string& path) {
  auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  name->setText(QString::fromStdString(path));
  static_cast<QDialog*>(d)->accept();
}

bool Exists(const QString& path) { return !path.isEmpty() && std::filesystem::exists(path.toStdString()); }

class DialogOwnersQtTest : public ::testing::Test {
 protected:
  DialogOwnersQtTest() : home_("dialog_owners") {
    fw::ForgetDialogFolder();
    fw::Services s = fw::CurrentServices();
    s.printing = &printing_;
    s.fileDialogs = &fileDialogs_;
    installed_ = std::make_unique<fw::ScopedServices>(s);
  }
  ~DialogOwnersQtTest() override {
    Settle();
    fw::ForgetDialogFolder();
  }

  fw::QtFrameBackend* Frame() const {
    return App().MainFrame() != nullptr ? dynamic_cast<fw::QtFrameBackend*>(App().MainFrame()->Backend()) : nullptr;
  }
  QMainWindow* Window() const { return Frame() != nullptr ? Frame()->Window() : nullptr; }
  bool ProgramIsThere() const {
    return App().MainFrame() != nullptr && App().MainFrame()->IsWindow() && Window() != nullptr &&
           Window()->isVisible();
  }

  // Starts the program (OK in the notice, the splash closed) and opens a
  // saved project with the results of a run.
  void StartWithProject() {
    ProjectData data;
    testing::MakeFixtureRun(data, testing::Fixture::kOptimised);
    data.input.designerName = "A. Engineer";
    std::string error;
    ASSERT_TRUE(SaveProjectFile(projectPath_, data, error)) << error;
    qttest::WhenModal([](QDialog* d) { ButtonNamed(d, QStringLiteral("&OK"))->click(); });
    ASSERT_TRUE(App().InitInstance({}));
    CSplashWindow::DestroySplash();
    Settle();
    WhenUp<QFileDialog>([this](QFileDialog* d) {
      ChooseFile(d, projectPath_);
    });
    App().MainFrame()->SendCommand(fw::ID_FILE_OPEN);
    ASSERT_NE(App().startDialog, nullptr);
    ASSERT_EQ(Project().projectPath, projectPath_);
  }

  shelltest::TestHome home_;
  qttest::ScopedQtBackend dialogs_;
  qttest::ScopedQtWindows windows_;
  fw::ScopedFakeServices fakes_;
  fw::QtPrintService printing_;
  fw::QtFileDialogService fileDialogs_;
  std::unique_ptr<fw::ScopedServices> installed_;
  ScopedApp app_;
  std::string projectPath_ = home_.File("north slope.NAT");
};

TEST_F(DialogOwnersQtTest, PrintSetupAndTheReportFromTheFileMenu) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    for (bool print : {false, true}) {
      SCOPED_TRACE(print ? "Print" : "Cancel");
      // The set-up prints nothing: it proposes no file of its own.
      auto seen = AnswerPrintDialog(print, QString::fromStdString(home_.File("setup.pdf")));
      App().MainFrame()->SendCommand(fw::ID_FILE_PRINT_SETUP);
      EXPECT_TRUE(seen->shown);
      EXPECT_EQ(seen->parent, Window());
      EXPECT_TRUE(ProgramIsThere());
      EXPECT_NE(App().startDialog, nullptr);
    }
    for (bool print : {false, true}) {
      SCOPED_TRACE(print ? "Print" : "Cancel");
      // The report's print options come first.
      qttest::WhenModal([](QDialog* d) { ButtonNamed(d, QStringLiteral("&OK"))->click(); });
      auto seen = AnswerPrintDialog(print);
      App().MainFrame()->SendCommand(fw::ID_FILE_PRINT);
      EXPECT_TRUE(seen->shown);
      EXPECT_EQ(seen->proposedFile, QString::fromStdString(home_.File("north slope report.pdf")));
      EXPECT_EQ(Exists(seen->proposedFile), print);
      EXPECT_TRUE(ProgramIsThere());
      EXPECT_NE(App().startDialog, nullptr);
    }
  });
  EXPECT_EQ(quits, 0);
}

TEST_F(DialogOwnersQtTest, TheTablesPrintButtonsKeepTheirTableOpen) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    struct Case {
      const char* word;
      std::function<std::unique_ptr<fw::Dialog>()> make;
    } cases[] = {{"summary", [] { return std::make_unique<CViewCase1Dlg>(); }},
                 {"detailed", [] { return std::make_unique<CViewCase2Dlg>(); }}};
    for (const Case& c : cases) {
      SCOPED_TRACE(c.word);
      std::unique_ptr<fw::Dialog> table = c.make();
      qttest::RunModal(*table, [&](QtDialogBackend& b) {
        for (bool print : {false, true}) {
          SCOPED_TRACE(print ? "Print" : "Cancel");
          auto seen = AnswerPrintDialog(print);
          qttest::Click(b.ControlWidget(res::kPrintTableButtonId));
          EXPECT_TRUE(seen->shown);
          EXPECT_EQ(seen->parent, b.Window());
          EXPECT_EQ(seen->proposedFile,
                    QString::fromStdString(home_.File(std::string("north slope ") + c.word + ".pdf")));
          EXPECT_EQ(Exists(seen->proposedFile), print);
          EXPECT_TRUE(b.Window()->isVisible());
          EXPECT_EQ(QApplication::activeModalWidget(), b.Window());
        }
        b.EndModal(fw::IDOK);
      });
      EXPECT_TRUE(ProgramIsThere());
    }
  });
  EXPECT_EQ(quits, 0);
}

TEST_F(DialogOwnersQtTest, QuantitiesKeepTheTypedCostAndRemarksWhenPrinting) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    CQuantitiesDlg dialog;
    qttest::RunModal(dialog, [&](QtDialogBackend& b) {
      b.SetControlText(kQuantitiesUnitCostId, "12.5");
      b.SetControlText(kQuantitiesRemarksId, "north face, second lift");
      for (bool print : {false, true}) {
        SCOPED_TRACE(print ? "Print" : "Cancel");
        auto seen = AnswerPrintDialog(print);
        qttest::Click(b.ControlWidget(kQuantitiesPrintId));
        EXPECT_TRUE(seen->shown);
        EXPECT_EQ(seen->parent, b.Window());
        EXPECT_EQ(seen->proposedFile, QString::fromStdString(home_.File("north slope quantities.pdf")));
        EXPECT_EQ(Exists(seen->proposedFile), print);
        EXPECT_TRUE(b.Window()->isVisible());
        EXPECT_EQ(b.ControlText(kQuantitiesUnitCostId), "12.5");
        EXPECT_EQ(b.ControlText(kQuantitiesRemarksId), "north face, second lift");
      }
      b.EndModal(fw::IDCANCEL);
    });
    EXPECT_TRUE(ProgramIsThere());
  });
  EXPECT_EQ(quits, 0);
}

TEST_F(DialogOwnersQtTest, ContactAndDisclaimerPrintButtonsKeepTheirDialogOpen) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    struct Case {
      int printId;
      const char* file;
      std::function<std::unique_ptr<fw::Dialog>()> make;
    } cases[] = {{res::kContactPrintId, "Tervane contact information.pdf",
                  [] { return std::make_unique<CContactInfoDlg>(); }},
                 {res::kDisclaimerPrintId, "Tervane disclaimer.pdf", [] { return std::make_unique<CDisclaimerDlg>(); }}};
    for (const Case& c : cases) {
      SCOPED_TRACE(c.file);
      std::unique_ptr<fw::Dialog> dialog = c.make();
      qttest::RunModal(*dialog, [&](QtDialogBackend& b) {
        for (bool print : {false, true}) {
          SCOPED_TRACE(print ? "Print" : "Cancel");
          auto seen = AnswerPrintDialog(print);
          qttest::Click(b.ControlWidget(c.printId));
          EXPECT_TRUE(seen->shown);
          EXPECT_EQ(seen->parent, b.Window());
          // No project of their own: the project's folder, where dialogs open.
          EXPECT_EQ(seen->proposedFile, QString::fromStdString(home_.File(c.file)));
          EXPECT_EQ(Exists(seen->proposedFile), print);
          EXPECT_TRUE(b.Window()->isVisible());
        }
        b.EndModal(fw::IDOK);
      });
      EXPECT_TRUE(ProgramIsThere());
    }
  });
  EXPECT_EQ(quits, 0);
}

// A print to a file over an existing file asks first; No goes back to the
// print dialog, which still proposes that file.
TEST_F(DialogOwnersQtTest, PrintingOverAnExistingFileAsksFirst) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    const std::string existing = home_.File("Tervane disclaimer.pdf");
    { std::ofstream(existing) << "an older printout"; }
    CDisclaimerDlg dialog;
    qttest::RunModal(dialog, [&](QtDialogBackend& b) {
      QString question;
      bool cancelledAfterNo = false;
      WhenUp<QPrintDialog>([&](QPrintDialog* d) {
        WhenUp<QMessageBox>([&, d](QMessageBox* box) {
          question = box->text();
          box->button(QMessageBox::No)->click();
          WhenUp<QPrintDialog>([&, d](QPrintDialog* again) {
            cancelledAfterNo = again == d;
            again->reject();
          });
        });
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      });
      qttest::Click(b.ControlWidget(res::kDisclaimerPrintId));
      EXPECT_TRUE(question.contains(QStringLiteral("already exists"))) << question.toStdString();
      EXPECT_TRUE(cancelledAfterNo);
      EXPECT_TRUE(b.Window()->isVisible());
      b.EndModal(fw::IDOK);
    });
    EXPECT_EQ(shelltest::ReadBytes(existing), "an older printout");
  });
  EXPECT_EQ(quits, 0);
}

// After a run, Save As saves and the program goes on; the file dialog
// opens in the project's folder, also when it is cancelled.
TEST_F(DialogOwnersQtTest, SaveAsAfterARun) {
  const int quits = QuitsDuring([&] {
    StartWithProject();
    const QString folder = QString::fromStdString(home_.Root().string());
    CStartDlg* menu = App().startDialog;
    ASSERT_NE(menu, nullptr);
    QtDialogBackend* backend = qttest::QtBackendOf(*menu);
    ASSERT_NE(backend, nullptr);
    bool ran = false;
    WhenUp<QDialog>([&](QDialog* run) {
      ran = true;
      qttest::Click(ButtonNamed(run, QStringLiteral("&OK")));
    });
    qttest::Click(backend->ControlWidget(res::kRunOptimizedId));
    Settle();
    ASSERT_TRUE(ran);
    ASSERT_EQ(Project().inputChangedSinceRun, 0) << "the run did not end";

    const std::string copy = home_.File("north slope copy.NAT");
    for (bool save : {false, true}) {
      SCOPED_TRACE(save ? "Save" : "Cancel");
      QString openedIn;
      QWidget* parent = nullptr;
      WhenUp<QFileDialog>([&](QFileDialog* d) {
        openedIn = d->directory().absolutePath();
        parent = d->parentWidget();
        if (!save) {
          d->reject();
          return;
        }
        ChooseFile(d, copy);
      });
      App().MainFrame()->SendCommand(fw::ID_FILE_SAVE_AS);
      EXPECT_EQ(openedIn, folder);
      EXPECT_EQ(parent, Window());
      EXPECT_EQ(std::filesystem::exists(copy), save);
      EXPECT_TRUE(ProgramIsThere());
      EXPECT_NE(App().startDialog, nullptr);
    }
    EXPECT_EQ(Project().projectPath, copy);
  });
  EXPECT_EQ(quits, 0);
}

}  // namespace
}  // namespace tervane
