#pragma once
// What the content pages of the report share: rows on a pitch of 270 twips,
// texts of the language tables with their line breaks and number places, the
// Greek letters after a label, and the texts of a page drawn from the bottom
// of the page up.
//
// Texts of a table may hold "\n" (the text goes on, on the next row) and the
// places "{0}" to "{9}" where the page puts its numbers and unit words, so
// that every language keeps the order of its own words around the numbers.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ProjectData.h"
#include "framework/DeviceContext.h"
#include "report/ReportLanguage.h"

namespace tervane {

// The y of row `row` of a page body: rows stand 270 twips apart.
constexpr int RowY(int row) { return -270 * row; }

// The lines of a text of a table, split at "\n" (one line when it holds none).
std::vector<std::string_view> TextLines(std::string_view text);

// The text with "{0}" .. "{9}" replaced by the values in their order; a
// place without a value stays as it is.
std::string FillPlaces(std::string_view pattern, std::initializer_list<std::string_view> values);

// The texts of one block of a page. The cells of texts on rows 270 twips
// apart overlap by a few twips (a 250-twip font has a cell of about 280), and
// the opaque cell of a text drawn later covers the descenders of the one
// above it: Draw() therefore draws the block from the bottom of the page up
// (texts on one row in the order they were added), so every cell covers only
// the empty top of the row below it.
class PageTexts {
 public:
  explicit PageTexts(fw::DeviceContext& dc) : dc_(dc) {}
  PageTexts(const PageTexts&) = delete;
  PageTexts& operator=(const PageTexts&) = delete;

  void Add(const fw::Font& font, int x, int y, std::string_view text);
  // Width of the text in the font, measured on the device.
  int Width(const fw::Font& font, std::string_view text);
  // Draws what was added, bottom first, and forgets it; leaves the last
  // font drawn with selected.
  void Draw();

 private:
  struct Text {
    fw::Font font;
    int x;
    int y;
    std::string text;
  };
  fw::DeviceContext& dc_;
  std::vector<Text> texts_;
};

// The Greek letter drawn after a label in the "Symbol" face (f phi, d delta,
// b beta, a alpha). In the Western symbol style the letter is followed by the
// degree sign (after a blank when `blankBeforeDegree`); in the Asian Pacific
// style the letter stands alone and "deg." follows in Arial, where "    deg."
// drawn from the letter's place would put it, so the letter stays visible.
void AddGreekDegrees(PageTexts& texts, ReportLanguage language, int symbolStyle, int x, int y, char letter,
                     bool blankBeforeDegree);

// The title of a page at x 1200, its last line on row 5 and any lines before
// it on the rows above.
void AddTitle(PageTexts& texts, const fw::Font& font, std::string_view title);

// ---- the results tables ------------------------------------------------------------

// Each results table is printed in parts of 35 layers: part 1 lists the
// layers 0..34, part 2 the layers 35..69, part 3 those from 70 on.
inline constexpr int kLayersPerTablePart = 35;
// The layers first .. end - 1 that part `part` of a table lists, of a run of
// `layerCount` layers (taken as 0..kMaxLayers); none when end <= first.
struct TablePartLayers {
  int first;
  int end;
};
TablePartLayers LayersOfTablePart(int part, int layerCount);

// The title of a table page and, on parts 2 and 3, the note that the table
// continues at x 1200 on row 6, then draws them.
void DrawTablePartTitle(PageTexts& texts, const fw::Font& titleFont, std::string_view title,
                        const fw::Font& noteFont, std::string_view continuationNote, int part);

// A rule across a results table (x 600 to 11000) in the pen selected.
void DrawTableRule(fw::DeviceContext& dc, int y);

// The top of a results table, in the pen selected: the rule at y -1890, the
// caption over its strength columns at (captionX, -1960) in `font`, and the
// caption's underline from underlineX to 8200 at y -2260.
void DrawStrengthCaption(fw::DeviceContext& dc, const fw::Font& font, int captionX, std::string_view caption,
                         int underlineX);

// The mode of failure that controls a layer: "Tieback" for mode 1, otherwise
// "Compound" (only the Polish tables translate them).
std::string_view ModeWord(ReportLanguage language, int controllingMode);

// A heading over a column of a results table: its lines (a text of a table,
// split at "\n"), the x of the column by language, and the languages whose
// heading starts on the line above the first heading line.
struct ColumnHeading {
  const LanguageTexts* text;
  PerLanguage<int> x;
  unsigned startsAboveIn = 0;  // LanguageBit of each such language
};
// One line of one heading that a language draws at an x of its own.
struct HeadingLineX {
  ReportLanguage language;
  int column;  // index into the headings
  int line;    // 0 the line above, 1 the first heading line, ...
  int x;
};
// Adds the heading lines of every column. lineY[0] is the y of the line
// above the first, lineY[1] .. lineY[4] those of the heading lines.
void AddColumnHeadings(PageTexts& texts, const fw::Font& font, ReportLanguage language,
                       std::span<const ColumnHeading> headings, std::span<const HeadingLineX> exceptions,
                       const int (&lineY)[5]);

// The inclination of the back line of the critical direct-sliding block in
// degrees (the points of the block in metres; a back line that stands upright
// or leans forward counts as 0.0001 m wide).
double ThetaCritical(const AnalysisResults& results);

// A column x that is the same in every language, and one language's own x.
constexpr PerLanguage<int> SameX(int x) {
  PerLanguage<int> table{};
  for (int& v : table) v = x;
  return table;
}
constexpr PerLanguage<int> WithX(PerLanguage<int> table, ReportLanguage language, int x) {
  table[LanguageIndex(language)] = x;
  return table;
}

}  // namespace tervane
