#pragma once
// Text helpers shared by every module: printf-style formatting and strict number
// parsing that ignore the process locale, the Windows-1252 codec of the
// program's files, and a writer of text files that end their lines with CR LF.
//
// Strings are UTF-8 inside the program. Files written for other programs hold
// Windows-1252 bytes.

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

namespace tervane {

// printf-style formatting in the "C" locale, whatever the process locale is:
// Format("%.2f", 1.5) is "1.50" on a German desktop too.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string FormatV(const char* format, std::va_list args);

// Formats and parses in the "C" locale on the calling thread for its lifetime,
// whatever the process locale is: for libraries that print numbers with the
// C library's printf (the workbook writer).
class CNumberScope {
 public:
  CNumberScope();
  ~CNumberScope();
  CNumberScope(const CNumberScope&) = delete;
  CNumberScope& operator=(const CNumberScope&) = delete;

 private:
  void* previous_;
};

// A double as an edit field shows it: 15 significant digits ("%.15g").
std::string FormatDouble15(double value);

// Strict parsing: the whole text (surrounding blanks allowed) must be one finite
// decimal number. "", "abc", "1.5abc", "nan", "inf", "0x10" and "1e999" fail.
// On failure `out` is left unchanged.
bool ParseDouble(std::string_view text, double& out);
// The whole text must be one decimal integer in the range of int.
bool ParseInt(std::string_view text, int& out);

// Windows-1252 codec. Decoding maps every byte to a character (the five bytes
// the code page leaves undefined map to the C1 controls of the same value, so
// any byte string survives a round trip). Encoding writes '?' for a character
// that has no byte, and for malformed UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);
// UTF-16 code units (little-endian pairs already combined) to UTF-8; an
// unpaired surrogate becomes '?'.
std::string Utf16ToUtf8(std::u16string_view utf16);
// UTF-8 to UTF-16 code units, characters beyond U+FFFF as surrogate pairs;
// malformed UTF-8 becomes '?', as Utf8ToCp1252 writes it.
std::u16string Utf8ToUtf16(std::string_view utf8);
// True when Utf8ToCp1252 keeps every character of the text (malformed bytes,
// which no encoding keeps, do not count against it).
bool FitsCp1252(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text; the maximum lengths of
// edit fields count characters, not bytes.
std::size_t Utf8Length(std::string_view utf8);

// Cutting texts by characters (code points), never inside one: the `count`
// characters from character `first` (fewer at the end of the text), the first
// `count` and the last `count` characters. A malformed byte counts as one
// character, as in Utf8Length.
std::string Utf8Substring(std::string_view utf8, std::size_t first, std::size_t count);
std::string Utf8Prefix(std::string_view utf8, std::size_t count);
std::string Utf8Suffix(std::string_view utf8, std::size_t count);

// The text with A-Z turned to a-z and every other byte kept: comparisons of
// switches and face names that no locale can change (under tr_TR the C
// library lowers 'I' to a dotless i).
std::string AsciiLower(std::string_view text);
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Strips one trailing "\n" and then one trailing "\r" (flag and one-line files);
// never drops a real character.
std::string StripLineEnd(std::string_view line);

// Writes a text file of the program's own: every line is encoded to
// Windows-1252 and ends with CR LF. The text is kept in memory and written at
// Close, whole or not at all (fw::WriteFileAtomically): a failure leaves an
// old file as it was. Close reports any failure, with its reason in Error().
class TextFileWriter {
 public:
  TextFileWriter() = default;
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Starts a file at `path`; nothing is written before Close.
  bool Open(const std::string& path);
  bool IsOpen() const { return open_; }
  // Writes the text (UTF-8) without a line end.
  void Write(std::string_view text);
  // Writes the text followed by CR LF.
  void WriteLine(std::string_view text);
  // True when the whole file was written (it then replaced any old one).
  bool Close();
  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }
  // True when some character had no Windows-1252 byte and became '?'.
  bool Substituted() const { return substituted_; }

 private:
  std::string path_;
  std::string bytes_;
  std::string error_;
  bool open_ = false;
  bool failed_ = false;
  bool substituted_ = false;
};

}  // namespace tervane
