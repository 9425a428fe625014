// Feeds arbitrary bytes to the project-file loader. A file that loads must save
// and load again to the same records; a file that does not load must leave the
// records untouched.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tervane::ProjectData;
  static const auto pristine = std::make_unique<ProjectData>();
  auto project = std::make_unique<ProjectData>(*pristine);
  std::string error;
  if (!tervane::LoadProjectFromBytes(data, size, *project, error)) {
    if (!(*project == *pristine)) std::abort();
    return 0;
  }
  const auto bytes = tervane::SaveProjectToBytes(*project);
  auto again = std::make_unique<ProjectData>(*pristine);
  if (!tervane::LoadProjectFromBytes(bytes.data(), bytes.size(), *again, error)) std::abort();
  if (tervane::SaveProjectToBytes(*again) != bytes) std::abort();
  return 0;
}
