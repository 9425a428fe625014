// The slope painter: the main menu's sketch pinned by golden drawing logs,
// the rows of surcharge arrows, the variants of the two dialogs, and inputs
// that must paint quickly and safely (no endless row, no infinite coordinate).

#include "common/SlopeSketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "framework/testing/RecordingDC.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

// The client area of the main menu at 96 dpi (455 x 250 dialog units).
constexpr int kMenuWidth = 682;
constexpr int kMenuHeight = 406;

std::vector<std::string> Paint(const ProjectInput& input, int w = kMenuWidth, int h = kMenuHeight) {
  fw::RecordingDC dc;
  PaintMainMenuSketch(dc, input, w, h);
  return dc.Lines();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The arrows of the log, by the pen they were drawn with: each is MoveTo,
// LineTo (the shaft), MoveTo, LineTo, LineTo (the head).
struct Arrow {
  int x = 0;
  int y = 0;
  int length = 0;
};
std::vector<Arrow> ArrowsDrawnWith(const std::vector<std::string>& lines, fw::ColorRef color) {
  const std::string pen = "SelectPen " + fw::RecordingDC::Describe(fw::Pen::Solid(1, color));
  std::vector<Arrow> arrows;
  bool inPen = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("SelectPen", 0) == 0) inPen = lines[i] == pen;
    if (!inPen || lines[i].rfind("MoveTo", 0) != 0 || i + 4 >= lines.size()) continue;
    if (lines[i + 1].rfind("LineTo", 0) != 0 || lines[i + 2].rfind("MoveTo", 0) != 0) continue;
    Arrow a;
    int x2 = 0, y2 = 0;
    std::sscanf(lines[i].c_str(), "MoveTo %d %d", &a.x, &a.y);
    std::sscanf(lines[i + 1].c_str(), "LineTo %d %d", &x2, &y2);
    a.length = a.y - y2;
    EXPECT_EQ(x2, a.x);
    EXPECT_EQ(lines[i + 2], "MoveTo " + std::to_string(fw::ToDeviceCoord(a.x - 5.0)) + " " +
                                std::to_string(a.y - 10));
    arrows.push_back(a);
    i += 4;
  }
  return arrows;
}

const fw::ColorRef kGreen = fw::RGB(0, 128, 0);
const fw::ColorRef kRed = fw::RGB(255, 0, 0);
const fw::ColorRef kPurple = fw::RGB(128, 0, 128);

TEST(MainMenuSketchTest, DefaultInputMatchesItsGolden) {
  fw::golden::ExpectGolden(Joined(Paint(ProjectInput())), "main_menu_sketch_default.log");
}

// Loads on all three parts, a phreatic surface and a ground falling away
// in front of the toe.
TEST(MainMenuSketchTest, LoadedSlopeWithWaterMatchesItsGolden) {
  ProjectInput input;
  input.surchargeQ1 = 10.0;
  input.surchargeQ2 = 20.0;
  input.surchargeQ3 = 5.0;
  input.crestLengthA = 4.0;
  input.crestLengthB = 3.0;
  input.bottomSlopeAngle = 10.0;
  input.waterMode = 0;
  fw::golden::ExpectGolden(Joined(Paint(input)), "main_menu_sketch_loaded.log");
}

TEST(MainMenuSketchTest, DefaultPointsAndObjects) {
  const std::vector<std::string> lines = Paint(ProjectInput());
  const std::vector<std::string> expected = {
      "Save",
      "SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0",
      "SelectBrush solid RGB(222,222,222)",
      "SelectPen solid 1 RGB(255,255,0)",
      "SelectBrush solid RGB(255,204,51)",
      "Polygon 9 (341,312) (442,211) (476,211) (510,191) (671,191) (671,393) (262,393) (262,312) (341,312)",
      "SetTextColor RGB(0,0,0)",
      "SetBkColor RGB(204,236,255)",
      "SetBkMode opaque",
      "TextOut 286 296 \"(X=0, Y=0)\"",
      "SelectPen solid 1 RGB(0,0,0)",
      "SelectBrush solid RGB(0,0,0)",
      "Ellipse 337 308 345 316",
      "Restore",
  };
  EXPECT_EQ(lines, expected);
}

TEST(MainMenuSketchTest, ArrowRows) {
  struct Case {
    const char* what;
    double q1, q2, q3, b;
    int green, red, purple;  // the length of each row's arrows, 0 for no row
  };
  const Case cases[] = {
      {"no load", 0.0, 0.0, 0.0, 2.0, 0, 0, 0},
      {"loads at or below 0.001", 0.001, 0.0005, 0.001, 2.0, 0, 0, 0},
      {"one load of any size is 50 pixels long", 0.0, 0.0, 7.25, 2.0, 0, 0, 50},
      {"a small single load as well", 0.002, 0.0, 0.0, 2.0, 50, 0, 0},
      {"two loads in proportion to the larger", 10.0, 0.0, 20.0, 2.0, 25, 0, 50},
      {"three loads", 40.0, 20.0, 10.0, 2.0, 50, 25, 12},
      {"no backslope, no Q2 row", 0.0, 30.0, 0.0, 0.0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectInput input;
    input.surchargeQ1 = c.q1;
    input.surchargeQ2 = c.q2;
    input.surchargeQ3 = c.q3;
    input.crestLengthB = c.b;
    const std::vector<std::string> lines = Paint(input);
    for (const auto& [color, length] : {std::pair{kGreen, c.green}, {kRed, c.red}, {kPurple, c.purple}}) {
      const std::vector<Arrow> arrows = ArrowsDrawnWith(lines, color);
      EXPECT_EQ(arrows.empty(), length == 0) << fw::RecordingDC::Describe(color);
      for (const Arrow& a : arrows) EXPECT_EQ(a.length, length);
    }
  }
}

TEST(MainMenuSketchTest, ArrowRowsFollowTheGroundAndStopAtTheirEnds) {
  ProjectInput input;
  input.surchargeQ1 = 10.0;
  input.surchargeQ2 = 10.0;
  input.surchargeQ3 = 10.0;
  const std::vector<std::string> lines = Paint(input);
  // d = 0.014 * 682 = 9.548; the crest runs from 442.5 to 476.33, the
  // backslope to 510.17, the level ground to the right edge 671.77.
  const std::vector<Arrow> q1 = ArrowsDrawnWith(lines, kGreen);
  ASSERT_EQ(q1.size(), 4u);
  EXPECT_EQ(q1.front().x, 442);
  EXPECT_EQ(q1.back().x, 471);
  for (const Arrow& a : q1) EXPECT_EQ(a.y, 211);
  const std::vector<Arrow> q2 = ArrowsDrawnWith(lines, kRed);
  ASSERT_EQ(q2.size(), 4u);
  EXPECT_EQ(q2.front().y, 211);
  EXPECT_LT(q2.back().y, q2.front().y);  // climbing the backslope
  const std::vector<Arrow> q3 = ArrowsDrawnWith(lines, kPurple);
  ASSERT_EQ(q3.size(), 17u);
  EXPECT_EQ(q3.front().x, 510);
  EXPECT_LT(q3.back().x, 672);
  for (const Arrow& a : q3) EXPECT_EQ(a.y, 191);
}

TEST(MainMenuSketchTest, WaterModesChangeTheFillAndTheWaterBody) {
  ProjectInput input;
  input.waterMode = 1;
  std::string log = Joined(Paint(input));
  EXPECT_NE(log.find("SelectBrush solid RGB(204,204,0)"), std::string::npos);
  EXPECT_EQ(log.find("RGB(166,202,240)"), std::string::npos);
  input.waterMode = 2;
  log = Joined(Paint(input));
  EXPECT_NE(log.find("SelectBrush solid RGB(255,204,51)"), std::string::npos);
  EXPECT_EQ(log.find("RGB(166,202,240)"), std::string::npos);
  input.waterMode = 0;
  const std::vector<std::string> lines = Paint(input);
  // Over the soil body: (5, 1), (8, 2.5), (10, 4) from the toe, level beyond.
  const std::vector<std::string> water = {
      "SelectPen solid 1 RGB(255,255,0)", "SelectBrush solid RGB(166,202,240)",
      "Polygon 9 (341,312) (425,295) (476,270) (510,244) (671,244) (671,393) (262,393) (262,312) (341,312)"};
  const auto at = std::search(lines.begin(), lines.end(), water.begin(), water.end());
  ASSERT_NE(at, lines.end());
  EXPECT_GT(at - lines.begin(), 5);  // after the soil body
}

// Inputs that once made the painter endless or slow: each paints in well
// under a second and draws a bounded number of things.
TEST(MainMenuSketchTest, ExtremeInputsPaintQuicklyAndSafely) {
  struct Case {
    const char* what;
    int w, h;
    void (*change)(ProjectInput&);
  };
  const Case cases[] = {
      {"backslope of 90 degrees", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.backslopeAngle = 90.0;
         p.surchargeQ2 = 5.0;
         p.surchargeQ3 = 5.0;
       }},
      {"crest of 1e9 m", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.crestLengthA = 1e9;
         p.crestLengthB = 1e9;
         p.surchargeQ1 = 1.0;
         p.surchargeQ2 = 1.0;
         p.surchargeQ3 = 1.0;
       }},
      {"zero-width window", 0, kMenuHeight, [](ProjectInput& p) { p.surchargeQ1 = 1.0; }},
      {"zero-height window", kMenuWidth, 0, [](ProjectInput& p) { p.surchargeQ1 = 1.0; }},
      {"a one-pixel window", 1, 1, [](ProjectInput& p) { p.surchargeQ3 = 1.0; }},
      {"height of 0", kMenuWidth, kMenuHeight, [](ProjectInput& p) { p.slopeHeight = 0.0; }},
      {"negative height", kMenuWidth, kMenuHeight, [](ProjectInput& p) { p.slopeHeight = -6.0; }},
      {"height not a number", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) { p.slopeHeight = std::numeric_limits<double>::quiet_NaN(); }},
      {"a tiny height", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.slopeHeight = 1e-300;
         p.surchargeQ1 = 1.0;
         p.surchargeQ2 = 1.0;
       }},
      {"a face of 0 degrees", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.slopeAngle = 0.0;
         p.surchargeQ1 = 1.0;
       }},
      {"a face leaning back", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.slopeAngle = 179.9999;
         p.slopeHeight = 1e-200;
         p.surchargeQ1 = 1.0;
       }},
      {"infinite loads and lengths", kMenuWidth, kMenuHeight,
       [](ProjectInput& p) {
         p.crestLengthA = std::numeric_limits<double>::infinity();
         p.surchargeQ1 = std::numeric_limits<double>::infinity();
         p.surchargeQ3 = 1e308;
         p.phreaticX4 = 1e300;
         p.waterMode = 0;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectInput input;
    c.change(input);
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> lines = Paint(input, c.w, c.h);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0);
    // At most about 72 arrows in each of the three rows.
    EXPECT_LT(lines.size(), 1200u);
    for (const std::string& line : lines) {
      std::istringstream in(line);
      std::string word;
      while (in >> word) {
        for (char& ch : word)
          if (ch == '(' || ch == ')' || ch == ',') ch = ' ';
        std::istringstream numbers(word);
        long long v = 0;
        while (numbers >> v) EXPECT_LE(std::llabs(v), fw::kCoordLimit) << line;
      }
    }
  }
  // Nothing at all while the height has no meaning or the window no area.
  ProjectInput flat;
  flat.slopeHeight = 0.0;
  EXPECT_TRUE(Paint(flat).empty());
  EXPECT_TRUE(Paint(ProjectInput(), 0, kMenuHeight).empty());
}

TEST(MainMenuSketchTest, ARowAcrossAHugeCrestStopsAtTheWindowEdge) {
  ProjectInput input;
  input.crestLengthA = 1e9;
  input.surchargeQ1 = 1.0;
  const std::vector<Arrow> arrows = ArrowsDrawnWith(Paint(input), kGreen);
  ASSERT_FALSE(arrows.empty());
  EXPECT_LE(arrows.size(), 1u + static_cast<std::size_t>(kMenuWidth / (0.014 * kMenuWidth)));
  for (const Arrow& a : arrows) EXPECT_LT(a.x, kMenuWidth);
}

TEST(DialogSketchTest, TheGeometryVariantFloorsTheFaceAtTenDegreesAndPadsItsOutline) {
  SketchSlope shown = SketchSlopeOf(ProjectInput());
  shown.slopeAngle = 5.0;
  fw::RecordingDC five;
  PaintSlopeSketch(five, GeometryDialogSketch(shown), 696, 417);
  shown.slopeAngle = 10.0;
  fw::RecordingDC ten;
  PaintSlopeSketch(ten, GeometryDialogSketch(shown), 696, 417);
  EXPECT_EQ(five.Lines(), ten.Lines());
  const std::string polygon = ten.Lines()[5];
  EXPECT_EQ(polygon.rfind("Polygon 30 (348,208) ", 0), 0u) << polygon;
  // The last 21 points repeat the toe.
  std::string tail;
  for (int i = 0; i < 22; ++i) tail += " (348,208)";
  EXPECT_EQ(polygon.substr(polygon.size() - tail.size()), tail);
  EXPECT_EQ(ten.Text().find("TextOut"), std::string::npos);
  EXPECT_EQ(ten.Text().find("Ellipse"), std::string::npos);
}

TEST(DialogSketchTest, TheWaterVariantDrawsItsLoadsYellowAndItsFillByMode) {
  ProjectInput input;
  input.surchargeQ1 = 5.0;
  const SketchWater water{5.0, 1.0, 8.0, 2.5, 10.0, 4.0};
  fw::RecordingDC dc;
  PaintSlopeSketch(dc, WaterDialogSketch(input, 1, water), 681, 339);
  const std::string log = dc.Text();
  EXPECT_NE(log.find("SelectBrush solid RGB(204,204,0)"), std::string::npos);
  EXPECT_EQ(log.find("RGB(0,128,0)"), std::string::npos);
  EXPECT_EQ(ArrowsDrawnWith(dc.Lines(), fw::RGB(255, 255, 0)).size(), 3u);  // 28.25 pixels of crest, 9.534 apart
  EXPECT_NE(log.find("SetBkColor RGB(222,222,222)"), std::string::npos);
  EXPECT_EQ(log.find("RGB(166,202,240)"), std::string::npos);  // no water body but in mode 0
}

}  // namespace
}  // namespace tervane
