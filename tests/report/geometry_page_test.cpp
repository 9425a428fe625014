// Page 2 of the report and its cross-section to scale: golden drawing logs in
// twips (the fixture run in English and German, a pore-water run in English
// units and the Asian Pacific style, the sketch of the default geometry and
// of the phreatic water), the rows' units and symbols, the fitting of the
// scale, the arrows, the water and the marking of overstressed layers, and
// slopes outside the input's limits that must not break the sketch.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "report/GeometrySketch.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using reporttest::Draws;

class GeometryPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().settings.reportLanguage = "English";
  }

  // The sketch alone, drawn with the page's fonts.
  std::string SketchLog() {
    reporttest::PreparedPrinter prepared;
    fw::RecordingDC dc(reporttest::PrinterOptions());
    dc.SetMapMode(fw::MapMode::Twips);
    dc.Clear();
    const ReportLanguage language = prepared.printer.Language();
    DrawGeometrySketch(dc, prepared.printer, ReportFont(language, FontRole::kHeading, 250),
                       ReportFont(language, FontRole::kBody, 250));
    return dc.Text();
  }

  // A 6 m slope at 45 degrees, A = B = 2 m, no backslope, with `layers`
  // layers of `length` metres set by hand (results as a run leaves them).
  void HandMadeRun(int layers, double length) {
    ProjectInput& run = Project().runInput;
    run.slopeHeight = 6.0;
    run.slopeAngle = 45.0;
    run.crestLengthA = 2.0;
    run.crestLengthB = 2.0;
    run.backslopeAngle = 0.0;
    run.bottomSlopeAngle = 0.0;
    run.waterMode = 2;
    run.runMode = 0;
    run.fsGeosyntheticStrength = 1.3;
    AnalysisResults& r = Project().results;
    r.resultLayerCount = layers;
    for (int k = 0; k < layers; ++k) {
      r.resultLayerElevation[k] = 0.5 + k;
      r.layerFrontX[k] = r.resultLayerElevation[k];  // on the 45-degree face
      r.layerRearX[k] = r.layerFrontX[k] + length;
      run.layerUltimateStrength[k] = 60.0;
      run.layerRfInstallation[k] = 1.0;
      run.layerRfDurability[k] = 1.0;
      run.layerRfCreep[k] = 2.0;
      r.controllingMode[k] = 1;
      r.tiebackTr[k] = 10.0;  // ratio 3.0
    }
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(GeometryPageTest, FixtureRunInEnglishAndGerman) {
  reporttest::RunFixture(Project());
  const std::string english = reporttest::GeometryLog();
  fw::golden::ExpectGolden(english, "geometry_page_english.log");
  EXPECT_TRUE(Draws(english, 1200, -1350, "GEOMETRY AND LOADING DATA"));
  EXPECT_TRUE(Draws(english, 700, -1890, "Height of slope, H  [m]"));
  EXPECT_TRUE(Draws(english, 700, -2160, "Slope angle, i °"));
  EXPECT_TRUE(Draws(english, 700, -3780, "Surcharge load over A, Q1  [kPa]"));
  EXPECT_TRUE(Draws(english, 700, -4860, "Phreatic surface is defined by coordinates in  [m] :"));
  EXPECT_TRUE(Draws(english, 1700, -5130, "Xw1 = 0.0"));
  EXPECT_TRUE(Draws(english, 3200, -5940, "Yw4 = 4.00"));
  EXPECT_TRUE(Draws(english, 2000, -13200, "SCALE:"));

  Project().settings.reportLanguage = "German";
  const std::string german = reporttest::GeometryLog();
  fw::golden::ExpectGolden(german, "geometry_page_german.log");
  EXPECT_TRUE(Draws(german, 1200, -1350, "ANGABEN ZUR GEOMETRIE UND DEN AUFLASTEN"));
  EXPECT_TRUE(Draws(german, 700, -2160, "Böschungswinkel, i °"));
  EXPECT_TRUE(Draws(german, 700, -2430, "horizontale Länge: A  [m]"));
  EXPECT_TRUE(Draws(german, 2000, -13200, "Maßstab:"));
}

TEST_F(GeometryPageTest, PoreWaterInEnglishUnitsAndTheAsianPacificStyle) {
  reporttest::RunFixture(Project());
  Project().runInput.unitSystem = 1;
  Project().runInput.waterMode = 1;
  Project().runInput.poreWaterCoefficient = 0.25;
  Project().settings.symbolStyle = 1;
  const std::string log = reporttest::GeometryLog();
  fw::golden::ExpectGolden(log, "geometry_page_pore_water_english_units.log");
  // 6 m and 10 kPa in feet and pounds, the spelled-out units.
  EXPECT_TRUE(Draws(log, 700, -1890, "Height of slope, H  [ft]"));
  EXPECT_TRUE(Draws(log, 8375, -1890, "19.69"));
  EXPECT_TRUE(Draws(log, 700, -3780, "Surcharge load over A, Q1  [lb/ft^2]"));
  EXPECT_TRUE(Draws(log, 8250, -3780, "208.85"));
  EXPECT_TRUE(Draws(log, 700, -2160, "Slope angle, i deg"));
  // r with its subscript u 120 twips lower, the value in the body font.
  EXPECT_TRUE(Draws(log, 700, -4860, "Pore water pressure coefficient, r"));
  EXPECT_TRUE(Draws(log, 700 + 34 * 125, -4980, "u"));
  EXPECT_TRUE(Draws(log, 9000 - 4 * 125, -4860, "0.25"));
  // Beta alone in the Symbol face, "deg." four Arial blanks to its right.
  const int beta = 700 + 16 * 125 + 100;
  EXPECT_TRUE(Draws(log, beta, -2970, "b"));
  EXPECT_TRUE(Draws(log, beta + 4 * 125, -2970, "deg."));
  EXPECT_EQ(log.find("Polygon 9 (2500,-11000) (2833"), std::string::npos) << "no water area";
}

TEST_F(GeometryPageTest, RowsByLanguageStyleAndSign) {
  reporttest::RunFixture(Project());
  Project().runInput.bottomSlopeAngle = -5.0;
  struct Case {
    const char* language;
    int style;
    int y;
    std::string text;
  } cases[] = {
      {"English", 0, -3240, "-5.00"},
      {"english", 1, -2160, "Slope angle, i °"},  // lower case: English texts, the sign in both styles
      {"German", 1, -2160, "Böschungswinkel, i °"},  // the degree sign in both styles
      {"Polish", 0, -2430, "Długość pozioma, A  [m]"},
      {"Polish", 1, -4860, "Brak wody."},
      {"Russian", 0, -1890, "Высота откоса, H  [м]"},
      {"Norwegian", 0, -1890, ", H  [m]"},
      {"Norwegian", 0, -1350, " "},
  };
  for (const Case& c : cases) {
    Project().settings.reportLanguage = c.language;
    Project().settings.symbolStyle = c.style;
    Project().runInput.waterMode = c.text == "Brak wody." ? 2 : 0;
    const std::string log = reporttest::GeometryLog();
    EXPECT_NE(log.find(" " + std::to_string(c.y) + " " + fw::RecordingDC::Quote(c.text) + "\n"), std::string::npos)
        << c.language << " " << c.text;
  }
  // The Asian Pacific "deg." of a Polish page is drawn in Arial; its labels
  // in the Baltic face.
  Project().settings.reportLanguage = "Polish";
  Project().settings.symbolStyle = 1;
  const std::string polish = reporttest::GeometryLog();
  const std::size_t deg = polish.find("\"deg.\"");
  ASSERT_NE(deg, std::string::npos);
  const std::size_t font = polish.rfind("SelectFont", deg);
  EXPECT_EQ(polish.substr(font, 20), "SelectFont \"Arial\" h");
  EXPECT_NE(polish.find("SelectFont \"Times New Roman Baltic\" height=-250 weight=400 italic=0 charset=186"),
            std::string::npos);
}

TEST_F(GeometryPageTest, SketchOfTheDefaultGeometryAndOfPhreaticWater) {
  // The default input, run by the engine: no water, no surcharges.
  reporttest::SetProjectTexts(Project().input);
  testsupport::RunProject(Project());
  fw::golden::ExpectGolden(SketchLog(), "sketch_default.log");

  reporttest::RunFixture(Project());
  const std::string phreatic = SketchLog();
  fw::golden::ExpectGolden(phreatic, "sketch_phreatic.log");
  // The water below the phreatic surface, to the frame's edges.
  EXPECT_NE(phreatic.find("Polygon 9 (2500,-11000) (4166,-10666) (5166,-10166) (5833,-9666) (11000,-9666) "
                          "(11000,-13000) (500,-13000) (500,-11174) (2500,-11000)"),
            std::string::npos)
      << phreatic;

  // Black and white: white areas with black outlines, black lines; only the
  // cells of the scale bar keep their grey.
  Project().settings.printColorMode = 1;
  const std::string bw = SketchLog();
  for (const char* colour : {"RGB(255,204,51)", "RGB(255,214,121)", "RGB(223,158,62)", "RGB(175,240,250)",
                             "RGB(0,128,0)", "RGB(255,0,0)", "RGB(128,0,128)"}) {
    EXPECT_EQ(bw.find(colour), std::string::npos) << colour;
  }
  EXPECT_NE(bw.find("FillRect 2000 -13940 2333 -14000 solid RGB(192,192,192)"), std::string::npos) << bw;
}

TEST_F(GeometryPageTest, ScaleIsFittedToTheLongestLayer) {
  HandMadeRun(4, 4.2);
  EXPECT_NEAR(SketchScale(6.0, Project().results, 4), 2000.0 / 6.0, 1e-9);
  std::string log = SketchLog();
  // Crest edge, end of A and end of B of the Part's example.
  EXPECT_NE(log.find("Polygon 9 (2500,-11000) (4500,-9000) (5166,-9000) (5833,-9000) (11000,-9000) "),
            std::string::npos)
      << log;
  // Bar of 6 m = 2000 twips with its labels; the unit clear of the "6".
  for (const char* text : {"\"0\"", "\"2\"", "\"4\"", "\"6\""}) EXPECT_NE(log.find(text), std::string::npos);
  EXPECT_NE(log.find("TextOut 4000 -13500 \"6\""), std::string::npos);
  EXPECT_NE(log.find("TextOut 4250 -13500 \"[m]\""), std::string::npos) << log;
  EXPECT_NE(log.find("Rectangle 2000 -14000 4000 -13880"), std::string::npos);

  // Layers 30 m long: 2500 + 10000 > 10500, s = 280, the slope 1680 twips high.
  HandMadeRun(4, 30.0);
  EXPECT_NEAR(SketchScale(6.0, Project().results, 4), 280.0, 1e-9);
  log = SketchLog();
  EXPECT_NE(log.find("(4180,-9320)"), std::string::npos) << log;

  // English units: 19.69 ft, the 20-unit bar at 101.6 twips a foot (20 feet
  // end at 2000 + 2032.0 less a rounding, truncated).
  HandMadeRun(4, 4.2);
  Project().runInput.unitSystem = 1;
  log = SketchLog();
  EXPECT_NE(log.find("TextOut 4031 -13500 \"20\""), std::string::npos) << log;
  EXPECT_NE(log.find("Rectangle 2000 -14000 4031 -13880"), std::string::npos);
  EXPECT_NE(log.find("\"[ft]\""), std::string::npos);
}

TEST_F(GeometryPageTest, SurchargeArrowsWaterAndOverstressedLayers) {
  HandMadeRun(3, 4.2);
  ProjectInput& run = Project().runInput;
  run.surchargeQ1 = 20.0;
  run.surchargeQ2 = 10.0;
  run.backslopeAngle = 20.0;
  std::string log = SketchLog();
  // Q1 arrows 700 twips long from the crest edge, Q2 arrows 350 twips.
  EXPECT_NE(log.find("MoveTo 4500 -9000\nLineTo 4500 -8300\n"), std::string::npos) << log;
  EXPECT_NE(log.find("MoveTo 5166 -9000\nLineTo 5166 -8650\n"), std::string::npos) << log;
  EXPECT_NE(log.find("\"Q1\""), std::string::npos);
  EXPECT_NE(log.find("\"Q2\""), std::string::npos);
  EXPECT_EQ(log.find("\"Q3\""), std::string::npos);

  // No crest length A: neither Q1 arrows nor its name.
  run.crestLengthA = 0.0;
  log = SketchLog();
  EXPECT_EQ(log.find("\"Q1\""), std::string::npos);
  EXPECT_EQ(log.find("RGB(0,128,0)"), std::string::npos);
  run.crestLengthA = 2.0;

  // Water only for a phreatic surface.
  for (int mode : {1, 2}) {
    run.waterMode = mode;
    EXPECT_EQ(SketchLog().find("RGB(175,240,250)"), std::string::npos) << mode;
  }
  run.waterMode = 0;
  EXPECT_NE(SketchLog().find("SelectBrush solid RGB(175,240,250)"), std::string::npos);

  // The middle layer exactly at the bound passes, the top one just below it is
  // red in colour and black in black and white.
  AnalysisResults& r = Project().results;
  r.tiebackTr[1] = 60.0 / 2.0 / (1.3 - 0.001);
  r.tiebackTr[2] = 60.0 / 2.0 / (1.3 - 0.0011);
  const auto pens = [&] {
    std::vector<std::string> found;
    std::istringstream lines(SketchLog());
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("SelectPen solid 15 ", 0) == 0) found.push_back(line.substr(19));
    return found;
  };
  EXPECT_EQ(pens(), (std::vector<std::string>{"RGB(0,0,0)", "RGB(0,0,0)", "RGB(255,0,0)"}));
  Project().settings.printColorMode = 1;
  EXPECT_EQ(pens(), (std::vector<std::string>{"RGB(0,0,0)", "RGB(0,0,0)", "RGB(0,0,0)"}));
  // A ratio that cannot be formed is overstressed, never passed.
  Project().settings.printColorMode = 0;
  r.tiebackTr[0] = 0.0;
  r.tiebackTr[1] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(pens(), (std::vector<std::string>{"RGB(255,0,0)", "RGB(255,0,0)", "RGB(255,0,0)"}));
}

// Q1 and Q2 stand over the whole of A and B, beyond the sketch's right edge
// if A or B reach past it; Q3 ends at that edge. Arrows off the page are not
// drawn.
TEST_F(GeometryPageTest, SurchargeArrowsRunOverTheWholeCrestPastTheRightEdge) {
  HandMadeRun(3, 4.2);
  ProjectInput& run = Project().runInput;
  run.surchargeQ1 = 10.0;
  run.crestLengthA = 20.0;  // end of A at 4500 + 6666 = 11166
  std::string log = SketchLog();
  EXPECT_NE(log.find("MoveTo 11100 -9000\nLineTo 11100 -8300\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("MoveTo 11220 "), std::string::npos) << log;
  EXPECT_NE(log.find("TextOut 7783 -7950 \"Q1\""), std::string::npos) << log;  // over the middle of A

  run.crestLengthA = 2.0;
  run.surchargeQ1 = 0.0;
  run.surchargeQ2 = 10.0;
  run.crestLengthB = 40.0;  // the rest of B lies off the page
  log = SketchLog();
  EXPECT_NE(log.find("MoveTo 11166 -9000\nLineTo 11166 -8300\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("MoveTo 11286 "), std::string::npos) << log;

  run.crestLengthB = 2.0;
  run.surchargeQ2 = 0.0;
  run.surchargeQ3 = 10.0;
  log = SketchLog();
  EXPECT_NE(log.find("MoveTo 10993 -9000\nLineTo 10993 -8300\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("MoveTo 11113 "), std::string::npos) << log;
}

// The default project: the top layer ends under the backslope, and the
// retained soil closes at the height of the end of B, all along the ground.
TEST_F(GeometryPageTest, RetainedSoilOfALayerEndingUnderTheBackslopeClosesAtTheEndOfB) {
  HandMadeRun(3, 4.2);
  Project().runInput.backslopeAngle = 30.0;  // end of B at (5833, -8615)
  Project().results.layerRearX[2] = 9.0;     // the top layer, 2.5 m up, ends at 5500 under the backslope
  const std::string log = SketchLog();
  EXPECT_NE(log.find(" (5500,-10166) (5500,-8807) (5833,-8615) (11000,-8615)\n"), std::string::npos) << log;
}

TEST_F(GeometryPageTest, RetainedSoilClosesAtTheFaceAboveALayerThatEndsUnderIt) {
  HandMadeRun(2, 0.5);  // the top layer at 1.5 m ends at x = 2.0 m, under the face
  const std::string log = SketchLog();
  // From the rear end (3166, -10500) straight up to the face above it.
  EXPECT_NE(log.find("(2833,-10833) (3166,-10500) (3166,-10333) (4500,-9000) (5166,-9000) (5833,-9000) "
                     "(11000,-9000)"),
            std::string::npos)
      << log;
}

// Slopes outside the input's limits: every coordinate stays within the
// saturating range, no division by zero shows as a NaN turned into 0, rows of
// arrows stop at the page's edge, and a run without layers draws none.
TEST_F(GeometryPageTest, SketchKeepsToItsFrameOutsideTheInputLimits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    double height, angle, a, b, beta;
    int layers;
  } cases[] = {
      {"no layers", 6, 45, 2, 2, 0, 0},
      {"zero height", 0, 45, 2, 2, 0, 3},
      {"negative height", -4, 45, 2, 2, 0, 3},
      {"no face angle", 6, 0, 2, 2, 0, 3},
      {"face leaning forward", 6, 179, 2, 2, 0, 3},
      {"zero spans", 6, 45, 0, 0, 30, 3},
      {"endless crest", 6, 45, 1e12, 1e12, 0, 3},
      {"not a number", nan, nan, nan, nan, nan, 3},
  };
  for (const Case& c : cases) {
    HandMadeRun(c.layers, 4.2);
    ProjectInput& run = Project().runInput;
    run.slopeHeight = c.height;
    run.slopeAngle = c.angle;
    run.crestLengthA = c.a;
    run.crestLengthB = c.b;
    run.backslopeAngle = c.beta;
    run.surchargeQ1 = run.surchargeQ2 = run.surchargeQ3 = 10.0;
    const std::string log = SketchLog();
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    for (const std::string& line : lines) {
      if (line.rfind("LineTo ", 0) != 0 && line.rfind("MoveTo ", 0) != 0) continue;
      int x = 0, y = 0;
      std::istringstream(line.substr(7)) >> x >> y;
      EXPECT_LE(std::abs(x), fw::kCoordLimit) << c.name;
      EXPECT_LE(std::abs(y), fw::kCoordLimit) << c.name;
    }
    // Each row of arrows (three strokes an arrow) keeps inside x = 500 .. the
    // right edge of the printer's page (4658 pixels at 600 dpi: 11179 twips).
    for (const char* pen : {"SelectPen solid 10 RGB(0,128,0)", "SelectPen solid 10 RGB(255,0,0)",
                            "SelectPen solid 10 RGB(128,0,128)"}) {
      std::size_t i = 0;
      while (i < lines.size() && lines[i] != pen) ++i;
      int strokes = 0;
      for (++i; i < lines.size() && lines[i].rfind("Select", 0) != 0; ++i) {
        if (lines[i].rfind("MoveTo ", 0) != 0) continue;
        int x = 0;
        std::istringstream(lines[i].substr(7)) >> x;
        EXPECT_GE(x, 500 - 50) << c.name << " " << pen;
        EXPECT_LE(x, 11179) << c.name << " " << pen;
        ++strokes;
      }
      EXPECT_LE(strokes, 2 * 90) << c.name << " " << pen;
    }
    if (c.layers == 0) {
      EXPECT_EQ(log.find("SelectPen solid 15"), std::string::npos) << c.name;
      // The retained soil starts at the toe.
      EXPECT_NE(log.find("Polygon 7 (11000,-11000) (2500,-11000) (2500,-11000) (4500,-9000)"), std::string::npos)
          << log;
    }
  }
}

}  // namespace
}  // namespace tervane
