#pragma once
// Driving the input dialogs headless: a fresh project with an open
// document and a data directory of its own, fake services, and a helper that
// runs one dialog with a script and reports what its OK did.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/ProjectData.h"
#include "framework/Dialog.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "resources/DialogTemplates.h"

namespace tervane::testing {

// What one run of a dialog showed.
struct Outcome {
  int result = 0;              // what DoModal returned
  std::string nested;          // template of the first dialog it opened, "" for none
  std::string message;         // that dialog's message (1490) ...
  std::string number;          // ... its number line (1757) ...
  std::string heading;         // ... and, for IDD_WARNING, its heading (1135)
  int nestedCount = 0;         // dialogs it opened
  int focusAfter = 0;          // focus after the nested dialog closed (0 when the dialog ended)
  std::vector<std::string> messageBoxes;  // the framework's messages shown in the dialog
};

// One row of a check table: what is typed (or clicked) before OK, and the
// check expected to fail (0: OK stores and ends the dialog).
struct CheckCase {
  // A case that passes every check.
  CheckCase(std::string what, fw::Script steps) : what(std::move(what)), steps(std::move(steps)) {}
  CheckCase(std::string what, fw::Script steps, int number, std::string message, int focus)
      : what(std::move(what)), steps(std::move(steps)), number(number), message(std::move(message)), focus(focus) {}

  std::string what;
  fw::Script steps;
  int number = 0;
  std::string message;  // the whole message text, opening included
  int focus = 0;
  std::string numberPrefix = "Error No.";
  std::string nested = "IDD_POLICING";
};

class InputDialogTest : public ::testing::Test {
 protected:
  InputDialogTest() : active_(&document) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dataDirectory = (std::filesystem::temp_directory_path() / "tervane-input-tests" /
                     (std::string(info->test_suite_name()) + "." + info->name()))
                        .string();
    std::filesystem::remove_all(dataDirectory);
    std::filesystem::create_directories(dataDirectory);
    Project().dataDirectory = dataDirectory;
    Project().helpFilePath = "/opt/tervane/Tervane.chm";
  }
  ~InputDialogTest() override { std::filesystem::remove_all(dataDirectory); }

  ProjectInput& input() { return Project().input; }

  // Runs the dialog with `steps`, then presses OK and answers the dialog
  // that OK opens (if any) with `answer`; a dialog still open afterwards is
  // cancelled.
  Outcome PressOk(fw::Dialog& dialog, fw::Script steps, fw::Script answer = fw::Script().Enter()) {
    Outcome out;
    steps.Click(fw::IDOK).Answer(std::move(answer)).Inspect([&] { out.focusAfter = dialog.FocusedControl(); });
    steps.Escape();
    return Run(dialog, std::move(steps), out);
  }

  // Runs the dialog with the script as it is.
  Outcome Run(fw::Dialog& dialog, fw::Script script) {
    Outcome out;
    return Run(dialog, std::move(script), out);
  }

  // Walks a check table through fresh dialogs of class D, each case on the
  // input as it was before the table.
  template <class D>
  void Walk(const std::vector<CheckCase>& cases) {
    const ProjectInput before = input();
    for (const CheckCase& c : cases) {
      SCOPED_TRACE(c.what);
      input() = before;
      D dialog;
      const Outcome out = PressOk(dialog, c.steps);
      EXPECT_TRUE(out.messageBoxes.empty()) << out.messageBoxes.front();
      if (c.number == 0) {
        EXPECT_EQ(out.result, fw::IDOK);
        EXPECT_EQ(out.nestedCount, 0) << out.nested << " " << out.number;
        continue;
      }
      EXPECT_EQ(out.result, fw::IDCANCEL);
      EXPECT_EQ(out.nested, c.nested);
      EXPECT_EQ(out.number, c.numberPrefix + std::to_string(c.number));
      EXPECT_EQ(out.message, c.message);
      EXPECT_EQ(out.focusAfter, c.focus);
      EXPECT_EQ(input(), before) << "a failed check stored something";
    }
    input() = before;
  }

  ScopedProject app_;
  fw::Document document;
  fw::ScopedActiveDocument active_;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
  std::string dataDirectory;

 private:
  Outcome Run(fw::Dialog& dialog, fw::Script script, Outcome& out) {
    const std::size_t first = session.Records().size();
    session.Queue(std::move(script));
    out.result = dialog.DoModal();
    const auto& records = session.Records();
    for (std::size_t i = first; i < records.size(); ++i) {
      const fw::DialogRecord& r = records[i];
      if (r.depth == 0) {
        out.messageBoxes = r.messageBoxes;
        continue;
      }
      if (r.depth != 1) continue;
      if (out.nestedCount++ == 0) {
        out.nested = r.templateName;
        out.message = r.Text(kMessageTextId);
        out.number = r.Text(kErrorNumberTextId);
        out.heading = r.Text(1135);
      }
    }
    return out;
  }
};

}  // namespace tervane::testing
