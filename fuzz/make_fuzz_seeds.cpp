// Writes a few real project files into the folder named on the command line:
// the defaults, a project with texts and layers, one with wide texts and a NaN
// result, and an older-version file.
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "model/ProjectFile.h"
#include "framework/FileIo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::string error;
  auto project = std::make_unique<tervane::ProjectData>();
  bool ok = tervane::SaveProjectFile(dir + "/default.NAT", *project, error);

  project->input.projectTitle = "Embankment at km 12.5 \u20AC";
  project->input.projectDescription = std::string(300, 'd');
  project->input.layerCount = 12;
  for (int i = 0; i < 12; ++i) project->input.layerElevation[i] = 0.5 * i;
  project->results.resultLayerCount = 12;
  project->settings.logoPath = "/home/engineer/logo.bmp";
  project->geosyntheticTypes.typeCount = 3;
  ok = tervane::SaveProjectFile(dir + "/layers.NAT", *project, error) && ok;

  // Texts outside Windows-1252 (the wide form) and results that are not
  // finite (dropped on loading).
  project->input.designerName = "Pawe\u0142 \u015Awi\u0105tek \u6CD5\U0001D711";
  project->runInput.projectTitle = "\u041E\u0442\u043A\u043E\u0441 \u21161";
  project->results.deepSeatedFactor = std::numeric_limits<double>::quiet_NaN();
  ok = tervane::SaveProjectFile(dir + "/wide_texts_nan.NAT", *project, error) && ok;

  // Version 5: no newest blocks. Cut them out of the written file.
  auto bytes = tervane::SaveProjectToBytes(*std::make_unique<tervane::ProjectData>());
  const std::size_t record1 = 4415, v2 = 1305, v11 = 589, record2 = 260979, r2v2 = 1300;
  std::vector<std::uint8_t> old(bytes.begin(), bytes.begin() + record1 + v2);
  old.insert(old.end(), bytes.begin() + record1 + v2 + v11, bytes.begin() + record1 + v2 + v11 + record2 + r2v2);
  old[283] = 5;
  ok = tervane::fw::WriteFileAtomically(dir + "/version5.NAT", old, error) && ok;
  if (!ok) std::fprintf(stderr, "make_fuzz_seeds: %s\n", error.c_str());
  return ok ? 0 : 1;
}
