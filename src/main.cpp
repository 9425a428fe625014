// Entry point of the Tervane program.
#include <cstdio>

int main() {
  std::puts("Tervane: the main window arrives with the application shell; this build has the engine, the project file and the framework.");
  return 0;
}
