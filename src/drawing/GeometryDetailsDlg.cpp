#include "drawing/GeometryDetailsDlg.h"

#include "model/DisplayUnits.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CGeometryDetailsDlg::CGeometryDetailsDlg() : fw::Dialog(DialogTemplateNamed("IDD_GEOMETRY_DETAILS")) {
  SetBackgroundColor(fw::kDefaultDialogColor);
}

bool CGeometryDetailsDlg::OnInitDialog() {
  const ProjectData& project = Project();
  const ProjectInput& in = project.runInput;
  const bool english = in.unitSystem == 1;
  const bool western = project.settings.symbolStyle == 0;
  const DisplayUnitFactors units = DisplayUnitFactors::For(in.unitSystem);
  const double lengthUnitFactor = units.length;
  const double pressureUnitFactor = units.pressure;
  const char* length = english ? " ft." : " m.";
  const char* degrees = western ? " \u00b0" : "deg.";
  const char* pressure = !english ? " kPa." : western ? " lb/ft \u00b2." : " lb/ft^2.";

  unitsText = english ? "English units are used." : "Metric (SI) units are used.";
  heightText = Format("%.2f", in.slopeHeight * lengthUnitFactor) + length;
  slopeAngleText = Format("%.2f", in.slopeAngle) + degrees;
  crestAText = Format("%.2f", in.crestLengthA * lengthUnitFactor) + length;
  crestBText = Format("%.2f", in.crestLengthB * lengthUnitFactor) + length;
  backslopeText = Format("%.2f", in.backslopeAngle) + degrees;
  bottomSlopeText = Format("%.2f", in.bottomSlopeAngle) + degrees;
  q1Text = Format("%.2f", in.surchargeQ1 * pressureUnitFactor) + pressure;
  q2Text = Format("%.2f", in.surchargeQ2 * pressureUnitFactor) + pressure;
  q3Text = Format("%.2f", in.surchargeQ3 * pressureUnitFactor) + pressure;

  ApplyDialogIdLabelRule(*this);
  return fw::Dialog::OnInitDialog();
}

void CGeometryDetailsDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(res::kDetailsUnitsId, unitsText);
  dx.Text(res::kDetailsHeightId, heightText);
  dx.Text(res::kDetailsSlopeAngleId, slopeAngleText);
  dx.Text(res::kDetailsCrestAId, crestAText);
  dx.Text(res::kDetailsCrestBId, crestBText);
  dx.Text(res::kDetailsBackslopeId, backslopeText);
  dx.Text(res::kDetailsBottomSlopeId, bottomSlopeText);
  dx.Text(res::kDetailsQ1Id, q1Text);
  dx.Text(res::kDetailsQ2Id, q2Text);
  dx.Text(res::kDetailsQ3Id, q3Text);
}

}  // namespace tervane
