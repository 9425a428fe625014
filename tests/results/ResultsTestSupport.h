#pragma once
// What the tests of the three result files share: a scratch folder, the
// numeric locale of a German desktop, the golden files, and the lines of the
// message dialogs a run showed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/testing/HeadlessBackend.h"
#include "support/GoldenFile.h"
#include "support/NumericLocale.h"
#include "support/TempDir.h"

namespace tervane::testing {

// A folder of its own for one test, removed afterwards.
using ScratchDir = testsupport::TempDir;

using testsupport::NumericLocale;
using testsupport::ProcessLocale;
using testsupport::kDesktopLocales;

using fw::golden::ExpectGolden;

// The message and number of every IDD_POLICING the session showed, as
// "Error No.1100: text".
inline std::vector<std::string> PolicingMessages(const fw::HeadlessSession& session) {
  std::vector<std::string> shown;
  for (const fw::DialogRecord& r : session.Records())
    if (r.templateName == "IDD_POLICING") shown.push_back(r.Text(1757) + ": " + r.Text(1490));
  return shown;
}

}  // namespace tervane::testing
