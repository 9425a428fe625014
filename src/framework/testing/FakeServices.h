#pragma once
// Fakes of the injected services, for tests: they record every call and
// answer from queues filled by the test. A fake whose queue is empty answers
// as a user who cancels.
//
//   ScopedFakeServices fakes;           // installed until the end of the scope
//   fakes.messageBox.QueueAnswer(IDYES);
//   ... run the code ...
//   EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{"Save changes?"});

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Services.h"

namespace tervane::fw {

class FakeMessageBox : public MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
  };

  // The answer to the next message box (IDOK, IDCANCEL, IDYES, IDNO).
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  // Records the box (also in the headless session's record of the innermost
  // running dialog) and answers from the queue; with an empty queue IDOK for
  // an OK box, IDNO for Yes/No and IDCANCEL otherwise.
  int Show(const std::string& text, const std::string& caption, MessageButtons buttons,
           MessageIcon icon) override;

  const std::vector<Shown>& Calls() const { return shown_; }
  std::vector<std::string> Texts() const;

 private:
  std::deque<int> answers_;
  std::vector<Shown> shown_;
};

class FakeFileDialogs : public FileDialogService {
 public:
  // The answer to the next open (save) dialog: a path, or nullopt to cancel.
  void QueueOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
  void QueueSave(std::optional<std::string> path) { saves_.push_back(std::move(path)); }

  std::optional<std::string> OpenFile(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFile(const FileDialogOptions& options) override;

  const std::vector<FileDialogOptions>& OpenCalls() const { return openCalls_; }
  const std::vector<FileDialogOptions>& SaveCalls() const { return saveCalls_; }

 private:
  std::deque<std::optional<std::string>> opens_;
  std::deque<std::optional<std::string>> saves_;
  std::vector<FileDialogOptions> openCalls_;
  std::vector<FileDialogOptions> saveCalls_;
};

class FakeShell : public ShellService {
 public:
  struct Started {
    std::string program;
    std::vector<std::string> arguments;
  };
  bool OpenWithDesktop(const std::string& pathOrUrl) override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;

  const std::vector<std::string>& Opened() const { return opened_; }
  const std::vector<Started>& StartedPrograms() const { return started_; }
  // What the calls report.
  bool succeed = true;

 private:
  std::vector<std::string> opened_;
  std::vector<Started> started_;
};

class FakeHelp : public HelpService {
 public:
  bool ShowTopic(const std::string& location) override;
  bool ShowDefault() override;

  // Every request in order; the default page is recorded as "<default>".
  const std::vector<std::string>& Requests() const { return requests_; }
  bool succeed = true;

 private:
  std::vector<std::string> requests_;
};

class FixedClock : public ClockService {
 public:
  LocalDateTime Now() const override { return now; }
  // Thursday, 5 March 2009, 14:07:09 unless a test sets another time.
  LocalDateTime now{2009, 3, 5, 14, 7, 9, 4};
};

// ---- printing (installed on its own: Services::printing) ----
// Answers the print dialogs from a queue (true: a printer, false: cancelled;
// an empty queue cancels) with recording printers of `page`, and keeps what
// each printer recorded once the printer is destroyed.
class FakePrinting : public PrintService {
 public:
  struct Job {
    std::string request;  // "setup", "print" or "direct:<printer name>"
    std::vector<std::string> lines;
    int pages = 0;
    bool finished = false;  // the printer has been destroyed
  };

  FakePrinting();
  ~FakePrinting() override;
  FakePrinting(const FakePrinting&) = delete;
  FakePrinting& operator=(const FakePrinting&) = delete;

  void QueueAnswer(bool givePrinter) { answers_.push_back(givePrinter); }

  PrinterSelection PrintSetup() override;
  PrinterSelection Print(const PrintDialogOptions& options) override;
  // Gives a printer without asking while `directAvailable` is true.
  PrinterSelection DirectPrinter(const std::string& printerName) override;
  PrintPageInfo CurrentPage() override { return page; }

  const std::vector<Job>& Jobs() const { return jobs_; }
  const std::vector<PrintDialogOptions>& PrintCalls() const { return printCalls_; }
  int SetupCalls() const { return setupCalls_; }

  PrintPageInfo page;
  bool directAvailable = true;

 private:
  class JobDC;
  PrinterSelection Make(const std::string& request);

  std::deque<bool> answers_;
  std::vector<Job> jobs_;
  std::vector<PrintDialogOptions> printCalls_;
  int setupCalls_ = 0;
  std::shared_ptr<bool> alive_;
};

// One of each fake.
struct FakeServices {
  FakeMessageBox messageBox;
  FakeFileDialogs fileDialogs;
  FakeShell shell;
  FakeHelp help;
  FixedClock clock;
  // Pointers to the fakes (printing left to the stand-in).
  Services AsServices();
};

// The fakes, installed for the life of the object.
class ScopedFakeServices : public FakeServices {
 public:
  ScopedFakeServices();
  ~ScopedFakeServices();
  ScopedFakeServices(const ScopedFakeServices&) = delete;
  ScopedFakeServices& operator=(const ScopedFakeServices&) = delete;

 private:
  Services previous_;
};

}  // namespace tervane::fw
