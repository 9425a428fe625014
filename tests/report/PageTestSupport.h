#pragma once
// Helpers of the tests of the report's content pages: fixture runs computed
// by the engine, a report printer prepared for them, and the drawing log of
// one page in twips.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "support/ReportTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "report/ReportPrinter.h"

namespace tervane::reporttest {

// The project texts of every fixture.
inline void SetProjectTexts(ProjectInput& in) {
  in.projectTitle = "Riverside embankment";
  in.projectNumber = "TV-2026-014";
  in.designerName = "A. Example";
  in.projectDate = "12/05/2026";
  in.projectDescription = "Steep reinforced slope above the new access road.";
}

// The fixture run of the page logs: an optimised run of the default slope
// with three surcharges, a phreatic surface and ground falling away in front
// of the toe, computed by the engine.
inline void RunFixture(ProjectData& data) {
  ProjectInput& in = data.input;
  SetProjectTexts(in);
  in.runMode = 1;
  in.unitSystem = 0;
  in.surchargeQ1 = 10.0;
  in.surchargeQ2 = 5.0;
  in.surchargeQ3 = 20.0;
  in.waterMode = 0;
  in.bottomSlopeAngle = 5.0;
  in.maxPenetrationDepth = 6.0;
  testsupport::RunProject(data);
}

// A user-specified run of `layers` layers, 0.4 m apart from the toe up, on a
// slope high enough to hold them (30 m, the input's limit), computed by the
// engine.
inline void RunUserLayers(ProjectData& data, int layers) {
  ProjectInput& in = data.input;
  SetProjectTexts(in);
  in.runMode = 0;
  in.unitSystem = 0;
  in.slopeHeight = 30.0;
  in.slopeAngle = 70.0;
  in.crestLengthA = 3.0;
  in.crestLengthB = 4.0;
  in.backslopeAngle = 10.0;
  in.surchargeQ1 = 12.0;
  in.waterMode = 2;
  in.layerCount = layers;
  for (int k = 0; k < kMaxLayers; ++k) {
    in.layerElevation[k] = k < layers ? 0.4 * k : 0.0;
    in.layerUltimateStrength[k] = k < 20 ? 120.0 : 60.0;
    in.layerRfInstallation[k] = 1.2;
    in.layerRfDurability[k] = 1.1;
    in.layerRfCreep[k] = k < 20 ? 2.5 : 2.0;
  }
  testsupport::RunProject(data);
}

// A report printer prepared for the project as a print preview prepares it
// (the options dialog closes without a choice).
class PreparedPrinter {
 public:
  PreparedPrinter() {
    ReportPrintInfo info;
    info.preview = true;
    EXPECT_TRUE(printer.OnPreparePrinting(info));
  }
  CReportPrinter printer;

 private:
  fw::HeadlessSession session_;
};

// The drawing log of one page body in twips on a 600-dpi printer.
inline std::string PageLog(const std::function<void(CReportPrinter&, fw::DeviceContext&, ReportPrintInfo&)>& draw) {
  PreparedPrinter prepared;
  fw::RecordingDC dc(PrinterOptions());
  dc.SetMapMode(fw::MapMode::Twips);
  dc.Clear();
  ReportPrintInfo info;
  draw(prepared.printer, dc, info);
  return dc.Text();
}

inline std::string GeometryLog() {
  return PageLog([](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintGeometryPage(dc, i); });
}
inline std::string SoilAndDesignLog() {
  return PageLog([](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintSoilAndDesignPage(dc, i); });
}
inline std::string SummaryLog(int part) {
  return PageLog(
      [part](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintResultsSummaryPage(dc, i, part); });
}
inline std::string DetailedLog(int part) {
  return PageLog([part](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) {
    p.PrintDetailedResultsPage(dc, i, part);
  });
}
inline std::string SlidingLog() {
  return PageLog(
      [](CReportPrinter& p, fw::DeviceContext& dc, ReportPrintInfo& i) { p.PrintSlidingAndDeepSeatedPage(dc, i); });
}

// The texts a log draws, in the form of its lines: TextOut x y "text".
inline bool Draws(const std::string& log, int x, int y, const std::string& text) {
  return log.find("TextOut " + std::to_string(x) + " " + std::to_string(y) + " " + fw::RecordingDC::Quote(text) +
                  "\n") != std::string::npos;
}
// Every text of the log, without its position.
inline std::vector<std::string> TextsOf(const std::string& log) {
  std::vector<std::string> texts;
  std::size_t at = 0;
  while ((at = log.find("TextOut ", at)) != std::string::npos) {
    const std::size_t quote = log.find('"', at);
    const std::size_t end = log.find('\n', at);
    texts.push_back(log.substr(quote, end - quote));
    at = end;
  }
  return texts;
}

}  // namespace tervane::reporttest
