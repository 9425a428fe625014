// The pictures of the results dialogs, drawn in code: the formulas beside the
// summary and detailed tables, the names of the modes of failure on the
// direct-sliding page, the symbol of the critical wedge angle, and the faces of
// the EXCEL and PRINT_TABLE buttons.
//
// Like every picture, each fills its area with its background first, uses
// only the device context's own operations and leaves it as it found it.

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"
#include "resources/ResultsTablesResources.h"

namespace tervane::res {

namespace {

using fw::DeviceContext;
using fw::Point;
using picture::DrawFace;
using picture::Face;
using picture::Fill;
using picture::kDarkShadow;
using picture::kDialogGrey;
using picture::kHighlight;
using picture::kShadow;
using picture::MakeFont;
using picture::SavedState;

constexpr fw::ColorRef kPageGreen = fw::RGB(192, 220, 192);  // the direct-sliding page
constexpr fw::ColorRef kFace = picture::kButtonFace;
constexpr fw::ColorRef kFormulaInk = fw::RGB(0, 0, 128);

void Begin(DeviceContext& dc, int width, int height, fw::ColorRef background) {
  Fill(dc, 0, 0, width, height, background);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Top});
}

// ---- formulas: runs of text, some of them subscripts ---------------------------------

struct Run {
  std::string_view text;
  bool subscript = false;
};
using Runs = std::vector<Run>;

// Upright sans-serif letters stay legible at the small sizes of these
// pictures; subscripts three quarters of the size.
fw::Font RunFont(const Run& run, int size) {
  return MakeFont("Arial", run.subscript ? std::max(7, size * 3 / 4) : size);
}

int RunsWidth(DeviceContext& dc, const Runs& runs, int size) {
  int w = 0;
  for (const Run& run : runs) {
    dc.SelectFont(RunFont(run, size));
    w += dc.GetTextExtent(run.text).cx;
  }
  return w;
}

// Draws the runs from x with the top of the main letters at y; a subscript
// sits lower by two fifths of the letter size.
int DrawRuns(DeviceContext& dc, const Runs& runs, int size, int x, int y) {
  for (const Run& run : runs) {
    dc.SelectFont(RunFont(run, size));
    dc.TextOut(Point{x, run.subscript ? y + size * 2 / 5 : y}, run.text);
    x += dc.GetTextExtent(run.text).cx;
  }
  return x;
}

// The largest letter size (at most `largest`) with which every line is at
// most `width` wide.
int FittingSize(DeviceContext& dc, std::initializer_list<const Runs*> lines, int width, int largest) {
  int size = largest;
  for (; size > 6; --size) {
    int widest = 0;
    for (const Runs* line : lines) widest = std::max(widest, RunsWidth(dc, *line, size));
    if (widest <= width) break;
  }
  return size;
}

// One line of runs, centred in the picture.
void DrawFormulaLine(DeviceContext& dc, int width, int height, const Runs& runs) {
  const SavedState saved(dc);
  Begin(dc, width, height, kDialogGrey);
  dc.SetTextColor(kFormulaInk);
  const int size = FittingSize(dc, {&runs}, width - 4, height * 2 / 3);
  const int w = RunsWidth(dc, runs, size);
  DrawRuns(dc, runs, size, (width - w) / 2, (height - size - size / 3) / 2);
}

// "left = numerator / denominator" with the fraction written over a bar.
void DrawFraction(DeviceContext& dc, int width, int height, const Runs& left, const Runs& numerator,
                  const Runs& denominator) {
  const SavedState saved(dc);
  Begin(dc, width, height, kDialogGrey);
  dc.SetTextColor(kFormulaInk);
  dc.SelectPen(fw::Pen::Solid(1, kFormulaInk));
  const int rowHeight = (height - 3) / 2;
  int size = std::min(14, rowHeight);
  for (; size > 6; --size) {
    const int fraction = std::max(RunsWidth(dc, numerator, size), RunsWidth(dc, denominator, size));
    if (RunsWidth(dc, left, size) + 4 + fraction <= width - 2) break;
  }
  const int fraction = std::max(RunsWidth(dc, numerator, size), RunsWidth(dc, denominator, size));
  const int total = RunsWidth(dc, left, size) + 4 + fraction;
  const int x0 = std::max(1, (width - total) / 2);
  const int bar = height / 2;
  const int fx = DrawRuns(dc, left, size, x0, bar - size / 2 - 1) + 4;
  DrawRuns(dc, numerator, size, fx + (fraction - RunsWidth(dc, numerator, size)) / 2, bar - rowHeight);
  dc.MoveTo(Point{fx, bar});
  dc.LineTo(Point{fx + fraction, bar});
  DrawRuns(dc, denominator, size, fx + (fraction - RunsWidth(dc, denominator, size)) / 2, bar + 2);
}

void DrawMinimumUltimateFormula(DeviceContext& dc, int width, int height) {
  DrawFormulaLine(dc, width, height,
                  {{"T"}, {"ult-min", true}, {" = RF"}, {"id", true}, {" \u00b7 RF"}, {"d", true}, {" \u00b7 RF"},
                   {"c", true}, {" \u00b7 Fs"}, {"geosy-specified", true}, {" \u00b7 T"}, {"r", true}});
}

void DrawLengthFormula(DeviceContext& dc, int width, int height) {
  DrawFormulaLine(dc, width, height, {{"L = L"}, {"e", true}, {" + L"}, {"a", true}});
}

void DrawLongTermFormula(DeviceContext& dc, int width, int height) {
  DrawFraction(dc, width, height, {{"T"}, {"ltds", true}, {" ="}}, {{"T"}, {"ult", true}},
               {{"RF"}, {"id", true}, {"\u00b7RF"}, {"d", true}, {"\u00b7RF"}, {"c", true}});
}

void DrawActualFsFormula(DeviceContext& dc, int width, int height) {
  DrawFraction(dc, width, height, {{"Fs ="}}, {{"T"}, {"ltds", true}}, {{"T"}, {"r", true}});
}

void DrawWedgeAngleSymbol(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Begin(dc, width, height, kPageGreen);
  dc.SetTextColor(fw::kBlack);
  const Runs runs{{"\u03b8"}, {"cr", true}, {"="}};
  const int size = FittingSize(dc, {&runs}, width, height - 2);
  DrawRuns(dc, runs, size, 0, std::max(0, (height - size - size / 3) / 2));
}

// ---- the names of the modes of failure ---------------------------------------------

// Two lines in bold italic lettering of one colour, as large as they fit.
void DrawTwoWords(DeviceContext& dc, int width, int height, fw::ColorRef ink, std::string_view first,
                  std::string_view second) {
  const SavedState saved(dc);
  Begin(dc, width, height, kDialogGrey);
  dc.SetTextColor(ink);
  picture::FittedTwoLines(dc, width, height, first, second);
}

void DrawDirectSliding(DeviceContext& dc, int width, int height) {
  DrawTwoWords(dc, width, height, fw::RGB(220, 0, 0), "Direct", "Sliding");
}

void DrawDeepSeated(DeviceContext& dc, int width, int height) {
  DrawTwoWords(dc, width, height, fw::RGB(0, 0, 220), "Deep-", "Seated");
}

// ---- button faces --------------------------------------------------------------------

// A small push button: raised edges when up, sunken when down (the symbol one
// pixel lower and to the right), a dark frame when it has the focus.
void DrawButtonFrame(DeviceContext& dc, int width, int height, Face face) {
  Fill(dc, 0, 0, width, height, kFace);
  const bool down = face == Face::kDown;
  auto line = [&dc](int x0, int y0, int x1, int y1, fw::ColorRef color) {
    dc.SelectPen(fw::Pen::Solid(1, color));
    dc.MoveTo(Point{x0, y0});
    dc.LineTo(Point{x1, y1});
  };
  const int r = width - 1, b = height - 1;
  line(0, 0, r, 0, down ? kDarkShadow : kHighlight);
  line(0, 0, 0, b, down ? kDarkShadow : kHighlight);
  line(0, b, r + 1, b, down ? kHighlight : kDarkShadow);
  line(r, 0, r, b, down ? kHighlight : kDarkShadow);
  if (!down) {
    line(1, b - 1, r, b - 1, kShadow);
    line(r - 1, 1, r - 1, b - 1, kShadow);
  }
  if (face == Face::kFocused) {
    dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
    dc.SelectBrush(fw::Brush::Hollow());
    dc.Rectangle(fw::Rect{0, 0, width, height});
  }
}

// A sheet of a workbook: a white page with a green title row and a grid.
void DrawExcel(DeviceContext& dc, int width, int height, Face face) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kFace);
  DrawButtonFrame(dc, width, height, face);
  const int d = face == Face::kDown ? 1 : 0;
  const int left = 3 + d, top = 3 + d, right = width - 4 + d, bottom = height - 4 + d;
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(0, 100, 0)));
  dc.SelectBrush(fw::Brush::Solid(kHighlight));
  dc.Rectangle(fw::Rect{left, top, right + 1, bottom + 1});
  Fill(dc, left + 1, top + 1, right, top + 4, fw::RGB(0, 128, 0));
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(120, 170, 120)));
  for (int y = top + 6; y < bottom; y += 3) {
    dc.MoveTo(Point{left + 1, y});
    dc.LineTo(Point{right, y});
  }
  for (int x = left + 4; x < right; x += 4) {
    dc.MoveTo(Point{x, top + 4});
    dc.LineTo(Point{x, bottom});
  }
}

// A printer with a sheet of paper coming out of it.
void DrawPrintTable(DeviceContext& dc, int width, int height, Face face) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kFace);
  DrawButtonFrame(dc, width, height, face);
  const int d = face == Face::kDown ? 1 : 0;
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  // The paper in the back.
  dc.SelectBrush(fw::Brush::Solid(kHighlight));
  dc.Rectangle(fw::Rect{5 + d, 3 + d, 13 + d, 9 + d});
  // The body of the printer.
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(96, 96, 96)));
  dc.Rectangle(fw::Rect{3 + d, 8 + d, 15 + d, 13 + d});
  Fill(dc, 12 + d, 9 + d, 14 + d, 10 + d, fw::RGB(0, 220, 0));
  // The printed sheet in front, with two lines of text.
  dc.SelectBrush(fw::Brush::Solid(kHighlight));
  dc.Rectangle(fw::Rect{5 + d, 11 + d, 13 + d, 16 + d});
  dc.SelectPen(fw::Pen::Solid(1, kShadow));
  for (int y : {13, 14}) {
    dc.MoveTo(Point{6 + d, y + d});
    dc.LineTo(Point{12 + d, y + d});
  }
}

const PictureRegistration registration({
    Picture{kPictureLengthFormula, "LENGTH_FORMULA", 63, 16, kDialogGrey, &DrawLengthFormula},
    Picture{kPictureLongTermFormula, "LONG_TERM_STRENGTH_FORMULA", 120, 31, kDialogGrey, &DrawLongTermFormula},
    Picture{kPictureActualFsFormula, "ACTUAL_FS_FORMULA", 62, 33, kDialogGrey, &DrawActualFsFormula},
    Picture{kPictureDeepSeated, "DEEP_SEATED", 71, 36, kDialogGrey, &DrawDeepSeated, true},
    Picture{kPictureDirectSliding, "DIRECT_SLIDING", 77, 34, kDialogGrey, &DrawDirectSliding, true},
    Picture{kPictureMinimumUltimateFormula, "MINIMUM_ULTIMATE_STRENGTH_FORMULA", 270, 24, kDialogGrey,
            &DrawMinimumUltimateFormula},
    Picture{kPictureWedgeAngleSymbol, "WEDGE_ANGLE_SYMBOL", 20, 15, kPageGreen, &DrawWedgeAngleSymbol},
    Picture{kPictureExcelUp, "EXCELU", 18, 18, kFace, &DrawFace<DrawExcel, Face::kUp>},
    Picture{kPictureExcelDown, "EXCELD", 18, 18, kFace, &DrawFace<DrawExcel, Face::kDown>},
    Picture{kPictureExcelFocused, "EXCELF", 18, 18, kFace, &DrawFace<DrawExcel, Face::kFocused>},
    Picture{kPicturePrintTableUp, "PRINT_TABLEU", 18, 18, kFace, &DrawFace<DrawPrintTable, Face::kUp>},
    Picture{kPicturePrintTableDown, "PRINT_TABLED", 18, 18, kFace, &DrawFace<DrawPrintTable, Face::kDown>},
    Picture{kPicturePrintTableFocused, "PRINT_TABLEF", 18, 18, kFace, &DrawFace<DrawPrintTable, Face::kFocused>},
});

}  // namespace

}  // namespace tervane::res
