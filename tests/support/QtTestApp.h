#pragma once
// One QApplication for every Qt test of this executable, made before the first
// test runs (tests run with QT_QPA_PLATFORM=offscreen).

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

namespace tervane::qttest {

inline void EnsureQtApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "framework_qt_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace tervane::qttest
