#include "shell/TervaneView.h"

#include "common/Printout.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"

namespace tervane {

namespace {
void ShowMainMenu(bool visible) {
  if (CStartDlg* menu = App().startDialog) menu->ShowWindow(visible);
}
}  // namespace

CTervaneView::CTervaneView() {
  OnCommand(fw::ID_FILE_PRINT, [this] {
    const fw::ScopedPrintFileProposal proposal(ProposedPrintFileName(Project().projectPath, "report"));
    OnFilePrint();
  });
  OnCommand(fw::ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  OnCommand(fw::ID_FILE_PRINT_PREVIEW, &CTervaneView::OnFilePrintPreviewCommand);
}

void CTervaneView::OnInitialUpdate() {
  fw::View::OnInitialUpdate();
  report_.pageMargin = kDefaultPageMargin;
}

void CTervaneView::OnDraw(fw::DeviceContext&) {}

bool CTervaneView::OnPreparePrinting(fw::PrintInfo& info) { return report_.OnPreparePrinting(info); }

void CTervaneView::OnBeginPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) { report_.OnBeginPrinting(dc, info); }

void CTervaneView::OnPrint(fw::DeviceContext& dc, fw::PrintInfo& info) {
  report_.OnPrint(dc, info);
  fw::View::OnPrint(dc, info);
}

void CTervaneView::OnEndPrinting(fw::DeviceContext& dc, fw::PrintInfo& info) { report_.OnEndPrinting(dc, info); }

void CTervaneView::OnEndPrintPreview(fw::DeviceContext& dc, fw::PrintInfo& info) {
  fw::View::OnEndPrintPreview(dc, info);
  ShowMainMenu(true);
}

void CTervaneView::OnFilePrintPreviewCommand() {
  // One preview at a time; the main menu stays hidden behind the one shown.
  if (Preview() != nullptr) return;
  ShowMainMenu(false);
  if (!OnFilePrintPreview()) ShowMainMenu(true);
}

}  // namespace tervane
