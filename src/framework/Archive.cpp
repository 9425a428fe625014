#include "framework/Archive.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "framework/Text.h"

namespace tervane::fw {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the archive writes the machine's own byte order, which must be little-endian");
static_assert(sizeof(double) == 8, "doubles must be IEEE 64-bit");

}  // namespace

Archive::Archive() : storing_(true) { buffer_.reserve(1 << 16); }

Archive::Archive(const std::uint8_t* data, std::size_t size) : storing_(false), data_(data), size_(size) {}

void Archive::Append(const void* bytes, std::size_t count) {
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  buffer_.insert(buffer_.end(), p, p + count);
}

void Archive::WriteInt(std::int32_t value) { Append(&value, sizeof value); }

void Archive::WriteDouble(double value) { Append(&value, sizeof value); }

void Archive::WriteLength(std::uint64_t n) {
  const std::uint8_t tag = 0xFF;
  if (n < 0xFF) {
    const auto b = static_cast<std::uint8_t>(n);
    Append(&b, 1);
  } else if (n < 0xFFFE) {
    const auto w = static_cast<std::uint16_t>(n);
    Append(&tag, 1);
    Append(&w, 2);
  } else {
    const std::uint16_t escape = 0xFFFF;
    const auto d = static_cast<std::uint32_t>(n);
    Append(&tag, 1);
    Append(&escape, 2);
    Append(&d, 4);
  }
}

void Archive::WriteText(const std::string& utf8) {
  // Texts of the program never come near 4 GB; a longer one is cut (the
  // 4-byte length 0xFFFFFFFF is the reader's 64-bit escape).
  constexpr std::size_t kMaxUnits = 0xFFFFFFFEu;
  if (FitsCp1252(utf8)) {
    const std::string bytes = Utf8ToCp1252(utf8);
    const std::size_t n = bytes.size() < kMaxUnits ? bytes.size() : kMaxUnits;
    WriteLength(n);
    Append(bytes.data(), n);
    return;
  }
  // A character the code page cannot hold: the wide form keeps every one.
  const std::u16string units = Utf8ToUtf16(utf8);
  const std::size_t n = units.size() < kMaxUnits ? units.size() : kMaxUnits;
  const std::uint8_t tag = 0xFF;
  const std::uint16_t wide = 0xFFFE;
  Append(&tag, 1);
  Append(&wide, 2);
  WriteLength(n);
  std::vector<std::uint8_t> bytes(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
  }
  Append(bytes.data(), bytes.size());
}

bool Archive::Take(void* out, std::size_t count) {
  if (failed_ || count > size_ - position_) {
    failed_ = true;
    std::memset(out, 0, count);
    return false;
  }
  std::memcpy(out, data_ + position_, count);
  position_ += count;
  return true;
}

bool Archive::ReadInt(std::int32_t& value) {
  std::int32_t v = 0;
  const bool ok = Take(&v, sizeof v);
  value = v;
  return ok;
}

bool Archive::ReadDouble(double& value) {
  double v = 0.0;
  const bool ok = Take(&v, sizeof v);
  if (!std::isfinite(v)) ++nonFiniteDoubles_;
  value = v;
  return ok;
}

bool Archive::ReadLength(std::uint64_t& length, bool& wide) {
  std::uint8_t b = 0;
  if (!Take(&b, 1)) return false;
  if (b < 0xFF) {
    length = b;
    return true;
  }
  std::uint16_t w = 0;
  if (!Take(&w, 2)) return false;
  if (w == 0xFFFE) {
    // Wide-character tag; the real length follows in the same scheme. A second
    // tag is not a text this program can have written.
    if (wide) {
      failed_ = true;
      return false;
    }
    wide = true;
    return ReadLength(length, wide);
  }
  if (w < 0xFFFF) {
    length = w;
    return true;
  }
  std::uint32_t d = 0;
  if (!Take(&d, 4)) return false;
  if (d == 0xFFFFFFFFu) {
    // The 64-bit length escape: no project text is that long.
    failed_ = true;
    return false;
  }
  length = d;
  return true;
}

bool Archive::ReadText(std::string& utf8) {
  std::uint64_t length = 0;
  bool wide = false;
  if (!ReadLength(length, wide)) {
    utf8.clear();
    return false;
  }
  const std::uint64_t bytes = wide ? length * 2 : length;
  // Never allocate from a corrupt length: it must fit in what remains.
  if (failed_ || bytes > size_ - position_) {
    failed_ = true;
    utf8.clear();
    return false;
  }
  const auto* p = data_ + position_;
  if (wide) {
    std::u16string units(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
      units[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    utf8 = Utf16ToUtf8(units);
  } else {
    utf8 = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(bytes)));
  }
  position_ += static_cast<std::size_t>(bytes);
  return true;
}

}  // namespace tervane::fw
