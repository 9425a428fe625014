#pragma once
// The numeric locale of a desktop for one scope: the tests that write numbers
// under a decimal comma.

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

}  // namespace tervane::testsupport
