// The Qt services, offscreen: message boxes and file dialogs answered from a
// timer inside their own event loop, the desktop and help through a recording
// opener, programs started for real, the clock, and the start-up locale.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/Desktop.h"
#include "framework/DialogTemplate.h"
#include "framework/qt/QtApplication.h"
#include "framework/qt/QtDialogBackend.h"
#include "framework/qt/QtServices.h"

namespace tervane::fw {
namespace {

// Calls `act` with the next modal window of type W once it is up. A window
// that never comes, or is never ended, fails the test and is rejected after
// the watchdog's time, so the test goes on.
template <class W>
void WhenModal(std::function<void(W*)> act, int watchdogMs = 10000) {
  auto* timer = new QTimer;
  auto* watchdog = new QTimer;
  watchdog->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, [timer, watchdog, act] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (w == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(w);
    watchdog->stop();
    watchdog->deleteLater();
  });
  QObject::connect(watchdog, &QTimer::timeout, [timer, watchdog] {
    ADD_FAILURE() << "no modal window was answered";
    timer->stop();
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    watchdog->deleteLater();
  });
  timer->start(5);
  watchdog->start(watchdogMs);
}

class QtServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureQtApplication(); }
};

// ---------------------------------------------------------------------------
// Message boxes

TEST_F(QtServicesTest, MessageBoxAnswersWithTheButtonClicked) {
  struct Case {
    MessageButtons buttons;
    QMessageBox::StandardButton click;  // NoButton: Esc
    int answer;
  };
  const Case cases[] = {
      {MessageButtons::Ok, QMessageBox::Ok, IDOK},
      {MessageButtons::Ok, QMessageBox::NoButton, IDOK},
      {MessageButtons::OkCancel, QMessageBox::Ok, IDOK},
      {MessageButtons::OkCancel, QMessageBox::Cancel, IDCANCEL},
      {MessageButtons::OkCancel, QMessageBox::NoButton, IDCANCEL},
      {MessageButtons::YesNo, QMessageBox::Yes, IDYES},
      {MessageButtons::YesNo, QMessageBox::No, IDNO},
      {MessageButtons::YesNoCancel, QMessageBox::Yes, IDYES},
      {MessageButtons::YesNoCancel, QMessageBox::No, IDNO},
      {MessageButtons::YesNoCancel, QMessageBox::Cancel, IDCANCEL},
      {MessageButtons::YesNoCancel, QMessageBox::NoButton, IDCANCEL},
  };
  QtMessageBoxService service;
  for (const Case& c : cases) {
    QString text, title;
    int buttonCount = 0;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      title = box->windowTitle();
      buttonCount = static_cast<int>(box->buttons().size());
      if (c.click == QMessageBox::NoButton) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
      } else {
        box->button(c.click)->click();
      }
    });
    const int answer = service.Show("Save changes to <slope>?", "Tervane", c.buttons, MessageIcon::Question);
    EXPECT_EQ(answer, c.answer) << static_cast<int>(c.buttons) << " " << c.click;
    EXPECT_EQ(text, QStringLiteral("Save changes to <slope>?"));  // plain text, as given
    EXPECT_EQ(title, QStringLiteral("Tervane"));
    const int expectedCount = c.buttons == MessageButtons::Ok ? 1 : c.buttons == MessageButtons::YesNoCancel ? 3 : 2;
    EXPECT_EQ(buttonCount, expectedCount);
  }
}

// ---------------------------------------------------------------------------
// File dialogs

TEST_F(QtServicesTest, NameFiltersCarryTheirPatterns) {
  struct Case {
    FileFilter filter;
    std::string qt;
  };
  const Case cases[] = {
      {{"Tervane Files (*.NAT)", "*.NAT"}, "Tervane Files (*.NAT)"},
      {{"Bitmap", "*.bmp"}, "Bitmap (*.bmp)"},
      {{"Text files", "*.txt;*.TXT"}, "Text files (*.txt *.TXT)"},
      {{"Tervane Files (*.NAT)", "*.NAT; *.nat"}, "Tervane Files (*.NAT) (*.NAT *.nat)"},
      {{"", "*.DXF"}, "(*.DXF)"},
      {{"All", ""}, "All"},
  };
  for (const Case& c : cases) EXPECT_EQ(QtNameFilter(c.filter), c.qt) << c.filter.description;
}

class QtFileDialogTest : public QtServicesTest {
 protected:
  void SetUp() override {
    QtServicesTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
  }
  std::string Path(const char* name) const { return dir_.filePath(QLatin1String(name)).toStdString(); }
  void Touch(const char* name) {
    QFile f(dir_.filePath(QLatin1String(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
  }
  FileDialogOptions ProjectOptions(const char* proposed) const {
    FileDialogOptions o;
    o.filters = {{"Tervane Files (*.NAT)", "*.NAT"}};
    o.defaultExtension = "NAT";
    o.proposedName = proposed;
    o.initialDirectory = dir_.path().toStdString();
    return o;
  }

  QTemporaryDir dir_;
  QtFileDialogService service_;
};

TEST_F(QtFileDialogTest, SaveProposesTheNameAndAddsTheDefaultExtension) {
  QStringList filters;
  QString title;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    filters = d->nameFilters();
    title = d->windowTitle();
    static_cast<QDialog*>(d)->accept();
  });
  FileDialogOptions o = ProjectOptions("slope");
  o.title = "Save Project As";
  EXPECT_EQ(service_.SaveFile(o), Path("slope.NAT"));
  EXPECT_EQ(filters, QStringList{QStringLiteral("Tervane Files (*.NAT)")});
  EXPECT_EQ(title, QStringLiteral("Save Project As"));
}

TEST_F(QtFileDialogTest, SaveOverAnExistingFileAsksWhenToldTo) {
  Touch("old.NAT");
  // Asked: "No" keeps the dialog open, "Yes" takes the file.
  int questions = 0;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      ++questions;
      box->button(QMessageBox::No)->click();
    });
    static_cast<QDialog*>(d)->accept();
    EXPECT_TRUE(d->isVisible());
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      ++questions;
      box->button(QMessageBox::Yes)->click();
    });
    static_cast<QDialog*>(d)->accept();
  });
  EXPECT_EQ(service_.SaveFile(ProjectOptions("old.NAT")), Path("old.NAT"));
  EXPECT_EQ(questions, 2);

  // Not asked.
  FileDialogOptions quiet = ProjectOptions("old");
  quiet.askOverwrite = false;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    static_cast<QDialog*>(d)->accept();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no question came up
  });
  EXPECT_EQ(service_.SaveFile(quiet), Path("old.NAT"));
}

TEST_F(QtFileDialogTest, OpenReturnsTheChosenFileAndNothingWhenCancelled) {
  Touch("project.NAT");
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
    static_cast<QDialog*>(d)->accept();
  });
  EXPECT_EQ(service_.OpenFile(ProjectOptions("project.NAT")), Path("project.NAT"));

  WhenModal<QFileDialog>([&](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(service_.OpenFile(ProjectOptions("project.NAT")), std::nullopt);

  // A name that is not there cannot be opened when it must exist: the
  // dialog says so and stays.
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    bool told = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      told = true;
      box->button(QMessageBox::Ok)->click();
    });
    static_cast<QDialog*>(d)->accept();
    EXPECT_TRUE(told);
    EXPECT_TRUE(d->isVisible());
    d->reject();
  });
  EXPECT_EQ(service_.OpenFile(ProjectOptions("missing.NAT")), std::nullopt);
}

// ---------------------------------------------------------------------------
// Desktop, programs, help

class FakePrinting : public PrintService {
 public:
  PrinterSelection PrintSetup() override { return {}; }
  PrinterSelection Print(const PrintDialogOptions&) override { return {}; }
};

struct RecordingOpener {
  std::vector<QUrl> urls;
  bool succeed = true;
  UrlOpener Get() {
    return [this](const QUrl& url) {
      urls.push_back(url);
      return succeed;
    };
  }
};

TEST_F(QtServicesTest, DesktopOpensExistingFilesAndWebAddressesOnly) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString bitmap = dir.filePath(QStringLiteral("capture.bmp"));
  QFile f(bitmap);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();

  RecordingOpener opener;
  QtShellService shell(opener.Get());
  EXPECT_TRUE(shell.OpenWithDesktop(bitmap.toStdString()));
  EXPECT_TRUE(shell.OpenWithDesktop("https://www.example.com/update"));
  EXPECT_FALSE(shell.OpenWithDesktop(dir.filePath(QStringLiteral("missing.bmp")).toStdString()));
  EXPECT_FALSE(shell.OpenWithDesktop(""));
  EXPECT_FALSE(shell.OpenWithDesktop("   "));
  EXPECT_FALSE(shell.OpenWithDesktop("file:///no/such/file.bmp"));
  ASSERT_EQ(opener.urls.size(), 2u);
  EXPECT_EQ(opener.urls[0], QUrl::fromLocalFile(bitmap));
  EXPECT_EQ(opener.urls[1], QUrl(QStringLiteral("https://www.example.com/update")));

  opener.succeed = false;  // the desktop has no program for it
  EXPECT_FALSE(shell.OpenWithDesktop(bitmap.toStdString()));
}

// The desktop's own opener on the PATH is waited for: a status of 3 (no
// program takes the file) is a failure, 0 a success with the file handed
// over, and an opener that runs the program itself in the foreground counts
// as a success once the wait is over, without being stopped.
TEST_F(QtServicesTest, TheDesktopsOpenerIsAskedAndItsAnswerAwaited) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string bin = dir.filePath(QStringLiteral("bin")).toStdString();
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(bin)));
  const std::string bitmap = dir.filePath(QStringLiteral("capture.bmp")).toStdString();
  std::FILE* empty = std::fopen(bitmap.c_str(), "wb");
  ASSERT_NE(empty, nullptr);
  std::fclose(empty);
  const std::string handed = dir.filePath(QStringLiteral("handed")).toStdString();
  auto stub = [&](const std::string& body) {
    const std::string path = bin + "/xdg-open";
    std::FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "#!/bin/sh\nprintf '%%s' \"$1\" > '%s'\n%s\n", handed.c_str(), body.c_str());
    std::fclose(f);
    std::remove(handed.c_str());
    ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
  };
  auto readHanded = [&] {
    std::string text;
    if (std::FILE* f = std::fopen(handed.c_str(), "r")) {
      char buffer[512];
      const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
      text.assign(buffer, n);
      std::fclose(f);
    }
    return text;
  };
  const char* oldPath = std::getenv("PATH");
  const std::string saved = oldPath != nullptr ? oldPath : "";
  ::setenv("PATH", bin.c_str(), 1);
  QtShellService shell;

  stub("exit 3");
  EXPECT_FALSE(shell.OpenWithDesktop(bitmap));
  EXPECT_EQ(readHanded(), bitmap);

  stub("exit 0");
  EXPECT_TRUE(shell.OpenWithDesktop(bitmap));
  EXPECT_EQ(readHanded(), bitmap);

  stub("/bin/sleep 3; echo done >> '" + handed + "'");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(shell.OpenWithDesktop(bitmap));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(kDesktopOpenerWaitMilliseconds - 50));
  EXPECT_LT(waited, std::chrono::milliseconds(2900));
  // Left to run: it finishes its work after the wait.
  for (int i = 0; i < 100 && readHanded().find("done") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(readHanded(), bitmap + "done\n");

  ::setenv("PATH", saved.c_str(), 1);
}

TEST_F(QtServicesTest, StartingAProgramReportsWhetherItStarted) {
  QtShellService shell;
  EXPECT_TRUE(shell.StartProgram("true", {"ignored", "arguments"}));
  EXPECT_FALSE(shell.StartProgram("/no/such/program", {}));
  EXPECT_FALSE(shell.StartProgram("", {}));
}

class QtHelpTest : public QtServicesTest {
 protected:
  void SetUp() override {
    QtServicesTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
  }
  QString Make(const QString& relative) {
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return QFileInfo(path).absoluteFilePath();
  }
  std::string Help(const char* name) const { return dir_.filePath(QLatin1String(name)).toStdString(); }

  QTemporaryDir dir_;
  RecordingOpener opener_;
};

TEST_F(QtHelpTest, TopicsOfAFolderOfPages) {
  const QString soil = Make(QStringLiteral("tervane/modify_soil.htm"));
  const QString general = Make(QStringLiteral("tervane/Modify_General.htm"));
  const QString index = Make(QStringLiteral("tervane/index.htm"));
  Make(QStringLiteral("outside.htm"));
  QtHelpService help(Help("tervane.chm"), opener_.Get());  // the pages sit in "tervane"
  struct Case {
    std::string location;
    QString opened;  // empty: fails
  };
  const Case cases[] = {
      {Help("tervane.chm") + "::/modify_soil.htm", soil},
      {Help("tervane.chm") + "::/modify_general.htm", general},  // case does not matter
      {"::/modify_soil.htm", soil},                               // this service's help file
      {Help("tervane") + "::/modify_soil.htm", soil},             // the folder itself
      {Help("tervane.chm") + "::/no_such_topic.htm", QString()},
      {Help("tervane.chm") + "::/../outside.htm", QString()},  // nothing outside the folder
      {Help("other.chm") + "::/modify_soil.htm", QString()},
      {Help("tervane.chm"), index},
  };
  for (const Case& c : cases) {
    opener_.urls.clear();
    EXPECT_EQ(help.ShowTopic(c.location), !c.opened.isEmpty()) << c.location;
    if (!c.opened.isEmpty()) {
      ASSERT_EQ(opener_.urls.size(), 1u) << c.location;
      EXPECT_EQ(opener_.urls[0], QUrl::fromLocalFile(c.opened)) << c.location;
    } else {
      EXPECT_TRUE(opener_.urls.empty()) << c.location;
    }
  }
  opener_.urls.clear();
  EXPECT_TRUE(help.ShowDefault());
  ASSERT_EQ(opener_.urls.size(), 1u);
  EXPECT_EQ(opener_.urls[0], QUrl::fromLocalFile(index));
}

TEST_F(QtHelpTest, ASingleHelpFileIsShownWhole) {
  const QString chm = Make(QStringLiteral("tervane.chm"));
  QtHelpService help(chm.toStdString(), opener_.Get());
  EXPECT_TRUE(help.ShowTopic(chm.toStdString() + "::/modify_soil.htm"));
  EXPECT_TRUE(help.ShowDefault());
  ASSERT_EQ(opener_.urls.size(), 2u);
  EXPECT_EQ(opener_.urls[0], QUrl::fromLocalFile(chm));
  EXPECT_EQ(opener_.urls[1], QUrl::fromLocalFile(chm));

  opener_.succeed = false;  // no viewer for it
  EXPECT_FALSE(help.ShowDefault());

  QtHelpService missing(Help("gone.chm"), opener_.Get());
  EXPECT_FALSE(missing.ShowDefault());
  QtHelpService none("", opener_.Get());
  EXPECT_FALSE(none.ShowDefault());
  EXPECT_FALSE(none.ShowTopic("::/modify_soil.htm"));
}

TEST_F(QtServicesTest, FrameworkInstallsTheQtBackendAndServicesForItsLife) {
  FakePrinting printing;
  Services before;
  before.printing = &printing;
  before.applicationTitle = "Tervane";
  const Services outer = InstallServices(before);
  BackendFactory* factoryBefore = &CurrentBackendFactory();
  {
    QtFramework framework("/no/help.chm");
    EXPECT_NE(dynamic_cast<QtBackendFactory*>(&CurrentBackendFactory()), nullptr);
    const Services& now = CurrentServices();
    EXPECT_NE(dynamic_cast<QtMessageBoxService*>(now.messageBox), nullptr);
    EXPECT_NE(dynamic_cast<QtFileDialogService*>(now.fileDialogs), nullptr);
    EXPECT_NE(dynamic_cast<QtShellService*>(now.shell), nullptr);
    EXPECT_NE(dynamic_cast<QtHelpService*>(now.help), nullptr);
    EXPECT_NE(dynamic_cast<const QtClockService*>(now.clock), nullptr);
    EXPECT_EQ(now.printing, &printing);  // printing is left as it was installed
    EXPECT_FALSE(Help().ShowDefault());  // no such help file
  }
  EXPECT_EQ(&CurrentBackendFactory(), factoryBefore);
  EXPECT_EQ(CurrentServices().messageBox, nullptr);
  EXPECT_EQ(CurrentServices().printing, &printing);
  InstallServices(outer);
}

// ---------------------------------------------------------------------------
// Clock and locale

TEST_F(QtServicesTest, ClockReadsTheLocalTime) {
  const std::time_t before = std::time(nullptr);
  const LocalDateTime now = QtClockService().Now();
  const std::time_t after = std::time(nullptr);
  std::tm tm{};
  std::tm expected{};
  ASSERT_NE(localtime_r(&before, &tm), nullptr);
  ASSERT_NE(localtime_r(&after, &expected), nullptr);
  if (tm.tm_min != expected.tm_min) GTEST_SKIP() << "the minute changed while reading";
  EXPECT_EQ(now.year, tm.tm_year + 1900);
  EXPECT_EQ(now.month, tm.tm_mon + 1);
  EXPECT_EQ(now.day, tm.tm_mday);
  EXPECT_EQ(now.hour, tm.tm_hour);
  EXPECT_EQ(now.minute, tm.tm_min);
  EXPECT_EQ(now.dayOfWeek, tm.tm_wday);
  EXPECT_GE(now.second, 0);
  EXPECT_LE(now.second, 60);
}

// Starts the application as the program does, on a German desktop, and
// exits with 0 when numbers still use the C locale.
[[noreturn]] void StartOnAGermanDesktop() {
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  static int argc = 1;
  static char name[] = "tervane";
  static char* argv[] = {name, nullptr};
  QtApplication app(argc, argv);
  const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
  const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", 12.5);
  const double parsed = std::strtod("0.25", nullptr);
  const bool german = ctype.rfind("de_DE", 0) == 0;  // the desktop's locale did arrive
  std::exit(german && numeric == "C" && std::string(text) == "12.50" && parsed == 0.25 ? 0 : 1);
}

// In a fresh process, so that no application object exists yet.
TEST(QtApplicationDeathTest, NumbersStayInTheCLocaleOnAGermanDesktop) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(StartOnAGermanDesktop(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tervane::fw
