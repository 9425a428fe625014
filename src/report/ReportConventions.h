#pragma once
// What every page of the printed report shares: the page frame in twips, the
// fonts by language, the symbol style, the unit labels, the number formats,
// the date of printing and the cutting of long texts.
//
// Page frame: twips (1440 per inch), the origin at the top-left corner of the
// printable area, x to the right, y upwards, so everything on a page has
// y <= 0. Rules and bands run from x = 500 to 11500 - pageMargin; a
// right-aligned text ends at 11400 - pageMargin. The header takes y = 0 to
// -620, the footer y = -14480 to -15120, each page body lies between them.
// Text is placed by the top-left corner of its cell, black on an opaque white
// background (the device context's defaults, which no page changes).
//
// Drawing objects: each page function (and the header and footer) makes its
// fonts and pens when it starts and, before it returns, selects again the font
// and pen that were selected when it began. Fonts and pens are values here, so
// there is nothing to delete.

#include <array>
#include <string>
#include <string_view>

#include "framework/DeviceContext.h"
#include "framework/Services.h"
#include "report/ReportLanguage.h"

namespace tervane {

// ---- page frame ---------------------------------------------------------------

inline constexpr int kDefaultPageMargin = 300;
inline constexpr int kPageLeft = 500;
inline constexpr int kHeaderBottom = -620;
inline constexpr int kFooterTop = -14480;

// x where rules and bands end.
constexpr int PageRight(int pageMargin) { return 11500 - pageMargin; }
// x where a right-aligned text ends.
constexpr int TextRight(int pageMargin) { return 11400 - pageMargin; }
// x at which `text` starts so that it ends at TextRight, measured in the
// device context's current font.
int RightAlignedX(fw::DeviceContext& dc, std::string_view text, int pageMargin);
// A horizontal rule from (kPageLeft, y) to (PageRight, y) with the current pen.
void DrawRule(fw::DeviceContext& dc, int y, int pageMargin);

// ---- fonts ----------------------------------------------------------------------

// The roles of the report's fonts. The body font is "Arial" (Polish: "Times
// New Roman Baltic", Russian: "Times New Roman Cyr"); the heading font is
// "Arial Bold" at weight 400 (the face name makes it bold) and the body face
// again in Polish and Russian; the Arial and Symbol fonts are the same in
// every language.
enum class FontRole { kBody, kHeading, kArial, kSymbol };

// A font of the report: `height` is the character height in twips (created as
// -height), weight 400, the character set of its face (0, 186 Baltic, 204
// Cyrillic).
fw::Font ReportFont(ReportLanguage language, FontRole role, int height);

// ---- symbol style ---------------------------------------------------------------

inline constexpr int kWesternSymbols = 0;  // "°", "²", "³", "©"
inline constexpr int kAsianSymbols = 1;    // "deg", "^2", "^3", "(c)"

// "©" in the Western style, "(c)" otherwise.
std::string_view CopyrightSign(int symbolStyle);

// ---- units ----------------------------------------------------------------------

enum class Quantity { kLength, kPressure, kStrength, kUnitWeight };

// The bracketed unit label of a quantity, such as "[m]", "[lb/ft ²]" or
// "[кН/м^3]": by the units of the run (0 SI, 1 English), the symbol style and
// the Russian language (which always writes "^2" and "^3"). Pages add their
// own blanks and punctuation around it.
std::string UnitLabel(Quantity quantity, int unitSystem, int symbolStyle, ReportLanguage language);

// The factor from SI to the display unit of a quantity (1.0 in SI).
double UnitFactor(Quantity quantity, int unitSystem);

// ---- numbers ------------------------------------------------------------------

// "%.2f", "%.1f" and "%d" in the C locale, of any size.
std::string Fixed2(double value);
std::string Fixed1(double value);
std::string Integer(int value);

// ---- date and texts -----------------------------------------------------------

// The time of printing as 24 characters with English names, the day of the
// month with a leading zero: "Tue Dec 08 23:54:44 2026". Fields out of range
// print as "???" or their digits, never past the 24 characters' shape.
std::string FormatReportDate(const fw::LocalDateTime& time);

// The project path of the page header: whole up to 100 characters, else its
// first 3 characters, "....." and its last 90 (98 characters).
std::string ShortenHeaderPath(std::string_view path);

// The project path of the title page: whole up to 60 characters (second row
// empty), else its first 55 characters and "....." on the first row and
// "....." with its last 20 characters on the second.
struct TitlePagePath {
  std::string firstRow;
  std::string secondRow;
};
TitlePagePath ShortenTitlePagePath(std::string_view path);

// The description of the title page cut into at most 6 lines of at most 70
// characters. Fewer than 70 characters left make the last line; otherwise the
// line breaks at the first blank found at offset 70, 69, ... down to 40 from
// its start (the blank is dropped), or after 70 characters when none of those
// offsets holds one. An offset past the end of the text holds no blank. Only
// the blank breaks a line (typed line breaks stay characters of the line);
// characters are code points. Lines that the text does not reach are empty,
// and text beyond the sixth line is left out.
std::array<std::string, 6> WrapDescription(std::string_view text);

}  // namespace tervane
