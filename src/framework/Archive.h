#pragma once
// The binary archive of project files: little-endian 32-bit ints, IEEE doubles
// and length-prefixed texts. Texts are UTF-8 in memory and Windows-1252 bytes in
// the stream, or UTF-16LE when Windows-1252 cannot hold one of their characters.
//
// Text length prefix: a length below 255 is one byte; 255 to 65533 is 0xFF and a
// 2-byte length; 65534 and more is 0xFF, 0xFFFF and a 4-byte length. A text
// with a character outside Windows-1252 is written in the wide form: 0xFF,
// 0xFFFE, then its length in UTF-16 code units in the same scheme and the
// UTF-16LE units (characters beyond U+FFFF as surrogate pairs). Every other
// text is written in the one-byte form, so files holding only Western texts
// are the same as ever. The reader takes both forms.
//
// Loading never throws: the first read that cannot be satisfied (the stream ends
// early, a text claims more bytes than remain, an unsupported length tag) marks
// the archive failed; every later read fails too and yields zeros. Callers read
// into a scratch copy and look at Failed() once at the end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tervane::fw {

class Archive {
 public:
  // An archive that stores into its own growing buffer.
  Archive();
  // An archive that loads from the given bytes (not copied; they must outlive it).
  Archive(const std::uint8_t* data, std::size_t size);

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  // Storing.
  void WriteInt(std::int32_t value);
  void WriteDouble(double value);
  void WriteText(const std::string& utf8);
  const std::vector<std::uint8_t>& Buffer() const { return buffer_; }

  // Loading; each returns false once the archive has failed.
  bool ReadInt(std::int32_t& value);
  bool ReadDouble(double& value);
  bool ReadText(std::string& utf8);

  // One call for both directions: writes the value when storing, reads into it
  // when loading.
  void Exchange(std::int32_t& value) { storing_ ? WriteInt(value) : void(ReadInt(value)); }
  void Exchange(double& value) { storing_ ? WriteDouble(value) : void(ReadDouble(value)); }
  void Exchange(std::string& value) { storing_ ? WriteText(value) : void(ReadText(value)); }

  bool Failed() const { return failed_; }
  // How many of the doubles read so far were NaN or infinite.
  std::size_t NonFiniteDoubles() const { return nonFiniteDoubles_; }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return size_ - position_; }

 private:
  bool Take(void* out, std::size_t count);
  bool ReadLength(std::uint64_t& length, bool& wide);
  void Append(const void* bytes, std::size_t count);
  void WriteLength(std::uint64_t n);

  bool storing_;
  bool failed_ = false;
  std::size_t nonFiniteDoubles_ = 0;
  std::vector<std::uint8_t> buffer_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};

}  // namespace tervane::fw
