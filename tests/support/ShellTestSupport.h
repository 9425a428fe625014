#pragma once
// A home of its own for every test of the application shell: HOME,
// XDG_DATA_HOME and XDG_CONFIG_HOME point into a fresh temporary folder (so
// the data directory, the profile and the desktop files of a test are its
// own), and the fake printer is installed beside the other fakes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "framework/testing/FakeServices.h"
#include "framework/Services.h"
#include "support/GoldenFile.h"

namespace tervane::shelltest {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

inline std::filesystem::path FreshFolder(const std::string& what) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("tervane_" + what + "_" + std::to_string(::getpid()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

class TestHome {
 public:
  explicit TestHome(const std::string& what)
      : root_(FreshFolder(what)),
        home_("HOME", (root_ / "home").string()),
        data_("XDG_DATA_HOME", (root_ / "home/.local/share").string()),
        config_("XDG_CONFIG_HOME", (root_ / "home/.config").string()) {
    std::filesystem::create_directories(root_ / "home");
  }
  ~TestHome() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  const std::filesystem::path& Root() const { return root_; }
  std::string DataDirectory() const { return (root_ / "home/.local/share/Mirelo/Tervane").string(); }
  std::string ProfilePath() const { return (root_ / "home/.config/Mirelo/Tervane.ini").string(); }
  std::string File(const std::string& name) const { return (root_ / name).string(); }

 private:
  std::filesystem::path root_;
  ScopedEnv home_;
  ScopedEnv data_;
  ScopedEnv config_;
};

// The fake printer installed for the life of the object.
class ScopedFakePrinting : public fw::FakePrinting {
 public:
  ScopedFakePrinting() {
    fw::Services s = fw::CurrentServices();
    s.printing = this;
    previous_ = fw::InstallServices(s);
  }
  ~ScopedFakePrinting() override { fw::InstallServices(previous_); }

 private:
  fw::Services previous_;
};

inline std::string ReadBytes(const std::string& path) { return fw::golden::ReadFile(path); }

}  // namespace tervane::shelltest
