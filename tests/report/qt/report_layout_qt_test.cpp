// The content pages measured in the real fonts at 600 dpi, in every report
// language and in both sets of choices (units, symbol style, run mode, water,
// the sentences of either choice, a run with and without the deep-seated
// results): no text runs past the right end of the rules, and no two texts of
// one row overlap (only a Greek letter may stand in the blanks of the label
// before it).

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/QtTestApp.h"
#include "../PageTestSupport.h"
#include "support/ReportQtSupport.h"
#include "framework/testing/FakeServices.h"
#include "framework/qt/QtPainterDC.h"

namespace tervane {
namespace {

struct Page {
  const char* name;
  std::function<void(CReportPrinter&, fw::DeviceContext&, ReportPrintInfo&)> draw;
};

const std::vector<Page>& Pages() {
  static const std::vector<Page> pages = {
      {"geometry", [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintGeometryPage(dc, i); }},
      {"soil and design",
       [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintSoilAndDesignPage(dc, i); }},
      {"summary 1",
       [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintResultsSummaryPage(dc, i, 1); }},
      {"summary 2",
       [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintResultsSummaryPage(dc, i, 2); }},
      {"detailed 2",
       [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintDetailedResultsPage(dc, i, 2); }},
      {"sliding and deep-seated",
       [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintSlidingAndDeepSeatedPage(dc, i); }},
  };
  return pages;
}

class ReportLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    app_.project().dataDirectory = dir_.Path().string();
    device_.setDotsPerMeterX(23622);  // 600 dpi
    device_.setDotsPerMeterY(23622);
  }

  // Draws every page and checks what its texts cover on the page.
  void CheckPages(const std::string& scenario) {
    fw::QtPainterDC measure(device_);
    measure.SetMapMode(fw::MapMode::Twips);
    for (std::string_view name : kReportLanguageNames) {
      app_.project().settings.reportLanguage = std::string(name);
      for (const Page& page : Pages()) {
        std::vector<reportqt::DrawnText> texts;
        {
          reporttest::PreparedPrinter prepared;
          reportqt::TextWatchDC watch(texts);
          ReportPrintInfo info;
          page.draw(prepared.printer, watch, info);
        }
        struct Span {
          int left, right, top, bottom;
          bool symbol;
          std::string text;
        };
        std::vector<Span> spans;
        for (const reportqt::DrawnText& t : texts) {
          measure.SelectFont(t.font);
          const fw::Size size = measure.GetTextExtent(t.text);
          const int width = size.cx;
          spans.push_back({t.at.x, t.at.x + width, t.at.y, t.at.y - size.cy, t.font.face == "Symbol", t.text});
          EXPECT_LE(t.at.x + width, 11200) << scenario << " / " << name << " / " << page.name << ": \"" << t.text
                                           << "\" ends at " << t.at.x + width;
        }
        for (std::size_t i = 0; i < spans.size(); ++i) {
          for (std::size_t j = i + 1; j < spans.size(); ++j) {
            const Span& a = spans[i];
            const Span& b = spans[j];
            // Cells of rows 270 twips apart share a few twips at most.
            const int shared = std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
            if (shared <= 40) continue;
            // A Greek letter drawn over the blanks of the label before it.
            if (b.symbol && j == i + 1 && a.top == b.top) continue;
            const bool apart = a.right <= b.left || b.right <= a.left;
            EXPECT_TRUE(apart) << scenario << " / " << name << " / " << page.name << ": \"" << a.text << "\" ["
                               << a.left << ", " << a.right << "] on y " << a.top << " and \"" << b.text << "\" ["
                               << b.left << ", " << b.right << "] on y " << b.top;
          }
        }
      }
    }
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
  QImage device_{10, 10, QImage::Format_RGB32};
};

TEST_F(ReportLayoutTest, FixtureRunInSiUnits) {
  reporttest::RunUserLayers(app_.project(), 40);
  ProjectInput& run = app_.project().runInput;
  run.runMode = 1;  // the two spacing lines of an optimised run
  run.waterMode = 0;
  run.seismicOnReinforcedMass = 1;
  run.penetrationForbidden = 0;
  app_.project().results.runCallCount = 3;
  CheckPages("SI");
}

TEST_F(ReportLayoutTest, OtherChoicesInEnglishUnits) {
  reporttest::RunUserLayers(app_.project(), 40);
  ProjectInput& run = app_.project().runInput;
  run.unitSystem = 1;
  run.waterMode = 1;
  run.poreWaterCoefficient = 0.2;
  run.seismicOnReinforcedMass = 0;
  run.penetrationForbidden = 1;
  run.khHalved = 1;
  run.lengthLayout = 1;
  run.orientationMode = 0;
  run.aorAngle = -5.0;
  run.layerRfCreep[3] = 3.0;  // "Varies"
  app_.project().settings.symbolStyle = 1;
  app_.project().results.deepSeatedNotConducted = 1;
  CheckPages("English units");
  run.lengthLayout = 2;
  app_.project().results.deepSeatedNotConducted = 0;
  app_.project().results.runCallCount = 1;
  app_.project().settings.symbolStyle = 0;
  CheckPages("English units, Western style");
}

// The rows of the three soil groups share one indent in every language: the
// width of the reinforced-soil label with its blanks, in the real font.
TEST_F(ReportLayoutTest, SoilRowsStandAtTheWidthOfTheReinforcedSoilLabel) {
  reporttest::RunUserLayers(app_.project(), 40);
  const auto table = [](std::string_view label) -> const LanguageTexts& {
    for (const ReportTextTable& t : AllReportTextTables())
      for (const ReportTextEntry& e : t.entries)
        if (t.page == "soil and design page" && e.label == label) return *e.texts;
    ADD_FAILURE() << label;
    static const LanguageTexts none{};
    return none;
  };
  const LanguageTexts& reinforced = table("reinforced group");
  const LanguageTexts& friction = table("friction angle");
  fw::QtPainterDC measure(device_);
  measure.SetMapMode(fw::MapMode::Twips);
  for (std::string_view name : kReportLanguageNames) {
    app_.project().settings.reportLanguage = std::string(name);
    const ReportLanguage language = ReportLanguageOf(name);
    std::vector<reportqt::DrawnText> texts;
    {
      reporttest::PreparedPrinter prepared;
      reportqt::TextWatchDC watch(texts);
      ReportPrintInfo info;
      prepared.printer.PrintSoilAndDesignPage(watch, info);
    }
    std::vector<int> frictionX;
    for (const reportqt::DrawnText& t : texts) {
      if (t.text != Pick(friction, language) || (t.at.y != -2160 && t.at.y != -3240)) continue;
      measure.SelectFont(t.font);
      const int g = measure.GetTextExtent(Pick(reinforced, language)).cx;
      EXPECT_EQ(t.at.x, 700 + g) << name;
      frictionX.push_back(t.at.y);
    }
    EXPECT_EQ(frictionX, (std::vector<int>{-3240, -2160})) << name;  // rows 12 and 8, drawn bottom up
  }
}

}  // namespace
}  // namespace tervane
