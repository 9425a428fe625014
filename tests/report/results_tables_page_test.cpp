// The summary and detailed results pages: golden drawing logs of the fixture
// run (English, and the Russian summary), the layers of each part of 35, the
// status at the bound of the overstress rule and for ratios that cannot be
// formed, the units, and the languages' columns and words.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "PageTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using reporttest::Draws;

class ResultsTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().settings.reportLanguage = "English";
  }
  static std::size_t Count(const std::string& log, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = log.find(part); at != std::string::npos; at = log.find(part, at + 1)) ++n;
    return n;
  }
  // One tieback-controlled layer whose ratio is exactly `ratio`: its long-term
  // strength is the ratio (no reduction) over a required strength of 1.
  void LayerWithRatio(int k, double ratio) {
    Project().runInput.layerUltimateStrength[k] = ratio;
    Project().runInput.layerRfInstallation[k] = Project().runInput.layerRfDurability[k] =
        Project().runInput.layerRfCreep[k] = 1.0;
    Project().results.controllingMode[k] = 1;
    Project().results.tiebackTr[k] = 1.0;
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(ResultsTablesTest, FixtureRunPages) {
  reporttest::RunFixture(Project());
  ASSERT_GT(Project().results.resultLayerCount, 3);
  const std::string summary = reporttest::SummaryLog(1);
  fw::golden::ExpectGolden(summary, "summary_page_english.log");
  EXPECT_TRUE(Draws(summary, 1200, -1350, "SUMMARY OF TIEBACK AND COMPOUND RESULTS"));
  EXPECT_TRUE(Draws(summary, 5100, -1960, "S   t   r   e   n   g   t   h :"));
  EXPECT_NE(summary.find("MoveTo 4350 -2260\nLineTo 8200 -2260\n"), std::string::npos);
  EXPECT_TRUE(Draws(summary, 6800, -2330, "   Long-term"));
  EXPECT_TRUE(Draws(summary, 6800, -2600, "(design) T-ltds"));
  EXPECT_TRUE(Draws(summary, 1000, -2870, "[m]"));
  EXPECT_TRUE(Draws(summary, 4500, -2870, "[kN/m]"));
  EXPECT_TRUE(Draws(summary, 600, -3510, "1"));
  EXPECT_EQ(summary.find("( Continues )"), std::string::npos);

  const std::string detailed = reporttest::DetailedLog(1);
  fw::golden::ExpectGolden(detailed, "detailed_page_english.log");
  EXPECT_TRUE(Draws(detailed, 5800, -1960, "S t r e n g t h   f o r :"));
  EXPECT_TRUE(Draws(detailed, 3100, -3140, "pullout, Le"));
  EXPECT_TRUE(Draws(detailed, 4500, -3410, "[m]"));
  EXPECT_NE(detailed.find("MoveTo 600 -3780\nLineTo 11000 -3780\n"), std::string::npos);
  EXPECT_TRUE(Draws(detailed, 600, -4050, "1"));

  Project().settings.reportLanguage = "Russian";
  const std::string russian = reporttest::SummaryLog(1);
  fw::golden::ExpectGolden(russian, "summary_page_russian.log");
  EXPECT_TRUE(Draws(russian, 1200, -1080, "ОБЩИЕ РЕЗУЛЬТАТЫ ПО АНАЛИЗУ ОТТЯЖКИ КЛИНА "));
  EXPECT_TRUE(Draws(russian, 1200, -1350, "         КУЛОНА И ПО СОСТАВНОМУ АНАЛИЗУ"));
  EXPECT_TRUE(Draws(russian, 4500, -2870, "[кН/м]"));
  EXPECT_TRUE(Draws(russian, 8700, -2060, "Фактический"));  // starts on the line above
  EXPECT_NE(russian.find("\"Tieback\""), std::string::npos);
  EXPECT_EQ(russian.find("\"Arial"), std::string::npos);
}

TEST_F(ResultsTablesTest, PartsOf35Layers) {
  struct Case {
    int layers;
    int part;
    int firstNumber, lastNumber;
    bool continues;
    int lastSummaryY, lastDetailedY;
  } cases[] = {
      {35, 1, 1, 35, false, -12690, -13230}, {36, 1, 1, 35, false, -12690, -13230},
      {36, 2, 36, 36, true, -3510, -4050},   {71, 3, 71, 71, true, -3510, -4050},
      {100, 3, 71, 100, true, -11340, -11880}, {150, 3, 71, 100, true, -11340, -11880},  // never past 100
  };
  for (const Case& c : cases) {
    reporttest::SetUpRun(Project(), c.layers);
    const std::string label = std::to_string(c.layers) + " layers, part " + std::to_string(c.part);
    for (const std::string& log : {reporttest::SummaryLog(c.part), reporttest::DetailedLog(c.part)}) {
      const bool summary = log.find("SUMMARY") != std::string::npos;
      const int firstY = summary ? -3510 : -4050;
      EXPECT_TRUE(Draws(log, 600, firstY, std::to_string(c.firstNumber))) << label;
      EXPECT_TRUE(Draws(log, 600, summary ? c.lastSummaryY : c.lastDetailedY, std::to_string(c.lastNumber))) << label;
      EXPECT_EQ(Count(log, "TextOut 600 "), static_cast<std::size_t>(c.lastNumber - c.firstNumber + 1)) << label;
      EXPECT_EQ(Draws(log, 1200, -1620, "( Continues )"), c.continues) << label;
    }
  }
  // A part beyond the layers, and a run without layers: the frame of the
  // table and no row.
  for (int layers : {35, 0}) {
    reporttest::SetUpRun(Project(), layers);
    const std::string log = reporttest::DetailedLog(2);
    EXPECT_EQ(Count(log, "TextOut 600 "), 0u) << layers;
    EXPECT_NE(log.find("MoveTo 600 -3780\nLineTo 11000 -3780\n"), std::string::npos) << layers;
    EXPECT_TRUE(Draws(log, 7200, -2330, "Tieback")) << layers;
    EXPECT_EQ(Count(reporttest::SummaryLog(1), "TextOut 600 "), layers == 0 ? 0u : 35u) << layers;
  }
}

TEST_F(ResultsTablesTest, StatusByTheOverstressRule) {
  reporttest::SetUpRun(Project(), 6);
  Project().runInput.runMode = 0;
  Project().runInput.fsGeosyntheticStrength = 1.3;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  LayerWithRatio(0, 1.3 - 0.001);           // at the bound: passes
  LayerWithRatio(1, 1.3 - 0.001 - 0.0001);  // below it
  LayerWithRatio(2, 2.0);
  LayerWithRatio(3, nan);                   // not a number
  LayerWithRatio(4, 2.0);
  Project().results.tiebackTr[4] = 0.0;         // no required strength: the ratio cannot be formed
  // A compound-controlled layer: "> " before its ratio.
  Project().results.controllingMode[5] = 0;
  Project().results.availableCompoundStrength[5] = 10.0;
  Project().runInput.layerUltimateStrength[5] = 24.6;
  Project().runInput.layerRfInstallation[5] = Project().runInput.layerRfDurability[5] = Project().runInput.layerRfCreep[5] = 1.0;
  const std::string log = reporttest::SummaryLog(1);
  const struct {
    int row;
    const char* mode;
    const char* fs;
    const char* status;
  } rows[] = {{0, "Tieback", "  1.30", "OK"},  {1, "Tieback", "  1.30", "  x"}, {2, "Tieback", "  2.00", "OK"},
              {3, "Tieback", "  N/A", "  x"},  {4, "Tieback", "  N/A", "  x"},  {5, "Compound", "> 2.46", "OK"}};
  for (const auto& r : rows) {
    const int y = -3510 - 270 * r.row;
    EXPECT_TRUE(Draws(log, 3100, y, r.mode)) << r.row;
    EXPECT_TRUE(Draws(log, 8900, y, r.fs)) << r.row;
    EXPECT_TRUE(Draws(log, 10300, y, r.status)) << r.row;
  }
  EXPECT_TRUE(Draws(log, 4700, -3510 - 270 * 5, "10.00"));  // Tr of a compound layer: T-compound
  EXPECT_TRUE(Draws(log, 5900, -3510 - 270 * 5, "24.60"));
  EXPECT_TRUE(Draws(log, 7200, -3510 - 270 * 5, "24.60"));

  // Colour, black and white and both symbol styles print the same page.
  Project().settings.printColorMode = 1;
  Project().settings.symbolStyle = 1;
  EXPECT_EQ(reporttest::SummaryLog(1), log);
}

TEST_F(ResultsTablesTest, UnitsOfTheRun) {
  reporttest::SetUpRun(Project(), 2);
  AnalysisResults& r = Project().results;
  r.resultLayerElevation[1] = 10.0;
  r.layerFrontX[1] = 0.0;
  r.layerRearX[1] = 1.0;
  r.embeddedLength[1] = 2.0;
  r.lengthToSlipSurface[1] = 1.0;
  r.availableCompoundStrength[1] = 10.0;
  r.requiredTiebackStrength[1] = 10.0;
  r.controllingMode[1] = 2;  // anything but 1 is compound
  r.embeddedLength[0] = 1.004;
  r.lengthToSlipSurface[0] = 1.004;
  const std::string siSummary = reporttest::SummaryLog(1);
  EXPECT_TRUE(Draws(siSummary, 1200, -3780, "10.00"));
  EXPECT_TRUE(Draws(siSummary, 3100, -3780, "Compound"));
  // The total length is the sum formatted once.
  const std::string si = reporttest::DetailedLog(1);
  EXPECT_TRUE(Draws(si, 2300, -4050, "2.01"));
  EXPECT_TRUE(Draws(si, 3400, -4050, "1.00"));
  EXPECT_TRUE(Draws(si, 4500, -4050, "1.00"));

  Project().runInput.unitSystem = 1;
  const std::string english = reporttest::DetailedLog(1);
  EXPECT_TRUE(Draws(english, 1200, -4320, "32.81"));
  EXPECT_TRUE(Draws(english, 2300, -4320, "9.84"));  // 3 m = 9.84252 ft
  EXPECT_TRUE(Draws(english, 6100, -4320, "685.19"));
  EXPECT_TRUE(Draws(english, 8800, -4320, "Compound"));
  EXPECT_TRUE(Draws(english, 1000, -3410, "[ft]"));
  EXPECT_TRUE(Draws(english, 5900, -3410, "[lb/ft]"));
  const std::string summary = reporttest::SummaryLog(1);
  EXPECT_TRUE(Draws(summary, 1200, -3780, "32.81"));
  EXPECT_TRUE(Draws(summary, 4500, -2870, "[lb/ft]"));
  // The strength ratio and the status do not depend on the units.
  for (int row = 0; row < 2; ++row) {
    const int y = -3510 - 270 * row;
    for (int x : {8900, 10300}) {
      const std::string at = "TextOut " + std::to_string(x) + " " + std::to_string(y) + " ";
      EXPECT_EQ(summary.substr(summary.find(at), 30), siSummary.substr(siSummary.find(at), 30));
    }
  }
  // Russian units in feet; the strength labels at their own places.
  Project().settings.reportLanguage = "Russian";
  const std::string russian = reporttest::SummaryLog(1);
  EXPECT_TRUE(Draws(russian, 1000, -2870, "[футов]"));
  for (int x : {4300, 5630, 7000}) EXPECT_TRUE(Draws(russian, x, -2870, "[фунты/фут]")) << x;
  EXPECT_TRUE(Draws(reporttest::DetailedLog(1), 8800, -4320, "Compound"));
}

TEST_F(ResultsTablesTest, LanguagesPlaceTheirColumns) {
  reporttest::SetUpRun(Project(), 3);
  Project().settings.reportLanguage = "Italian";
  const std::string italian = reporttest::SummaryLog(1);
  EXPECT_TRUE(Draws(italian, 600, -3780, "1"));  // one line lower
  EXPECT_NE(italian.find("MoveTo 600 -3510\nLineTo 11000 -3510\n"), std::string::npos);
  EXPECT_TRUE(Draws(italian, 4500, -3140, "[kN/m]"));
  EXPECT_TRUE(Draws(italian, 1000, -2330, "Strato"));
  EXPECT_TRUE(Draws(italian, 8700, -3140, "Fs reale"));
  const std::string italianDetailed = reporttest::DetailedLog(1);
  EXPECT_TRUE(Draws(italianDetailed, 4200, -2060, "Distanza orizzontale"));
  // The caption as the Dutch one, where "Distanza orizzontale" ends.
  EXPECT_TRUE(Draws(italianDetailed, 6000, -1960, "R e s i s t e n z a   p e r :"));
  EXPECT_TRUE(Draws(italianDetailed, 5950, -2330, "Stabilità"));

  Project().settings.reportLanguage = "Polish";
  const std::string polish = reporttest::SummaryLog(1);
  // The layers of the hand-made run alternate: compound, tieback, compound.
  EXPECT_TRUE(Draws(polish, 3100, -3510, "Złożony"));
  EXPECT_TRUE(Draws(polish, 3100, -3780, "W zbrojeniu"));
  EXPECT_TRUE(Draws(polish, 1200, -1080, "PODSUMOWANIE WYNIKÓW ANALIZY MECHANIZMU ZNISZCZENIA W STREFIE "));
  const std::string polishDetailed = reporttest::DetailedLog(2);
  EXPECT_TRUE(Draws(polishDetailed, 1200, -810, "SZCZEGÓŁOWE WYNIKI ANALIZY MECHANIZMU ZNISZCZENIA W WYNIKU "));
  EXPECT_TRUE(Draws(polishDetailed, 1200, -1350, "        (ZBROJONEJ I NIEZBROJONEJ)"));
  EXPECT_TRUE(Draws(polishDetailed, 1200, -1620, "(Ciąg dalszy)"));
  EXPECT_TRUE(Draws(polishDetailed, 3100, -2060, "Długość"));

  Project().settings.reportLanguage = "Dutch";
  const std::string dutch = reporttest::DetailedLog(1);
  EXPECT_TRUE(Draws(dutch, 6000, -1960, "S t e r k t e   v o o r :"));
  EXPECT_TRUE(Draws(dutch, 3100, -2060, "Omsloten"));
  EXPECT_TRUE(Draws(dutch, 2500, -3140, "(in passive zone), Le"));
  EXPECT_TRUE(Draws(dutch, 4200, -2870, "(in active zone),"));

  Project().settings.reportLanguage = "Russian";
  const std::string russian = reporttest::DetailedLog(1);
  for (const auto& [x, text] : {std::pair{450, "#"}, {700, "Отметка"}, {1900, "Общая"}, {4450, "Длина до"}})
    EXPECT_TRUE(Draws(russian, x, -2330, text)) << text;
  EXPECT_TRUE(Draws(russian, 2900, -2060, "Требуемая Длина"));

  Project().settings.reportLanguage = "Portuguese";
  EXPECT_TRUE(Draws(reporttest::DetailedLog(1), 1900, -2330, "Comprimento"));

  Project().settings.reportLanguage = "Norwegian";
  const std::string norwegian = reporttest::SummaryLog(2);
  EXPECT_TRUE(Draws(norwegian, 1200, -1620, "(  )"));
  EXPECT_TRUE(Draws(norwegian, 5100, -1960, " :"));
  EXPECT_TRUE(Draws(norwegian, 4400, -2600, "     Tr"));
  EXPECT_TRUE(Draws(norwegian, 6800, -2600, "T-ltds"));
  EXPECT_EQ(Count(norwegian, " -2330 "), 1u);  // "#" alone on the first heading line
}

}  // namespace
}  // namespace tervane
