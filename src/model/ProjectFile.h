#pragma once
// The project file (".NAT"): two records back to back, the input and then the
// run snapshot with every result of the last run, in a fixed field order. The
// format version written inside record 1 decides which optional blocks a file
// holds; the program always writes version 11.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace tervane {
namespace fw {
class Archive;
}

inline constexpr std::int32_t kProjectFormatVersion = 11;
// The framework's report of a file that cannot be read as a project.
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";

// Walks both records: writes them from `data` when the archive stores, reads
// them into `data` when it loads. Reading stops being meaningful once the
// archive has failed; callers read into a scratch copy.
void SerializeProject(fw::Archive& archive, ProjectData& data);

// The bytes of a project file for the data as it stands.
std::vector<std::uint8_t> SaveProjectToBytes(const ProjectData& data);

// Reads a whole project file. The data is replaced only when every byte of both
// records was read and the counts the readers rely on are in range; otherwise
// `data` is left exactly as it was and `error` says why. A run record holding
// NaN or infinity in any of its doubles is not kept: the input loads, the run
// snapshot and the results take the values of a project never run, and
// `resultsDropped` is set (it is cleared by every other load).
bool LoadProjectFromBytes(const std::uint8_t* bytes, std::size_t size, ProjectData& data,
                          std::string& error);
bool LoadProjectFile(const std::string& path, ProjectData& data, std::string& error);

// Writes the project file through a temporary file beside the target, renamed
// over it only when every byte was written: a failed save leaves the old file
// as it was.
bool SaveProjectFile(const std::string& path, const ProjectData& data, std::string& error);

}  // namespace tervane
