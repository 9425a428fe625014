#include "results/ViewCase3Dlg.h"

#include <algorithm>
#include <cmath>

#include "common/MessageDialogs.h"
#include "model/RunOutcome.h"
#include "model/StrengthFunctions.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ResultsSheet.h"

namespace tervane {

namespace {

using namespace res;

// Degrees from radians as the page converts them (pi taken as 3.1415926535).
constexpr double kPageDegree = 0.017453292519444445;
// The smallest layer ratio starts here.
constexpr double kNoSmallerRatio = 1000000.0;

std::string Number(double value) { return Format("%.2f", value); }

}  // namespace

CViewCase3Dlg::CViewCase3Dlg() : fw::Dialog(DialogTemplateNamed("IDD_VIEW_CASE3")) {
  SetBackgroundColor(fw::RGB(192, 220, 192));
  for (int id : {kSlidingSpecifiedId, kSlidingLengthId, kSlidingCalculatedId, kSlidingStatusId, kWedgeAngleId,
                 kUncertaintiesSpecifiedId, kTiebackCompoundLengthId, kUncertaintiesCalculatedId,
                 kUncertaintiesStatusId, kPulloutSpecifiedId, kPulloutCalculatedId, kPulloutStatusId,
                 kPenetrationRemarkId, kDeepSeatedSpecifiedId, kDeepSeatedLengthId, kDeepSeatedCalculatedId,
                 kDeepSeatedStatusId, kDeepSeatedRemarkId, kCircleXCaptionId, kCircleYCaptionId,
                 kCircleRadiusCaptionId, kCircleXId, kCircleYId, kCircleRadiusId, kSliceCountId,
                 kTensionCrackNoteId, kNote1Id})
    texts[id] = std::string();
}

void CViewCase3Dlg::DoDataExchange(fw::DataExchange& dx) {
  for (auto& [id, text] : texts) dx.Text(id, text);
}

double CViewCase3Dlg::CriticalWedgeAngle(const double (&x)[3], const double (&y)[3]) {
  double dx = x[2] - x[1];
  if (!(dx >= 0.0001)) dx = 0.0001;
  const double dy = y[2] - y[1];
  return std::atan(dy / dx) / kPageDegree;
}

bool CViewCase3Dlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const ProjectInput& run = Project().runInput;
  const AnalysisResults& r = Project().results;
  ChooseDisplayUnits(run.unitSystem);
  const std::string unit = units == 1 ? " ft." : " m.";
  const double fL = lengthFactor;

  // Direct sliding.
  texts[kSlidingSpecifiedId] = Number(run.fsDirectSliding);
  texts[kSlidingLengthId] = Number(r.directSlidingLength * fL) + unit;
  texts[kSlidingCalculatedId] = Number(std::max(run.fsDirectSliding, r.finalFsDirectSliding)) + " or greater";
  texts[kSlidingStatusId] = "OK";
  const double wedgeX[3] = {r.directSlidingWedgeX[0], r.directSlidingWedgeX[1], r.directSlidingWedgeX[2]};
  const double wedgeY[3] = {r.directSlidingWedgeY[0], r.directSlidingWedgeY[1], r.directSlidingWedgeY[2]};
  texts[kWedgeAngleId] = Format("%.1f", CriticalWedgeAngle(wedgeX, wedgeY)) + " degrees";

  // Tieback and compound: uncertainties and pullout.
  texts[kUncertaintiesSpecifiedId] = Number(run.fsGeosyntheticStrength);
  texts[kPulloutSpecifiedId] = Number(run.fsPullout);
  texts[kTiebackCompoundLengthId] = Number(r.maxTiebackCompoundLength * fL) + unit;
  // The smallest ratio of the layers, by the strength check and the
  // overstress rule that the summary table, the drawings and the report use.
  const int layers = r.LayerCount();
  LayerStrengthCheck check;
  check.strengthUnitFactor = strengthFactor;
  double smallest = kNoSmallerRatio;
  bool everyRatioFormed = true;
  for (int i = 0; i < layers; ++i) {
    const double ratio = check.ComputeLayerStrengthRatio(run, r, i);
    if (!IsStrengthRatioFormed(check.checkRequiredStrength, ratio))
      everyRatioFormed = false;
    else
      smallest = std::min(smallest, ratio);
  }
  if (layers == 0) {
    // No layer, no ratio: nothing to compare.
    texts[kUncertaintiesCalculatedId] = kNotAvailableText;
    texts[kUncertaintiesStatusId] = kNotAvailableText;
  } else if (!everyRatioFormed) {
    texts[kUncertaintiesCalculatedId] = kNotAvailableText;
    texts[kUncertaintiesStatusId] = "X";
  } else {
    texts[kUncertaintiesCalculatedId] = Number(smallest) + " or greater";
    texts[kUncertaintiesStatusId] = IsLayerOverstressed(run, smallest) ? "X" : "OK";
  }
  texts[kPulloutCalculatedId] = texts[kPulloutSpecifiedId];
  texts[kPulloutStatusId] = "OK";

  // Deep-seated.
  const double fsDeepSeated = DeepSeatedFs(run, r);
  const bool deepSeatedKnown = std::isfinite(fsDeepSeated);
  texts[kDeepSeatedSpecifiedId] = Number(run.targetFsDeepSeated);
  texts[kDeepSeatedLengthId] = Number(r.directSlidingLength * fL) + unit;
  texts[kDeepSeatedCalculatedId] =
      deepSeatedKnown ? "Fs (global) = " + Number(fsDeepSeated) : std::string(kNotAvailableText);
  texts[kCircleXCaptionId] = units == 1 ? "Xc [ ft.]" : "Xc [ m.]";
  texts[kCircleYCaptionId] = units == 1 ? "Yc [ ft.]" : "Yc [ m.]";
  texts[kCircleRadiusCaptionId] = units == 1 ? "Rc [ ft.]" : "Rc [ m.]";
  texts[kCircleXId] = Number(r.criticalCircleX * fL);
  texts[kCircleYId] = Number(r.criticalCircleY * fL);
  texts[kCircleRadiusId] = Number(r.criticalCircleRadius * fL);
  texts[kSliceCountId] = "Number of slices = 50";
  texts[kDeepSeatedStatusId] = DeepSeatedTargetMet(run, r) ? "OK" : "X";

  // The remark on a raised target stands only beside a target that was met.
  if (!RaisedTargetRemarkApplies(run, r)) ShowControl(kTargetNoteId, false);

  texts[kDeepSeatedRemarkId] =
      "The critical circle is forced to pass outside the reinforced zone definened by the bottom geosynthetic "
      "layer;\n            its maximum potential depth is limited to " +
      Number(run.maxPenetrationDepth * fL) + unit;
  texts[kTensionCrackNoteId] =
      "In case the crest elevation is above H, Tervane assumes a tension crack between the crest and H (see graphic "
      "screen).";
  texts[kNote1Id] =
      "To obtain satisfactory Fs-deepseated, re-run Tervane with a larger specified value of Fs-direct sliding.  "
      "This will force deeper circles which may yield larger deepseated safety factor.";
  texts[kPenetrationRemarkId] =
      run.penetrationForbidden == 0
          ? "Tieback/compound slip surface are not restricted from penetrating the foundation soil."
          : "Tieback/compound slip surface are restricted from penetrating the foundation soil.";

  if (!DeepSeatedConducted(r)) {
    // The loop stopped because no reinforcement length was needed: no
    // deep-seated analysis belongs to the run, and nothing calculated is shown.
    ShowControl(kNotConductedId, true);
    for (int id : {kSlidingCalculatedId, kSlidingStatusId, kUncertaintiesCalculatedId, kUncertaintiesStatusId,
                   kPulloutCalculatedId, kPulloutStatusId, kDeepSeatedStatusId, kCircleXId, kCircleYId,
                   kCircleRadiusId, kDeepSeatedCalculatedId})
      texts[id] = kNotAvailableText;
  }

  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

}  // namespace tervane
