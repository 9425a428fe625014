#include "report/ReportConventions.h"

#include <vector>

#include "model/DisplayUnits.h"
#include "model/ProjectData.h"
#include "framework/Text.h"

namespace tervane {

// ---- page frame ---------------------------------------------------------------

int RightAlignedX(fw::DeviceContext& dc, std::string_view text, int pageMargin) {
  return TextRight(pageMargin) - dc.GetTextExtent(text).cx;
}

void DrawRule(fw::DeviceContext& dc, int y, int pageMargin) {
  dc.MoveTo(kPageLeft, y);
  dc.LineTo(PageRight(pageMargin), y);
}

// ---- fonts ----------------------------------------------------------------------

fw::Font ReportFont(ReportLanguage language, FontRole role, int height) {
  fw::Font font;
  font.height = -height;
  font.weight = fw::kFontWeightNormal;
  font.italic = false;
  font.charSet = fw::kAnsiCharSet;
  if (role == FontRole::kSymbol) {
    font.face = "Symbol";
    return font;
  }
  if (role != FontRole::kArial && language == ReportLanguage::kPolish) {
    font.face = "Times New Roman Baltic";
    font.charSet = fw::kBalticCharSet;
    return font;
  }
  if (role != FontRole::kArial && language == ReportLanguage::kRussian) {
    font.face = "Times New Roman Cyr";
    font.charSet = fw::kRussianCharSet;
    return font;
  }
  font.face = role == FontRole::kHeading ? "Arial Bold" : "Arial";
  return font;
}

// ---- symbol style ---------------------------------------------------------------

std::string_view CopyrightSign(int symbolStyle) {
  return symbolStyle == kAsianSymbols ? "(c)" : "©";
}

// ---- units ----------------------------------------------------------------------

std::string UnitLabel(Quantity quantity, int unitSystem, int symbolStyle, ReportLanguage language) {
  const bool english = unitSystem == 1;
  const bool spelled = symbolStyle == kAsianSymbols;
  if (language == ReportLanguage::kRussian) {
    switch (quantity) {
      case Quantity::kLength: return english ? "[футов]" : "[м]";
      case Quantity::kPressure: return english ? "[фунты/фут^2]" : "[лПа]";
      case Quantity::kStrength: return english ? "[фунты/фут]" : "[кН/м]";
      case Quantity::kUnitWeight: return english ? "[фунты/фут^3]" : "[кН/м^3]";
    }
  }
  switch (quantity) {
    case Quantity::kLength: return english ? "[ft]" : "[m]";
    case Quantity::kPressure:
      if (!english) return "[kPa]";
      return spelled ? "[lb/ft^2]" : "[lb/ft ²]";
    case Quantity::kStrength: return english ? "[lb/ft]" : "[kN/m]";
    case Quantity::kUnitWeight:
      if (english) return spelled ? "[lb/ft^3]" : "[lb/ft ³]";
      return spelled ? "[kN/m^3]" : "[kN/m ³]";
  }
  return std::string();
}

double UnitFactor(Quantity quantity, int unitSystem) {
  const DisplayUnitFactors factors = DisplayUnitFactors::For(unitSystem);
  switch (quantity) {
    case Quantity::kLength: return factors.length;
    case Quantity::kPressure: return factors.pressure;
    case Quantity::kStrength: return factors.strength;
    case Quantity::kUnitWeight: return factors.unitWeight;
  }
  return 1.0;
}

// ---- numbers ------------------------------------------------------------------

std::string Fixed2(double value) { return Format("%.2f", value); }
std::string Fixed1(double value) { return Format("%.1f", value); }
std::string Integer(int value) { return Format("%d", value); }

// ---- date and texts -----------------------------------------------------------

std::string FormatReportDate(const fw::LocalDateTime& time) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* day = time.dayOfWeek >= 0 && time.dayOfWeek <= 6 ? kDays[time.dayOfWeek] : "???";
  const char* month = time.month >= 1 && time.month <= 12 ? kMonths[time.month - 1] : "???";
  return Format("%s %s %02d %02d:%02d:%02d %04d", day, month, time.day, time.hour, time.minute,
                time.second, time.year);
}

std::string ShortenHeaderPath(std::string_view path) {
  if (Utf8Length(path) <= 100) return std::string(path);
  return Utf8Prefix(path, 3) + "....." + Utf8Suffix(path, 90);
}

TitlePagePath ShortenTitlePagePath(std::string_view path) {
  if (Utf8Length(path) <= 60) return TitlePagePath{std::string(path), std::string()};
  return TitlePagePath{Utf8Prefix(path, 55) + ".....", "....." + Utf8Suffix(path, 20)};
}

std::array<std::string, 6> WrapDescription(std::string_view text) {
  constexpr std::size_t kWidth = 70;
  constexpr std::size_t kMinBreak = 40;
  // The text as characters, each the bytes of one code point.
  std::vector<std::string> characters;
  const std::size_t length = Utf8Length(text);
  characters.reserve(length);
  for (std::size_t i = 0; i < length; ++i) characters.push_back(Utf8Substring(text, i, 1));
  const auto blankAt = [&](std::size_t index) { return index < length && characters[index] == " "; };
  const auto join = [&](std::size_t from, std::size_t count) {
    std::string line;
    for (std::size_t i = from; i < from + count && i < length; ++i) line += characters[i];
    return line;
  };

  std::array<std::string, 6> lines;
  std::size_t pos = 0;
  for (std::string& line : lines) {
    if (pos >= length) continue;
    if (pos + kWidth > length) {
      line = join(pos, length - pos);
      pos = length;
      continue;
    }
    std::size_t taken = kWidth;
    std::size_t advance = kWidth;
    for (std::size_t k = kWidth; k >= kMinBreak; --k) {
      if (blankAt(pos + k)) {
        taken = k;
        advance = k + 1;
        break;
      }
    }
    line = join(pos, taken);
    pos += advance;
  }
  return lines;
}

}  // namespace tervane
