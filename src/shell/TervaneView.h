#pragma once
// The view of the open project and its child frame. The view draws nothing
// on screen: it exists so that the framework can print and preview the
// report, whose preparation and pages it forwards to its CReportPrinter
// (report/ReportPrinter.h). The child frame has no window of its own; the
// preview appears in the main frame's client area while the main menu is
// hidden.

#include <memory>

#include "framework/DocManager.h"
#include "framework/View.h"
#include "report/ReportPrinter.h"

namespace tervane {

class CTervaneView : public fw::View {
 public:
  CTervaneView();

  // The report: what the last preparation stored, and its pages.
  CReportPrinter& Report() { return report_; }

  void OnInitialUpdate() override;
  void OnDraw(fw::DeviceContext& dc) override;
  bool OnPreparePrinting(fw::PrintInfo& info) override;
  void OnBeginPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  void OnPrint(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  void OnEndPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  // Ends the preview and shows the main menu again (also when Esc had
  // hidden it).
  void OnEndPrintPreview(fw::DeviceContext& dc, fw::PrintInfo& info) override;

  // Print Preview: hides the main menu and starts the framework's preview
  // (the main menu comes back when the preview could not start or ends).
  void OnFilePrintPreviewCommand();

 private:
  CReportPrinter report_;
};

class CChildFrame : public fw::ChildFrame {
 protected:
  std::unique_ptr<fw::View> CreateView() override { return std::make_unique<CTervaneView>(); }
};

}  // namespace tervane
