// Helpers of the report's content pages (see ReportPages.h). The pages
// themselves live in their own files: GeometryPage.cpp with
// GeometrySketch.cpp (page 2), SoilAndDesignPage.cpp (page 3),
// SummaryResultsPage.cpp and DetailedResultsPage.cpp (the tables in parts of
// 35 layers) and SlidingAndDeepSeatedPage.cpp (the last page).

#include "report/ReportPages.h"

#include <algorithm>

#include "report/ReportConventions.h"

namespace tervane {

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::string FillPlaces(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '0' && pattern[i + 1] <= '9' &&
        pattern[i + 2] == '}') {
      const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (index < values.size()) {
        out += *(values.begin() + index);
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

void PageTexts::Add(const fw::Font& font, int x, int y, std::string_view text) {
  if (text.empty()) return;
  texts_.push_back(Text{font, x, y, std::string(text)});
}

int PageTexts::Width(const fw::Font& font, std::string_view text) {
  if (!(dc_.CurrentFont() == font)) dc_.SelectFont(font);
  return dc_.GetTextExtent(text).cx;
}

void PageTexts::Draw() {
  // Lowest on the page first; texts of one row keep their order.
  std::stable_sort(texts_.begin(), texts_.end(), [](const Text& a, const Text& b) { return a.y < b.y; });
  for (const Text& t : texts_) {
    if (!(dc_.CurrentFont() == t.font)) dc_.SelectFont(t.font);
    dc_.TextOut(t.x, t.y, t.text);
  }
  texts_.clear();
}

void AddGreekDegrees(PageTexts& texts, ReportLanguage language, int symbolStyle, int x, int y, char letter,
                     bool blankBeforeDegree) {
  constexpr int kHeight = 250;
  const fw::Font symbol = ReportFont(language, FontRole::kSymbol, kHeight);
  const std::string greek(1, letter);
  if (symbolStyle != kAsianSymbols) {
    texts.Add(symbol, x, y, greek + (blankBeforeDegree ? " °" : "°"));
    return;
  }
  texts.Add(symbol, x, y, greek);
  const fw::Font arial = ReportFont(language, FontRole::kArial, kHeight);
  texts.Add(arial, x + texts.Width(arial, "    "), y, "deg.");
}

void AddTitle(PageTexts& texts, const fw::Font& font, std::string_view title) {
  const std::vector<std::string_view> lines = TextLines(title);
  int row = 5 - static_cast<int>(lines.size()) + 1;
  for (std::string_view line : lines) texts.Add(font, 1200, RowY(row++), line);
}

namespace {

// The mode words of both results tables.
constexpr LanguageTexts kTiebackWord = {"Tieback", "Tieback", "Tieback",     "Tieback", "Tieback", "Tieback",
                                        "Tieback", "W zbrojeniu", "Tieback", "Tieback", "Tieback", "Tieback"};
constexpr LanguageTexts kCompoundWord = {"Compound", "Compound", "Compound", "Compound", "Compound", "Compound",
                                         "Compound", "Złożony",  "Compound", "Compound", "Compound", "Compound"};
const ReportTextRegistration registration("results tables", {{"tieback mode", &kTiebackWord},
                                                             {"compound mode", &kCompoundWord}});

}  // namespace

TablePartLayers LayersOfTablePart(int part, int layerCount) {
  const int first = part == 1 ? 0 : part == 2 ? kLayersPerTablePart : 2 * kLayersPerTablePart;
  const int count = BoundedLayerCount(layerCount);
  return {first, std::min(count, first + kLayersPerTablePart)};
}

void DrawTablePartTitle(PageTexts& texts, const fw::Font& titleFont, std::string_view title,
                        const fw::Font& noteFont, std::string_view continuationNote, int part) {
  AddTitle(texts, titleFont, title);
  if (part == 2 || part == 3) texts.Add(noteFont, 1200, RowY(6), continuationNote);
  texts.Draw();
}

void DrawTableRule(fw::DeviceContext& dc, int y) {
  dc.MoveTo(600, y);
  dc.LineTo(11000, y);
}

void DrawStrengthCaption(fw::DeviceContext& dc, const fw::Font& font, int captionX, std::string_view caption,
                         int underlineX) {
  DrawTableRule(dc, -1890);
  dc.SelectFont(font);
  dc.TextOut(captionX, -1960, caption);
  dc.MoveTo(underlineX, -2260);
  dc.LineTo(8200, -2260);
}

std::string_view ModeWord(ReportLanguage language, int controllingMode) {
  return Pick(controllingMode == 1 ? kTiebackWord : kCompoundWord, language);
}

void AddColumnHeadings(PageTexts& texts, const fw::Font& font, ReportLanguage language,
                       std::span<const ColumnHeading> headings, std::span<const HeadingLineX> exceptions,
                       const int (&lineY)[5]) {
  for (std::size_t column = 0; column < headings.size(); ++column) {
    const ColumnHeading& heading = headings[column];
    const std::vector<std::string_view> lines = TextLines(Pick(*heading.text, language));
    int line = (heading.startsAboveIn & LanguageBit(language)) != 0 ? 0 : 1;
    for (std::string_view text : lines) {
      if (line > 4) break;
      int x = Pick(heading.x, language);
      for (const HeadingLineX& e : exceptions) {
        if (e.language == language && e.column == static_cast<int>(column) && e.line == line) x = e.x;
      }
      texts.Add(font, x, lineY[line], text);
      ++line;
    }
  }
}

}  // namespace tervane
