#include "framework/Text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <vector>

#include "framework/FileIo.h"

namespace tervane {
namespace {

// The "C" locale, made once; formatting and parsing switch the calling thread
// to it for the duration of one call.
locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [sign] digits [. digits] [e [sign] digits], at least one mantissa digit.
bool IsDecimalNumber(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

// Windows-1252 bytes 0x80..0x9F. The five undefined bytes map to the C1
// control of the same value so that every byte string round-trips.
constexpr char32_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point at `i`; returns false (and skips one byte) on
// malformed input.
bool NextCodePoint(std::string_view s, std::size_t& i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    ++i;
    return true;
  }
  int extra = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, cp = b0 & 0x07, min = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  return true;
}

}  // namespace

CNumberScope::CNumberScope() : previous_(uselocale(CLocale())) {}

CNumberScope::~CNumberScope() { uselocale(static_cast<locale_t>(previous_)); }

std::string FormatV(const char* format, std::va_list args) {
  const CNumberScope c;
  std::va_list copy;
  va_copy(copy, args);
  char small[256];
  const int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) return std::string();
  if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(big.data(), big.size(), format, args);
  big.resize(static_cast<std::size_t>(n));
  return big;
}

std::string Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string s = FormatV(format, args);
  va_end(args);
  return s;
}

std::string FormatDouble15(double value) { return Format("%.15g", value); }

bool ParseDouble(std::string_view text, double& out) {
  const std::string_view t = Trim(text);
  if (!IsDecimalNumber(t)) return false;
  const std::string s(t);
  char* end = nullptr;
  const double v = strtod_l(s.c_str(), &end, CLocale());
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

bool ParseInt(std::string_view text, int& out) {
  std::string_view t = Trim(text);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == t.size()) return false;
  for (std::size_t k = i; k < t.size(); ++k)
    if (!IsDigit(t[k])) return false;
  const std::string s(t);
  errno = 0;
  const long long v = std::strtoll(s.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  out = static_cast<int>(v);
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      AppendUtf8(out, kHighTable[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

namespace {

// The Windows-1252 byte of a character, or -1 when the code page has none.
int Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int k = 0; k < 32; ++k)
    if (kHighTable[k] == cp) return 0x80 + k;
  return -1;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const int byte = NextCodePoint(utf8, i, cp) ? Cp1252Byte(cp) : -1;
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

bool FitsCp1252(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    if (NextCodePoint(utf8, i, cp) && Cp1252Byte(cp) < 0) return false;
  }
  return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    if (!NextCodePoint(utf8, i, cp)) {
      out += u'?';
    } else if (cp < 0x10000) {
      out += static_cast<char16_t>(cp);
    } else {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = U'?';
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    NextCodePoint(utf8, i, cp);
    ++n;
  }
  return n;
}

std::string Utf8Substring(std::string_view utf8, std::size_t first, std::size_t count) {
  std::size_t i = 0;
  std::size_t index = 0;
  char32_t cp = 0;
  while (i < utf8.size() && index < first) {
    NextCodePoint(utf8, i, cp);
    ++index;
  }
  const std::size_t begin = i;
  std::size_t taken = 0;
  while (i < utf8.size() && taken < count) {
    NextCodePoint(utf8, i, cp);
    ++taken;
  }
  return std::string(utf8.substr(begin, i - begin));
}

std::string Utf8Prefix(std::string_view utf8, std::size_t count) { return Utf8Substring(utf8, 0, count); }

std::string Utf8Suffix(std::string_view utf8, std::size_t count) {
  const std::size_t length = Utf8Length(utf8);
  return length <= count ? std::string(utf8) : Utf8Substring(utf8, length - count, count);
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

std::string StripLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

bool TextFileWriter::Open(const std::string& path) {
  path_ = path;
  bytes_.clear();
  error_.clear();
  open_ = true;
  failed_ = false;
  substituted_ = false;
  return true;
}

void TextFileWriter::Write(std::string_view text) {
  if (!open_) {
    failed_ = true;
    return;
  }
  if (!substituted_ && !FitsCp1252(text)) substituted_ = true;
  bytes_ += Utf8ToCp1252(text);
}

void TextFileWriter::WriteLine(std::string_view text) {
  Write(text);
  if (open_) bytes_ += "\r\n";
}

bool TextFileWriter::Close() {
  if (!open_) return false;
  open_ = false;
  if (!failed_ && !fw::WriteFileAtomically(path_, std::vector<std::uint8_t>(bytes_.begin(), bytes_.end()), error_))
    failed_ = true;
  bytes_.clear();
  return !failed_;
}

}  // namespace tervane
