#include "run/RunChecks.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "run/RunInputs.h"
#include "model/DisplayUnits.h"
#include "framework/Text.h"
#include "input/DialogFields.h"
#include "input/ManualInputDataDlg.h"

namespace tervane {

namespace {

using Failure = std::optional<RunCheckFailure>;

RunCheckFailure Policing(std::string numberText, const std::string& text) {
  RunCheckFailure f;
  f.messageText = "\n " + text;
  f.errorNumberText = std::move(numberText);
  return f;
}

RunCheckFailure Policing(int number, const std::string& text) { return Policing(Format("Error No.%d", number), text); }

// The nine checks of the run, in their order.
Failure CheckRunRules(const ProjectInput& in, int runMode, const analysis::EngineInputs& engine) {
  const double deg = kRunDegreeToRadian;
  if (in.designerName.empty()) return Policing(1120, "Designer name must be input.");

  const double px[3] = {in.phreaticX2, in.phreaticX3, in.phreaticX4};
  const double py[3] = {in.phreaticY2, in.phreaticY3, in.phreaticY4};
  if (in.waterMode == 0) {
    for (double y : py)
      if (y > in.slopeHeight)
        return Policing(1143, "The water table should not exceed the slope's surface.\nPlease correct.");
    const double angle = in.slopeAngle < 90 ? in.slopeAngle : 89.99999;
    const double tanFace = std::tan(deg * angle);
    for (int k = 0; k < 3; ++k) {
      const double x = px[k] > 0.0001 ? px[k] : 0.0001;
      if (py[k] / (x + 0.00001) > tanFace)
        return Policing(1144, "The water is out of the slope boundaries.\nPlease correct.");
    }
  }

  if (in.interwedgeAngle > 45) return Policing(1151, "Delta should not be greater than 45 °.");
  if (in.backfillPhi > 45) return Policing(1151, "Phi of backfill soil should not be greater than 45 °.");
  if (in.reinforcedPhi > 45) return Policing(1151, "Phi of reinforced soil should not be greater than 45 °.");
  if (in.foundationPhi > 45) return Policing(1151, "Phi of foundation soil should not be greater than 45 °.");

  if (in.reinforcedPhi <= 0.0001 && in.reinforcedCohesion < 0.0001)
    return Policing(1154, "Phi of cohesion of reinforced soil should not equal zero simulaneously.");
  if (in.backfillPhi <= 0.0001 && in.backfillCohesion < 0.0001)
    return Policing(1155, "Phi of cohesion of backfill soil should not equal zero simulaneously.");
  if (in.foundationPhi <= 0.0001 && in.foundationCohesion < 0.0001)
    return Policing(1156, "Phi of cohesion of foundation soil should not equal zero simulaneously.");

  if (engine.interwedgeAngleRad > engine.reinforcedDesignPhi || engine.interwedgeAngleRad > engine.backfillDesignPhi) {
    RunCheckFailure f;
    f.dialog = RunCheckFailure::Dialog::kPolicing2;
    f.errorNumberText = "Error No.1161";
    return f;
  }

  if (in.seismicOnReinforcedMass == 1) {
    const double k = engine.appliedSeismicKh + 0.001;
    const double b = runMode == 1 ? in.bottomLayerHeight : in.layerElevation[0];
    const double cf = engine.foundationDesignCohesion;
    const double cr = engine.reinforcedDesignCohesion;
    const double tf = std::tan(engine.foundationDesignPhi);
    const double tr = std::tan(engine.reinforcedDesignPhi);
    const bool slides = (b < 0.00001 && cf < 0.00001 && k > tf * in.slidingCoefficientFoundation) ||
                        (b < 0.00001 && cr < 0.00001 && k > tr * in.slidingCoefficientReinforced) ||
                        (b > 0 && cf < 0.00001 && k > tf) ||
                        (b > 0 && cr < 0.00001 && k > tr * in.slidingCoefficientReinforced);
    if (slides) {
      RunCheckFailure f;
      f.dialog = RunCheckFailure::Dialog::kPolicingXl;
      f.messageText =
          "To resist direct sliding, the specified Kh will produce reinforcement length that "
          "approach infinity.  That is, the pseudo-static approach applies large horizontal "
          "'inertia' to the reinforced mass.  The end result is 'reinforced mass' that will slide "
          "horizontally regardless of dimensions.";
      f.messageText2 =
          "Return to the Kh dialog and drag the '?' to the desired location to realize "
          "limitations of Kh values in a pseudo-static analysis.";
      f.errorNumberText = "Error No.1172";
      return f;
    }
  }
  return std::nullopt;
}

// The checks of the input dialogs on the values as stored, in the order of
// the input menu: the dialogs' own check tables, so that the run refuses
// exactly what a dialog would refuse. The setup dialog checks only the report
// language, a setting; the geosynthetic data are those of an optimised run
// only. Then, in a user-specified run, the checks of the layer table.
Failure CheckDialogTables(const ProjectInput& in, const AppSettings& settings, int runMode) {
  for (const input::DialogFields* fields : input::AllDialogFields()) {
    if (fields == &input::SetupFields()) continue;
    if (fields == &input::GeosynDataFields() && runMode != 1) continue;
    if (const std::optional<input::CheckFailure> f = input::FirstStoredFailure(*fields, in, settings.symbolStyle)) {
      RunCheckFailure failure;
      failure.messageText = f->messageText;
      failure.errorNumberText = f->numberText;
      return failure;
    }
  }
  if (runMode == 0) {
    const DisplayUnitFactors units = DisplayUnitFactors::For(in.unitSystem);
    std::vector<LayerTableRow> rows(static_cast<std::size_t>(in.LayerCount()));
    for (std::size_t b = 0; b < rows.size(); ++b)
      rows[b] = {in.layerElevation[b] * units.length, in.layerUltimateStrength[b] * units.strength,
                 in.layerRfInstallation[b], in.layerRfDurability[b], in.layerRfCreep[b]};
    if (const std::optional<LayerTableFailure> f = FirstLayerTableFailure(rows, in.slopeHeight * units.length))
      return Policing(f->numberText, f->message);
  }
  return std::nullopt;
}

}  // namespace

std::optional<RunCheckFailure> CheckRunInput(const ProjectInput& input, const AppSettings& settings,
                                             int runMode, const analysis::EngineInputs& engine) {
  if (Failure f = CheckRunRules(input, runMode, engine)) return f;
  return CheckDialogTables(input, settings, runMode);
}

}  // namespace tervane
