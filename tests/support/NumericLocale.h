#pragma once
// The locale of a desktop for one scope: the tests that write numbers under a
// decimal comma and compare names under the Turkish i.

#include <clocale>
#include <string>

namespace tervane::testsupport {

// Switches the process's numeric locale for one scope and back.
class NumericLocale {
 public:
  explicit NumericLocale(const char* name) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    previous_ = old != nullptr ? old : "C";
    ok_ = std::setlocale(LC_NUMERIC, name) != nullptr;
  }
  ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  NumericLocale(const NumericLocale&) = delete;
  NumericLocale& operator=(const NumericLocale&) = delete;
  // False when the system has no such locale.
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

// Switches the whole process locale (LC_ALL, as a desktop's environment sets
// it) for one scope and back.
class ProcessLocale {
 public:
  explicit ProcessLocale(const char* name) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    previous_ = old != nullptr ? old : "C";
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~ProcessLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ProcessLocale(const ProcessLocale&) = delete;
  ProcessLocale& operator=(const ProcessLocale&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

// The desktops every output is checked on: "C", a decimal comma, and the
// Turkish dotted and dotless i as well.
inline constexpr const char* kDesktopLocales[] = {"C", "de_DE.UTF-8", "tr_TR.UTF-8"};

}  // namespace tervane::testsupport
