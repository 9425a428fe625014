#include "common/ActiveDocument.h"
#include "shell/StartDlg.h"

#include "run/RunTervaneDlg.h"
#include "model/DataFiles.h"
#include "common/MessageDialogs.h"
#include "model/RunOutcome.h"
#include "common/SlopeSketch.h"
#include "shell/TervaneApp.h"
#include "drawing/GraphicResultsDlg.h"
#include "framework/Services.h"
#include "input/ManualInputDataDlg.h"
#include "input/ModifyMenuDlg.h"
#include "resources/DialogTemplates.h"
#include "resources/ShellResources.h"
#include "results/QuantitiesDlg.h"
#include "results/TextReport.h"
#include "results/ViewWrittenResultsDlg.h"

namespace tervane {

CStartDlg::CStartDlg() : fw::Dialog(DialogTemplateNamed("IDD_START")) {
  SetBackgroundColor(kMainMenuColor);
  OnClicked(res::kModifyInputId, &CStartDlg::OnModifyInput);
  OnClicked(res::kRunOptimizedId, &CStartDlg::OnRunOptimized);
  OnClicked(res::kRunUserSpecifiedId, &CStartDlg::OnRunUserSpecified);
  OnClicked(res::kViewTablesId, &CStartDlg::OnViewTabulatedResults);
  OnClicked(res::kViewLayoutId, &CStartDlg::OnViewLayout);
  OnClicked(res::kQuantitiesId, &CStartDlg::OnQuantityAndCost);
  OnClicked(res::kSaveResultsAsTextId, &CStartDlg::OnSaveResultsAsText);
}

bool CStartDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ChooseDisplayUnits(Project().input.unitSystem);
  ApplyEnableRule();
  Project().settings.reportLanguage = ReadLanguageFile();
  ApplyDialogIdLabelRule(*this);
  return true;
}

void CStartDlg::ApplyEnableRule() {
  const bool layout = Project().input.layerCount != 0;
  // Results dropped when the file was opened are not there to be shown: the
  // layout can be run again, but nothing shows results until a run makes them.
  const bool results = layout && Project().resultsDropped == 0;
  for (int id : {res::kRunUserSpecifiedId, res::kViewTablesId, res::kViewLayoutId, res::kSaveResultsAsTextId,
                 res::kQuantitiesId})
    EnableControl(id, id == res::kRunUserSpecifiedId ? layout : results);
  Project().resultsAvailable = results ? 1 : 0;
}

fw::Rect CStartDlg::StatusLineRect() const {
  return fw::Rect{fw::ToDeviceCoord(0.39 * clientWidth), fw::ToDeviceCoord(0.09 * clientHeight), clientWidth,
                  fw::ToDeviceCoord(0.15 * clientHeight)};
}

fw::Rect CStartDlg::TargetLineRect() const {
  return fw::Rect{fw::ToDeviceCoord(0.39 * clientWidth), fw::ToDeviceCoord(0.15 * clientHeight), clientWidth,
                  fw::ToDeviceCoord(0.21 * clientHeight)};
}

void CStartDlg::InvalidateStatusLine() { InvalidateRect(StatusLineRect(), true); }

bool CStartDlg::AfterCompletedRun() {
  Project().inputChangedSinceRun = 0;
  InvalidateStatusLine();
  // The run decides whether the line on a missed target stands.
  InvalidateRect(TargetLineRect(), true);
  // The run has made the results that were dropped on opening.
  const bool resultsWereDropped = Project().resultsDropped != 0;
  Project().resultsDropped = 0;
  return resultsWereDropped;
}

// Enter presses the default button "Modify input data" (the template has no OK).
void CStartDlg::OnOK() {}

void CStartDlg::OnCancel() {}

void CStartDlg::OnModifyInput() {
  {
    CModifyMenuDlg dlg;
    dlg.DoModal();
  }
  Invalidate(true);
  Project().inputChangedSinceRun = 1;
  InvalidateStatusLine();
}

void CStartDlg::OnRunOptimized() {
  MarkActiveDocumentModified();
  CRunTervaneDlg dlg;
  dlg.runMode = 1;
  if (dlg.DoModal() != fw::IDOK) return;
  ProjectData& project = Project();
  AfterCompletedRun();
  ApplyEnableRule();
  // The run's one geosynthetic becomes the type table's first entry.
  GeosyntheticTypeTable& types = project.geosyntheticTypes;
  types.typeOverflow = 0;
  types.typeCount = 1;
  types.typeUltimateStrength[0] = project.runInput.ultimateStrength;
  types.typeRfInstallation[0] = project.runInput.rfInstallation;
  types.typeRfDurability[0] = project.runInput.rfDurability;
  types.typeRfCreep[0] = project.runInput.rfCreep;
}

void CStartDlg::OnRunUserSpecified() {
  MarkActiveDocumentModified();
  {
    CManualInputDataDlg table;
    table.DoModal();
    if (table.layersAccepted != 1) return;
  }
  CRunTervaneDlg dlg;
  dlg.runMode = 0;
  if (dlg.DoModal() != fw::IDOK) return;
  if (AfterCompletedRun()) ApplyEnableRule();
}

void CStartDlg::OnViewTabulatedResults() {
  CViewWrittenResultsDlg dlg;
  dlg.DoModal();
}

void CStartDlg::OnViewLayout() {
  CGraphicResultsDlg dlg;
  dlg.DoModal();
}

void CStartDlg::OnQuantityAndCost() {
  CQuantitiesDlg dlg;
  dlg.DoModal();
}

void CStartDlg::OnSaveResultsAsText() { SaveResultsAsTextFile(); }

bool CStartDlg::OnHelpInfo() {
  fw::Help().ShowTopic(Project().helpFilePath + "::/Tervane_Help.htm");
  return true;
}

void CStartDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size client = ClientSize();
  clientWidth = client.cx;
  clientHeight = client.cy;
  const double w = clientWidth;
  const double h = clientHeight;
  fw::Font font;
  font.face = "MS Sans Serif";
  font.height = fw::PointFontHeight(dc, 80);
  const fw::Font oldFont = dc.SelectFont(font);
  const fw::Brush oldBrush = dc.SelectBrush(fw::Brush::Solid(fw::RGB(222, 222, 222)));
  const fw::ColorRef oldText = dc.SetTextColor(fw::RGB(0, 0, 255));
  const fw::ColorRef oldBack = dc.SetBkColor(kMainMenuColor);
  dc.TextOut(fw::MakePoint(0.4 * w, 0.12 * h), Project().inputChangedSinceRun == 1 ? kRunNeededText : " ");
  if (DeepSeatedTargetMissed(Project().runInput, Project().results)) {
    const int lineHeight = dc.GetTextExtent(kTargetMissedText).cy;
    dc.TextOut(fw::Point{fw::ToDeviceCoord(0.4 * w), fw::ToDeviceCoord(0.12 * h) + lineHeight}, kTargetMissedText);
  }
  dc.SetTextColor(oldText);
  dc.SetBkColor(oldBack);
  PaintMainMenuSketch(dc, Project().input, clientWidth, clientHeight);
  dc.SelectBrush(oldBrush);
  dc.SelectFont(oldFont);
}

}  // namespace tervane
