#pragma once
// Whole-file reading and safe writing.

#include <cstdint>
#include <string>
#include <vector>

namespace tervane::fw {

// Reads every byte of a file. Refuses files over `maxBytes`.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes = std::size_t(1) << 30);

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target only when every byte was written and flushed; on any failure
// the temporary file is removed and the target is untouched.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);

}  // namespace tervane::fw
