#include "input/ModifyMenuDlg.h"

#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/Services.h"
#include "input/ModifyGeneralDlg.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ModifySetupDlg.h"
#include "input/ModifyWaterDlg.h"
#include "input/ReinforcementDlgs.h"
#include "input/SeismicAndFoundationDlgs.h"
#include "input/SoilAndDesignDlgs.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace {

// Runs one input dialog as a local object; its result is not looked at.
template <class InputDlg>
void Run() {
  InputDlg dialog;
  dialog.DoModal();
}

}  // namespace

CModifyMenuDlg::CModifyMenuDlg() : fw::Dialog(DialogTemplateNamed("IDD_MODIFY_MENU")) {
  using namespace ids::menu;
  SetBackgroundColor(fw::RGB(255, 255, 128));
  OnClicked(kSetup, &Run<CModifySetupDlg>);
  OnClicked(kGeneral, &Run<CModifyGeneralDlg>);
  OnClicked(kGeometry, &Run<CModifyGeometryDlg>);
  OnClicked(kWater, &Run<CModifyWaterDlg>);
  OnClicked(kSoil, &Run<CModifySoilDlg>);
  OnClicked(kDesignParam, &Run<CModifyDesignParamDlg>);
  OnClicked(kSeismicParam, &Run<CModifySeismicParamDlg>);
  OnClicked(kFoundation, &Run<CModifyFoundationDlg>);
  OnClicked(kGeosynData, &Run<CModifyGeosynDataDlg>);
  OnClicked(kGeosynFs, &Run<CModifyGeosynFsDlg>);
  OnClicked(kInclination, &Run<CModifyInclinationDlg>);
  OnClicked(kGeneralFs, &Run<CModifyGeneralFsDlg>);
}

bool CModifyMenuDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

bool CModifyMenuDlg::OnHelpInfo() {
  fw::Help().ShowTopic(Project().helpFilePath + "::/Tervane_Help.htm");
  return true;
}

}  // namespace tervane
