// The main of every test program that uses the framework. It installs the
// headless dialog and window backends for the whole run, as the program
// installs the Qt ones: a dialog or frame a test makes outside a session of its
// own gets a headless window, whose modal run ends at once with IDCANCEL, so
// nobody waits. A test that installs another backend restores this one.
#include <gtest/gtest.h>

#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/HeadlessFrame.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  static tervane::fw::HeadlessFactory dialogs;
  static tervane::fw::HeadlessWindowFactory windows;
  tervane::fw::InstallBackendFactory(&dialogs);
  tervane::fw::InstallWindowFactory(&windows);
  return RUN_ALL_TESTS();
}
