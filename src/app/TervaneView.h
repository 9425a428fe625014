#pragma once
// The view of the open project and its child frame. The view draws nothing
// on screen: it exists so that the framework can print and preview the
// report, whose pages the report printer of subsystem 6 draws. The child
// frame has no window of its own; the preview appears in the main frame's
// client area while the main menu is hidden.

#include <memory>

#include "framework/DocManager.h"
#include "framework/View.h"
#include "report/ReportPrinter.h"

namespace tervane {

class CTervaneView : public fw::View {
 public:
  CTervaneView();

  // The report's rules and right-aligned texts end at 11500 minus this (twips).
  int rightMargin = 300;

  ReportPrinter& Report() { return report_; }

  void OnInitialUpdate() override;
  void OnDraw(fw::DeviceContext& dc) override;
  bool OnPreparePrinting(fw::PrintInfo& info) override;
  void OnBeginPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  void OnPrint(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  void OnEndPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) override;
  void OnEndPrintPreview(fw::DeviceContext& dc, fw::PrintInfo& info) override;

  // Print Preview: hides the main menu and starts the framework's preview
  // (the main menu comes back when the preview could not start or ends).
  void OnFilePrintPreviewCommand();

 private:
  ReportPrinter report_;
};

class CChildFrame : public fw::ChildFrame {
 protected:
  std::unique_ptr<fw::View> CreateView() override { return std::make_unique<CTervaneView>(); }
};

}  // namespace tervane
