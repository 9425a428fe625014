// The to-scale cross-section of report page 2 (see GeometrySketch.h).

#include "report/GeometrySketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "model/StrengthFunctions.h"
#include "model/ProjectData.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

// The scale caption in the order of the report languages (the French one
// keeps its trailing blank).
constexpr LanguageTexts kScaleCaption = {"SCALE:", "SCHAAL:", "ÉCHELLE: ", "Maßstab:", "SCALA:",  "ESCALA:",
                                         "ESCALA:", "SKALA:", "SKAALA:",   "SKALA:",   ":",       "МАСШТАБ:"};
const ReportTextRegistration registration("geometry sketch", {{"scale caption", &kScaleCaption}});

constexpr double kDegree = 0.017453292519444445;
constexpr double kToeX = 2500.0;
constexpr double kToeY = -11000.0;
constexpr double kRightEdge = 11000.0;
constexpr double kLeftEdge = 500.0;
constexpr double kBottomEdge = -13000.0;
constexpr double kDrawnHeight = 2000.0;
constexpr double kLongestLayerEnd = 10500.0;
constexpr double kArrowSpacing = 120.0;
constexpr double kLongestArrow = 700.0;

// One range of the scale bar: tick labels at positions m, the unit text, the
// grey cells of its two rows (from a to b, in displayed units) and its length.
struct Tick {
  const char* text;
  double at;
};
struct Span {
  double from;
  double to;
};
struct ScaleBar {
  double upTo;  // displayed heights up to this value
  std::vector<Tick> ticks;
  double unitAt;
  std::vector<Span> lower;
  std::vector<Span> upper;
  double length;
};

const std::array<ScaleBar, 5>& ScaleBars() {
  static const std::array<ScaleBar, 5> bars = {{
      {10, {{"0", 0}, {"2", 2}, {"4", 4}, {"6", 6}}, 6, {{0, 1}, {2, 3}, {4, 5}}, {{1, 2}, {3, 4}, {5, 6}}, 6},
      {20, {{"0", 0}, {"5", 5}, {"10", 10}, {"15", 15}, {"20", 20}}, 21, {{0, 5}, {10, 15}}, {{5, 10}, {15, 20}}, 20},
      {30, {{"0", -1}, {"10", 9}, {"20", 19}, {"30", 29}}, 31, {{0, 5}, {10, 15}, {20, 25}},
       {{5, 10}, {15, 20}, {25, 30}}, 30},
      {50, {{"0", -1}, {"10", 9}, {"20", 19}, {"30", 29}, {"40", 39}, {"50", 49}}, 52, {{0, 10}, {20, 30}, {40, 50}},
       {{10, 20}, {30, 40}}, 50},
      {HUGE_VAL, {{"0", -3}, {"25", 22}, {"50", 47}, {"75", 72}, {"100", 97}}, 107, {{0, 25}, {50, 75}},
       {{25, 50}, {75, 100}}, 100},
  }};
  return bars;
}

const ScaleBar& ScaleBarFor(double displayedHeight) {
  for (const ScaleBar& bar : ScaleBars()) {
    if (displayedHeight <= bar.upTo) return bar;
  }
  // Only NaN gets here.
  return ScaleBars().front();
}

void Line(fw::DeviceContext& dc, double x1, double y1, double x2, double y2) {
  dc.MoveTo(fw::MakePoint(x1, y1));
  dc.LineTo(fw::MakePoint(x2, y2));
}

// A row of surcharge arrows at x = x0 + 120 n (n = 0, 1, ...) while x < xEnd,
// each standing on groundY(n) and `length` twips long. A row may run past the
// sketch's frame; it stops where the device ends (`visibleEnd`), since no
// arrow beyond it can be seen, so no input makes the row endless. Returns the
// ground level of the last arrow drawn, or `none` when no arrow was drawn.
template <class GroundY>
double ArrowRow(fw::DeviceContext& dc, double x0, double xEnd, double visibleEnd, double length, GroundY groundY,
                double none) {
  double first = 0.0;
  if (x0 < kLeftEdge) first = std::ceil((kLeftEdge - x0) / kArrowSpacing);
  // A start that is not a number, or a frame that lies out of reach of the
  // row, draws nothing.
  if (!std::isfinite(first) || first > 1e9) return none;
  const double end = xEnd < visibleEnd ? xEnd : visibleEnd;
  double last = none;
  for (double n = first;; n += 1.0) {
    const double x = x0 + kArrowSpacing * n;
    if (!(x < end)) break;
    const double y = groundY(n);
    Line(dc, x, y, x, y + length);
    dc.MoveTo(fw::MakePoint(x - 50, y + 100));
    dc.LineTo(fw::MakePoint(x, y));
    dc.LineTo(fw::MakePoint(x + 50, y + 100));
    last = y;
  }
  return last;
}

// The largest x the device shows (at least the sketch's right edge, and
// within reach of a short loop whatever the device claims).
double VisibleRightEdge(const fw::DeviceContext& dc) {
  const fw::Size size = dc.DeviceSize();
  const int right = std::max(dc.DeviceToLogical(fw::Point{size.cx, 0}).x, dc.DeviceToLogical(fw::Point{0, 0}).x);
  return std::clamp(static_cast<double>(right), kRightEdge, 50000.0);
}

// What every step of the sketch draws with: the project, the colour mode and
// the scaled points of the section (C top of the face, A end of the crest, B
// end of the backslope, F the bottom line's left end).
struct SketchPoints {
  fw::DeviceContext& dc;
  const ProjectInput& run;
  const AnalysisResults& results;
  bool colour;
  int layers;
  double s;
  double H;
  double xc;
  double yc;
  double xa;
  double xb;
  double yb;
  double yf;

  fw::Brush Fill(fw::ColorRef c) const { return fw::Brush::Solid(colour ? c : fw::kWhite); }
  fw::Pen Pen1(fw::ColorRef c) const { return fw::Pen::Solid(1, colour ? c : fw::kBlack); }
  double RearX(int k) const {
    return kToeX + s * results.layerFrontX[k] + s * (results.layerRearX[k] - results.layerFrontX[k]);
  }
  double LevelY(int k) const { return kToeY + s * results.resultLayerElevation[k]; }
};

// The ground body: its fill is the colour of the reinforced zone.
void DrawGroundBody(const SketchPoints& p) {
  fw::DeviceContext& dc = p.dc;
  dc.SelectBrush(p.Fill(fw::RGB(255, 204, 51)));
  dc.SelectPen(fw::Pen::Solid(10, fw::kBlack));
  const fw::Point ground[] = {fw::MakePoint(kToeX, kToeY),
                              fw::MakePoint(p.xc, p.yc),
                              fw::MakePoint(p.xa, p.yc),
                              fw::MakePoint(p.xb, p.yb),
                              fw::MakePoint(kRightEdge, p.yb),
                              fw::MakePoint(kRightEdge, kBottomEdge),
                              fw::MakePoint(kLeftEdge, kBottomEdge),
                              fw::MakePoint(kLeftEdge, p.yf),
                              fw::MakePoint(kToeX, kToeY)};
  dc.Polygon(ground);
}

// The retained soil: right of the rear ends of the layers, up to the ground.
// Without layers there is no reinforced zone: it starts at the toe.
void DrawRetainedSoil(const SketchPoints& p) {
  fw::DeviceContext& dc = p.dc;
  const int layers = p.layers;
  const double xc = p.xc, yc = p.yc, xa = p.xa, xb = p.xb, yb = p.yb;
  dc.SelectPen(p.Pen1(fw::RGB(255, 214, 121)));
  dc.SelectBrush(p.Fill(fw::RGB(255, 214, 121)));
  std::vector<fw::Point> soil;
  const double firstX = layers > 0 ? p.RearX(0) : kToeX;
  soil.push_back(fw::MakePoint(kRightEdge, kToeY));
  soil.push_back(fw::MakePoint(firstX, kToeY));
  for (int k = 0; k < layers; ++k) soil.push_back(fw::MakePoint(p.RearX(k), p.LevelY(k)));
  const double x = layers > 0 ? p.RearX(layers - 1) : kToeX;
  // Every branch ends on the ground at the end of B or beyond it, at the
  // height of the end of B: the right edge closes at that height.
  if (x < xc) {
    // On the face: a face that does not lean back has no height to share.
    const double t = xc - kToeX > 0 ? (x - kToeX) / (xc - kToeX) : 1.0;
    soil.push_back(fw::MakePoint(x, kToeY + p.s * p.H * t));
    soil.push_back(fw::MakePoint(xc, yc));
    soil.push_back(fw::MakePoint(xa, yc));
    soil.push_back(fw::MakePoint(xb, yb));
  } else if (x < xa) {
    soil.push_back(fw::MakePoint(x, yc));
    soil.push_back(fw::MakePoint(xa, yc));
    soil.push_back(fw::MakePoint(xb, yb));
  } else if (x < xb) {
    soil.push_back(fw::MakePoint(x, yc + (x - xa) * (yb - yc) / (xb - xa)));
    soil.push_back(fw::MakePoint(xb, yb));
  } else {
    soil.push_back(fw::MakePoint(x, yb));
  }
  soil.push_back(fw::MakePoint(kRightEdge, yb));
  dc.Polygon(soil);
}

void DrawFoundation(const SketchPoints& p) {
  fw::DeviceContext& dc = p.dc;
  dc.SelectPen(p.Pen1(fw::RGB(223, 158, 62)));
  dc.SelectBrush(p.Fill(fw::RGB(223, 158, 62)));
  const fw::Point foundation[] = {fw::MakePoint(kRightEdge, kToeY),
                                  fw::MakePoint(kRightEdge, kBottomEdge),
                                  fw::MakePoint(kLeftEdge, kBottomEdge),
                                  fw::MakePoint(kLeftEdge, p.yf), fw::MakePoint(kToeX, kToeY)};
  dc.Polygon(foundation);
}

// The surcharges: arrows of 700 twips for the largest load, each row with its
// name above it.
void DrawSurcharges(const SketchPoints& p, const fw::Font& headingFont, const fw::Font& bodyFont) {
  fw::DeviceContext& dc = p.dc;
  const ProjectInput& run = p.run;
  const bool colour = p.colour;
  const double s = p.s, xc = p.xc, yc = p.yc, xa = p.xa, xb = p.xb, yb = p.yb;
  double qmax = run.surchargeQ1;
  if (run.surchargeQ2 > qmax) qmax = run.surchargeQ2;
  if (run.surchargeQ3 > qmax) qmax = run.surchargeQ3;
  const double f = qmax >= 0.001 ? kLongestArrow / qmax : 0.0;
  const double visibleEnd = VisibleRightEdge(dc);
  const auto label = [&](const char* name, double x, double y) {
    dc.SelectFont(headingFont);
    dc.TextOut(fw::MakePoint(x, y), name);
    dc.SelectFont(bodyFont);
  };
  if (run.surchargeQ1 > 0.001 && run.crestLengthA > 0.001) {
    dc.SelectPen(fw::Pen::Solid(10, colour ? fw::RGB(0, 128, 0) : fw::kBlack));
    ArrowRow(dc, xc, xa, visibleEnd, f * run.surchargeQ1, [&](double) { return yc; }, yc);
    label("Q1", xc + s * run.crestLengthA / 2 - 50, yc + f * run.surchargeQ1 + 350);
  }
  if (run.surchargeQ2 > 0.001 && run.crestLengthB > 0.001) {
    dc.SelectPen(fw::Pen::Solid(10, colour ? fw::RGB(255, 0, 0) : fw::kBlack));
    // A backslope drawn without width rises nowhere.
    const double rise = xb - xa > 0 ? (yb - yc) / (xb - xa) : 0.0;
    const double y = ArrowRow(dc, xa, xb, visibleEnd, f * run.surchargeQ2, [&](double n) { return yc + kArrowSpacing * n * rise; },
                              yc);
    label("Q2", xa + s * run.crestLengthB / 2 - 50, y + f * run.surchargeQ2 + 300);
  }
  if (run.surchargeQ3 > 0.001) {
    dc.SelectPen(fw::Pen::Solid(10, colour ? fw::RGB(128, 0, 128) : fw::kBlack));
    ArrowRow(dc, xb, kRightEdge, visibleEnd, f * run.surchargeQ3, [&](double) { return yb; }, yb);
    label("Q3", xb + 800, yb + f * run.surchargeQ3 + 350);
  }
}

// The water below the phreatic surface, when the section has one.
void DrawWater(const SketchPoints& p) {
  const ProjectInput& run = p.run;
  if (run.waterMode != 0) return;
  fw::DeviceContext& dc = p.dc;
  const double s = p.s;
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(p.Fill(fw::RGB(175, 240, 250)));
  const double y4 = kToeY + s * run.phreaticY4;
  const fw::Point water[] = {fw::MakePoint(kToeX, kToeY),
                             fw::MakePoint(kToeX + s * run.phreaticX2, kToeY + s * run.phreaticY2),
                             fw::MakePoint(kToeX + s * run.phreaticX3, kToeY + s * run.phreaticY3),
                             fw::MakePoint(kToeX + s * run.phreaticX4, y4),
                             fw::MakePoint(kRightEdge, y4),
                             fw::MakePoint(kRightEdge, kBottomEdge),
                             fw::MakePoint(kLeftEdge, kBottomEdge),
                             fw::MakePoint(kLeftEdge, p.yf),
                             fw::MakePoint(kToeX, kToeY)};
  dc.Polygon(water);
}

// The layers, lowest first, red when overstressed (in colour).
void DrawLayers(const SketchPoints& p, CReportPrinter& printer) {
  for (int k = 0; k < p.layers; ++k) {
    const double ratio = printer.ComputeLayerStrengthRatio(k);
    const bool red = p.colour && IsLayerOverstressed(p.run, ratio);
    p.dc.SelectPen(fw::Pen::Solid(15, red ? fw::RGB(255, 0, 0) : fw::kBlack));
    const double xf = kToeX + p.s * p.results.layerFrontX[k];
    Line(p.dc, xf, p.LevelY(k), p.RearX(k), p.LevelY(k));
  }
}

// The scale bar in the displayed length unit: caption, tick labels, unit,
// the grey cells of its two rows and its outline.
void DrawScaleBar(const SketchPoints& p, CReportPrinter& printer, const fw::Font& bodyFont) {
  fw::DeviceContext& dc = p.dc;
  const double H = p.H;
  const ReportLanguage language = printer.Language();
  const double lengthFactor = printer.lengthUnitFactor;
  const double heightShown = (std::isfinite(H) && H > 0 ? H : 1.0) * lengthFactor;
  const ScaleBar& bar = ScaleBarFor(heightShown);
  const double d = p.s / lengthFactor;
  dc.SelectFont(bodyFont);
  dc.TextOut(2000, -13200, Pick(kScaleCaption, language));
  double lastLabelEnd = 0.0;
  for (const Tick& tick : bar.ticks) {
    const fw::Point at = fw::MakePoint(2000 + d * tick.at, -13500);
    dc.TextOut(at, tick.text);
    lastLabelEnd = at.x + dc.GetTextExtent(tick.text).cx;
  }
  // The unit stands 120 twips right of its position, but never over the last
  // number (whose cell is wider than that gap): at least a blank after it.
  double unitX = 2000 + d * bar.unitAt + 120;
  const double clear = lastLabelEnd + dc.GetTextExtent(" ").cx;
  if (unitX < clear) unitX = clear;
  dc.TextOut(fw::MakePoint(unitX, -13500), UnitLabel(Quantity::kLength, printer.reportUnitSystem,
                                                     printer.SymbolStyle(), language));
  const fw::Brush grey = fw::Brush::Solid(fw::RGB(192, 192, 192));
  for (const Span& cell : bar.lower) {
    dc.FillRect(fw::Rect{fw::ToDeviceCoord(2000 + d * cell.from), -13940, fw::ToDeviceCoord(2000 + d * cell.to), -14000},
                grey);
  }
  for (const Span& cell : bar.upper) {
    dc.FillRect(fw::Rect{fw::ToDeviceCoord(2000 + d * cell.from), -13880, fw::ToDeviceCoord(2000 + d * cell.to), -13940},
                grey);
  }
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Hollow());
  dc.Rectangle(fw::Rect{2000, -14000, fw::ToDeviceCoord(2000 + d * bar.length), -13880});
}

}  // namespace

double SketchScale(double slopeHeight, const AnalysisResults& results, int layerCount) {
  // A height that is not positive is drawn at the scale of a 1 m slope.
  const double height = std::isfinite(slopeHeight) && slopeHeight > 0 ? slopeHeight : 1.0;
  double s = kDrawnHeight / height;
  double longest = -1.0;
  const int layers = BoundedLayerCount(layerCount);
  for (int k = 0; k < layers; ++k) {
    const double length = s * (results.layerRearX[k] - results.layerFrontX[k]);
    if (length > longest) longest = length;
  }
  if (kToeX + longest > kLongestLayerEnd) s = s * kLongestLayerEnd / (kToeX + longest);
  return s;
}

void DrawGeometrySketch(fw::DeviceContext& dc, CReportPrinter& printer, const fw::Font& headingFont,
                        const fw::Font& bodyFont) {
  const ProjectData& project = Project();
  const ProjectInput& run = project.runInput;
  const AnalysisResults& results = project.results;
  const bool colour = project.settings.printColorMode == 0;
  const int layers = BoundedLayerCount(printer.reportLayerCount);

  // 1. Start.
  const fw::Pen oldPen = dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  const fw::Brush oldBrush = dc.SelectBrush(fw::Brush::Solid(fw::kWhite));

  // 2. Scale and the derived points.
  const double s = SketchScale(run.slopeHeight, results, layers);
  const double H = run.slopeHeight;
  const double xc = kToeX + s * H / std::tan(run.slopeAngle * kDegree);
  const double yc = kToeY + s * H;
  const double xa = xc + s * run.crestLengthA;
  const double xb = xa + s * run.crestLengthB;
  const double yb = yc + s * run.crestLengthB * std::tan(run.backslopeAngle * kDegree);
  const double yf = kToeY - kDrawnHeight * std::tan(run.bottomSlopeAngle * kDegree);
  const SketchPoints points{dc, run, results, colour, layers, s, H, xc, yc, xa, xb, yb, yf};

  // 3. to 9. The section, back to front, and the scale bar.
  DrawGroundBody(points);
  DrawRetainedSoil(points);
  DrawFoundation(points);
  DrawSurcharges(points, headingFont, bodyFont);
  DrawWater(points);
  DrawLayers(points, printer);
  DrawScaleBar(points, printer, bodyFont);

  // 10. End.
  dc.SelectBrush(oldBrush);
  dc.SelectPen(oldPen);
}

}  // namespace tervane
