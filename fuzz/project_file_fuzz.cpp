// Feeds arbitrary bytes to the project-file loader. A file that does not load
// must leave the records untouched; a file that loads must save, and that save
// must load again and save to the same bytes.
//
// Kept cheap per input, as a project file is about 270 KB: the records live in
// objects made once, and the second load and save are skipped when the save
// equals the input. That skip is sound: loading is a function of the bytes and
// the starting records, so a save equal to the input loads back to the records
// just saved and saves to the same bytes again. A save differs from an
// accepted input where loading normalises: a Western text read in the wide
// form is saved in the one-byte form, an unpaired surrogate as '?', a run
// record with a NaN or infinity as no results, and bytes after the records
// are dropped. Each of these is a fixed point after one save, which is what
// the second load and save check.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/ProjectFile.h"
#include "framework/Archive.h"

namespace {

using tervane::ProjectData;

// The bytes of the project file for `data`, written without the copy that
// SaveProjectToBytes takes to keep its argument const. Storing reads the
// records and never writes them.
tervane::fw::Archive Save(ProjectData& data) {
  tervane::fw::Archive ar;
  tervane::SerializeProject(ar, data);
  return ar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto pristine = std::make_unique<ProjectData>();
  static const auto project = std::make_unique<ProjectData>(*pristine);
  static const auto again = std::make_unique<ProjectData>(*pristine);
  std::string error;
  if (!tervane::LoadProjectFromBytes(data, size, *project, error)) {
    if (!(*project == *pristine)) std::abort();
    return 0;
  }
  const auto saved = Save(*project);
  const auto& bytes = saved.Buffer();
  if (!(bytes.size() == size && std::equal(bytes.begin(), bytes.end(), data))) {
    if (!tervane::LoadProjectFromBytes(bytes.data(), bytes.size(), *again, error)) std::abort();
    if (Save(*again).Buffer() != bytes) std::abort();
    *again = *pristine;
  }
  *project = *pristine;
  return 0;
}
