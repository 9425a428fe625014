// Page 3 of the report: golden drawing logs of the fixture run in English and
// Polish, the rows of the English page and its values, the units and symbols
// by unit system and style, the user-specified run with its varying reduction
// factors, and the rows that move with the texts that take two lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using reporttest::Draws;

class SoilDesignPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().settings.reportLanguage = "English";
    // The default input after an optimised run.
    reporttest::SetProjectTexts(app_.project().input);
    testsupport::RunProject(app_.project());
  }
  // The y of the last text the page draws at x 700 (the lowest row).
  static int LowestRow(const std::string& log) {
    int lowest = 0;
    for (std::size_t at = log.find("TextOut 700 "); at != std::string::npos; at = log.find("TextOut 700 ", at + 1)) {
      lowest = std::min(lowest, std::stoi(log.substr(at + 12)));
    }
    return lowest;
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(SoilDesignPageTest, DefaultOptimisedRunInEnglish) {
  const std::string log = reporttest::SoilAndDesignLog();
  fw::golden::ExpectGolden(log, "soil_design_page_english.log");
  // The headings on the rows of the English page.
  const struct {
    int row;
    const char* heading;
  } headings[] = {{3, "SOIL DATA"},          {16, "GENERAL DATA"},
                  {24, "SEISMIC PARAMETERS"}, {29, "FOUNDATION EFFECTS"},
                  {34, "GEOSYNTHETIC DESIGN PARAMETERS"}, {42, "SPECIFIED FORCE ORIENTATION"},
                  {45, "GENERAL SAFETY FACTORS"}};
  for (const auto& h : headings) EXPECT_TRUE(Draws(log, 1200, -270 * h.row, h.heading)) << h.heading;
  // The group indent is the width of "REINFORCED SOIL:  " (18 characters of
  // 125 twips on the recording device); the first row is one text.
  const int g = 18 * 125;
  EXPECT_TRUE(Draws(log, 700, -1080, "REINFORCED SOIL:  Internal angle of friction, "));
  EXPECT_TRUE(Draws(log, 700 + 46 * 125 + 100, -1080, "f°"));
  EXPECT_TRUE(Draws(log, 700 + g, -2160, "Internal angle of friction, "));
  EXPECT_TRUE(Draws(log, 700 + g + 28 * 125 + 100, -2160, "f°"));
  EXPECT_TRUE(Draws(log, 700 + g + 28 * 125, -3240, "f°"));  // no gap in the foundation row
  EXPECT_TRUE(Draws(log, 700 + g, -1350, "Cohesion, c  [kPa]"));
  EXPECT_TRUE(Draws(log, 700 + g, -1620, "Moist unit weight,    [kN/m ³]"));
  EXPECT_TRUE(Draws(log, 700 + g + 19 * 125, -1620, "g"));  // gamma in the blanks of the unit
  EXPECT_TRUE(Draws(log, 700, -3240, "FOUNDATION SOIL:"));
  EXPECT_TRUE(Draws(log, 700 + 61 * 125, -4590, "d °"));
  EXPECT_TRUE(Draws(log, 700, -5940, "Uniform length of all layers was specified."));
  EXPECT_TRUE(Draws(log, 700, -6750, "Horizontal seismic coefficient, Kh (100% used)"));
  EXPECT_TRUE(Draws(log, 700, -7290,
                    "Kh and Kv ARE being applied to the reinforced mass and surcharge in direct sliding analysis."));
  EXPECT_TRUE(Draws(log, 700, -8100,
                    "Slip surfaces in tieback and compound analyses are allowed to penetrate the foundation soil."));
  EXPECT_TRUE(Draws(log, 700, -8370, "Bishop's deepseated analysis was invoked and circles may penetrate the"));
  EXPECT_TRUE(Draws(log, 2700, -8640, "foundation to a maximum depth of   [m]"));
  EXPECT_TRUE(Draws(log, 700, -9450, "(Optimized spacing was conducted by Tervane, where strength = 43.80 [kN/m],"));
  EXPECT_TRUE(Draws(log, 700, -9720, "         Dmax = 1.00, Dmin = 0.30, Dbottom = 0.00 [m])."));
  EXPECT_TRUE(Draws(log, 700, -11610, "Relative orientation of reinforcement is prescribed, ROR"));
  EXPECT_EQ(LowestRow(log), -270 * 49);

  // The values in the order of the rows, right-aligned at 10400.
  const std::vector<std::string> values = {"34.0", "0.00", "20.00", "34.0", "0.00", "20.00", "34.0", "0.00",
                                           "20.00", "20.00", "0.90", "0.90", "1.00", "1.00", "0.00", "0.00",
                                           "12.00", "1.20", "1.10", "2.50", "1.00", "0.00", "1.30", "1.30",
                                           "1.50", "1.10"};
  const int rows[] = {4, 5, 6, 8, 9, 10, 12, 13, 14, 17, 18, 19, 20, 21, 25, 26, 32, 37, 38, 39, 40, 43, 46, 47, 48, 49};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int x = 10400 - static_cast<int>(values[i].size()) * 125;
    EXPECT_TRUE(Draws(log, x, -270 * rows[i], values[i])) << "row " << rows[i] << " " << values[i];
  }
}

TEST_F(SoilDesignPageTest, PolishPage) {
  Project().settings.reportLanguage = "Polish";
  const std::string log = reporttest::SoilAndDesignLog();
  fw::golden::ExpectGolden(log, "soil_design_page_polish.log");
  EXPECT_TRUE(Draws(log, 700, -1080, "GRUNT ZBROJONY:          Kąt tarcia wewnętrznego, "));
  EXPECT_TRUE(Draws(log, 700, -12690, "Współczynnik bezpieczeństwa dla wytrzymałości gruntu na ścinanie"));
  // The penetration sentence takes two lines: the page ends one row lower.
  EXPECT_TRUE(Draws(log, 2700, -8370, "przenikać do gruntu podłoża."));
  EXPECT_EQ(LowestRow(log), -270 * 50);
  EXPECT_EQ(log.find("\"Arial"), std::string::npos);  // every text in the Baltic face
}

TEST_F(SoilDesignPageTest, EnglishUnitsAndTheAsianPacificStyle) {
  Project().runInput.unitSystem = 1;
  Project().runInput.reinforcedCohesion = 10.0;
  std::string log = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(log, 10400 - 6 * 125, -1620, "127.31"));  // 20 kN/m^3
  EXPECT_NE(log.find("\"Moist unit weight,    [lb/ft ³]\""), std::string::npos);
  EXPECT_TRUE(Draws(log, 10400 - 6 * 125, -1350, "208.85"));  // 10 kPa
  EXPECT_NE(log.find("\"Cohesion, c  [lb/ft ²]\""), std::string::npos);
  EXPECT_TRUE(Draws(log, 2700, -8640, "foundation to a maximum depth of   [ft]"));
  EXPECT_TRUE(Draws(log, 10400 - 5 * 125, -8640, "39.37"));
  EXPECT_NE(log.find("where strength = 3001.13 [lb/ft],\""), std::string::npos);
  EXPECT_NE(log.find("\"         Dmax = 3.28, Dmin = 0.98, Dbottom = 0.00 [ft]).\""), std::string::npos);
  EXPECT_NE(log.find("\"34.0\""), std::string::npos);  // angles as stored

  Project().settings.symbolStyle = 1;
  Project().runInput.orientationMode = 0;
  Project().runInput.aorAngle = -5.0;
  log = reporttest::SoilAndDesignLog();
  EXPECT_NE(log.find("\"Cohesion, c  [lb/ft^2]\""), std::string::npos);
  EXPECT_NE(log.find("\"Moist unit weight,    [lb/ft^3]\""), std::string::npos);
  EXPECT_TRUE(Draws(log, 700, -11610, "Absolute orientation of reinforcement is prescribed, AOR deg"));
  EXPECT_TRUE(Draws(log, 10400 - 4 * 125, -11610, "-5.0"));
  // Phi alone, "deg." four Arial blanks to its right.
  const int phi = 700 + 46 * 125 + 100;
  EXPECT_TRUE(Draws(log, phi, -1080, "f"));
  EXPECT_TRUE(Draws(log, phi + 4 * 125, -1080, "deg."));

  // A language the report does not know prints the English page, the AOR
  // label with its degree sign whatever the style.
  Project().settings.reportLanguage = "english";
  log = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(log, 700, -11610, "Absolute orientation of reinforcement is prescribed, AOR°"));
  EXPECT_EQ(log.find("Times New Roman"), std::string::npos);
}

TEST_F(SoilDesignPageTest, UserSpecifiedRunWithVaryingReductionFactors) {
  ProjectInput& run = Project().runInput;
  run.runMode = 0;
  Project().results.resultLayerCount = 3;
  for (int k = 0; k < 3; ++k) {
    run.layerRfInstallation[k] = 1.2 + 0.1 * k;  // varies
    run.layerRfDurability[k] = 1.1;
    run.layerRfCreep[k] = 2.5 + 0.0005 * k;      // within the tolerance
  }
  run.khHalved = 1;
  run.seismicKh = 0.2;
  const std::string log = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(log, 700, -9450, "(-------- Manual input data --------)"));
  EXPECT_EQ(log.find("Dmax"), std::string::npos);
  // Every row below the manual line moves up by one.
  EXPECT_TRUE(Draws(log, 700, -9720, "Reduction factor for installation damage, RFid"));
  EXPECT_TRUE(Draws(log, 10400 - 6 * 125, -9720, "Varies"));
  EXPECT_TRUE(Draws(log, 10400 - 4 * 125, -9990, "1.10"));
  EXPECT_TRUE(Draws(log, 10400 - 4 * 125, -10260, "2.50"));
  EXPECT_EQ(LowestRow(log), -270 * 48);
  // Kh as entered, its halving only stated.
  EXPECT_TRUE(Draws(log, 700, -6750, "Horizontal seismic coefficient, Kh (50% used)"));
  EXPECT_TRUE(Draws(log, 10400 - 4 * 125, -6750, "0.20"));

  Project().settings.reportLanguage = "German";
  EXPECT_TRUE(Draws(reporttest::SoilAndDesignLog(), 10400 - 8 * 125, -9720, "variiert"));
}

TEST_F(SoilDesignPageTest, TextsOfTwoLinesMoveTheRowsBelow) {
  struct Case {
    const char* language;
    int forbidden;
    int lastRow;
  } cases[] = {{"English", 0, 49}, {"English", 1, 50}, {"Russian", 0, 51}, {"Italian", 0, 50},
               {"Polish", 1, 50},  {"French", 0, 49},  {"French", 1, 50},  {"Swedish", 1, 50},
               {"German", 1, 49}};
  for (const Case& c : cases) {
    Project().settings.reportLanguage = c.language;
    Project().runInput.penetrationForbidden = c.forbidden;
    EXPECT_EQ(LowestRow(reporttest::SoilAndDesignLog()), -270 * c.lastRow) << c.language << " " << c.forbidden;
  }
  // The Russian general-data heading stands a row higher, above the two
  // lines of the interwedge label; the rows below keep their places.
  Project().settings.reportLanguage = "Russian";
  Project().runInput.penetrationForbidden = 0;
  const std::string russian = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(russian, 1200, -4050, "ОБЩИЕ ДАННЫЕ"));
  EXPECT_TRUE(Draws(russian, 700, -4320, "Принятый угол наклона силы взаимодействия между клиньями"));
  EXPECT_TRUE(Draws(russian, 700, -4590, "(расчет на прямое скольжение), "));
  EXPECT_TRUE(Draws(russian, 700, -4860, "Коэффициент взаимодействия при выдергивании (армированный грунт), Ci"));
  // The Bishop sentence on two lines, the depth one row further down.
  EXPECT_TRUE(Draws(russian, 1700, -8370, "могут проникать в грунт основания."));
  EXPECT_TRUE(Draws(russian, 1700, -8910, "могут проникать в"));
  EXPECT_TRUE(Draws(russian, 2700, -9180, "грунт основания на максимальную глубину   [м]"));
  // A two-line seismic sentence puts its second half on the blank row.
  Project().settings.reportLanguage = "Spanish";
  const std::string spanish = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(spanish, 5700, -7560, "de deslizamiento directo."));
  EXPECT_TRUE(Draws(spanish, 1200, -7830, "EFECTOS DEL SUELO DE CIMENTACIÓN"));
  // A split group label: the second half on the cohesion row, at x 700.
  Project().settings.reportLanguage = "Dutch";
  const std::string dutch = reporttest::SoilAndDesignLog();
  EXPECT_TRUE(Draws(dutch, 700, -2160, "ACHTERLIGGENDE"));
  EXPECT_TRUE(Draws(dutch, 700, -2430, "  GROND:"));
}

}  // namespace
}  // namespace tervane
