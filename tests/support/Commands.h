#pragma once
// Outside programs the tests read their files with (the poppler tools,
// python3 with openpyxl or ezdxf): whether one is there, and what a command
// prints.

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tervane::testsupport {

// True when a program of that name is on the path.
inline bool HaveTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// What a shell command prints on its standard output (add " 2>&1" to the
// command for its errors as well). `status`, when given, receives its exit
// status: -1 when it could not start or did not exit by itself.
inline std::string RunAndRead(const std::string& command, int* status = nullptr) {
  std::string out;
  if (status != nullptr) *status = -1;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int rc = ::pclose(pipe);
    if (status != nullptr) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  return out;
}

// The Python interpreter that has openpyxl (the system's comes first: a
// user's own Python on the path may lack it), or "" when none has it.
inline std::string PythonWithOpenpyxl() {
  for (const char* python : {"/usr/bin/python3", "python3"}) {
    const std::string probe = std::string(python) + " -c 'import openpyxl' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return {};
}

}  // namespace tervane::testsupport
