#include "analysis/run/RunChecks.h"

#include <algorithm>
#include <cmath>

#include "analysis/run/RunInputs.h"
#include "app/DisplayUnits.h"
#include "framework/Text.h"

namespace tervane {

namespace {

using Failure = std::optional<RunCheckFailure>;

RunCheckFailure Policing(int number, const std::string& text) {
  RunCheckFailure f;
  f.messageText = "\n " + text;
  f.errorNumberText = Format("Error No.%d", number);
  return f;
}

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

// Tests of a value as the input dialogs make them. A dialog takes only finite
// numbers, so a value that is not (from a file) fails every test.
bool AtLeast(double v, double lo) { return std::isfinite(v) && v >= lo; }
bool Above(double v, double lo) { return std::isfinite(v) && v > lo; }
bool AtMost(double v, double hi) { return std::isfinite(v) && v <= hi; }
bool Within(double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; }

// The range checks of the input dialogs, in the order of the input menu, on
// the values as those dialogs show them (in the display units of `input`).
Failure CheckDialogRanges(const ProjectInput& in, const AppSettings& settings, int runMode) {
  const bool english = in.unitSystem == 1;
  const bool western = settings.symbolStyle != 1;
  const DisplayUnitFactors units = DisplayUnitFactors::For(in.unitSystem);
  const double lengthFactor = units.length;
  const double strengthFactor = units.strength;

  // Slope geometry and surcharge.
  const double h = in.slopeHeight * lengthFactor;
  if (!AtLeast(h, english ? 3.0 : 1.0))
    return Policing(1130, std::string("Height of slope should not be less than ") +
                              (english ? " 3.0 feet." : " 1.0 meter."));
  if (!AtMost(h, english ? 100.0 : 30.0))
    return Policing(1131,
                    std::string("Height of slope should not exceed ") + (english ? " 100 feet." : " 30 meter."));
  if (!AtLeast(in.slopeAngle, 10.0))
    return Policing(1132, western ? "Inclination of slope should not be less than 10° ."
                                  : "Inclination of slope should not be less than 10 deg.");
  if (!AtMost(in.slopeAngle, 90.0))
    return Policing(1133, western ? "Inclination of slope should not exceed 90° (i.e., vertical slope)."
                                  : "Inclination of slope should not exceed 90deg. (i.e., vertical slope).");
  if (!AtLeast(in.crestLengthA, 0)) return Policing(1134, "Horizontal length, A, should not be negative.");
  if (!AtLeast(in.crestLengthB, 0)) return Policing(1134, "Horizontal length, B, should not be negative.");
  if (!AtLeast(in.backslopeAngle, 0)) return Policing(1135, "Slope at top should not be negative.");
  if (!AtMost(in.backslopeAngle, 90.0))
    return Policing(1136, western ? "Backslope should not exceed 90°." : "Backslope should not exceed 90 deg.");
  if (!AtLeast(in.surchargeQ1, 0) || !AtLeast(in.surchargeQ2, 0) || !AtLeast(in.surchargeQ3, 0))
    return Policing(1137, "Load should not be negative.");

  // Water pressure.
  if (in.waterMode == 1) {
    const double limit = 9.81 / in.reinforcedUnitWeight;
    if (!Within(in.poreWaterCoefficient, 0, limit))
      return Policing(1140, "Ru should not be negative nor greater than " + Format("%.2f", limit) + " .");
  }
  if (in.waterMode == 0) {
    if (!AtLeast(in.phreaticX2, 0) || !AtLeast(in.phreaticX3, in.phreaticX2) || !AtLeast(in.phreaticX4, in.phreaticX3))
      return Policing(1141, "'X' is smaller than the previous one.\nPlease correct.");
    if (!AtLeast(in.phreaticY2, 0) || !AtLeast(in.phreaticY3, 0) || !AtLeast(in.phreaticY4, 0))
      return Policing(1142, "'Y' Should not be negative.\nPlease correct.");
  }

  // Soil data (the limit of 45 degrees is a check of the run).
  const double phis[3] = {in.reinforcedPhi, in.backfillPhi, in.foundationPhi};
  const double cohesions[3] = {in.reinforcedCohesion, in.backfillCohesion, in.foundationCohesion};
  const double weights[3] = {in.reinforcedUnitWeight, in.backfillUnitWeight, in.foundationUnitWeight};
  for (double phi : phis)
    if (!AtLeast(phi, 0)) return Policing(1150, "Phi should not be negative.");
  for (double c : cohesions)
    if (!AtLeast(c, 0)) return Policing(1152, "Cohesion should not be negative.");
  for (double w : weights)
    if (!Above(w, 0)) return Policing(1153, "Unit weight should be greater than zero.");

  // Design parameters.
  if (!AtLeast(in.interwedgeAngle, 0)) return Policing(1160, "Delta should not be negative");
  if (in.interwedgeAngle > in.backfillPhi || in.interwedgeAngle > in.reinforcedPhi)
    return Policing(1161, "Delta should not be greater than " +
                              Format("%.1f", std::min(in.backfillPhi, in.reinforcedPhi)) + "° .");
  const double coefficients[4] = {in.pulloutCoefficientFoundation, in.pulloutCoefficientReinforced,
                                  in.slidingCoefficientFoundation, in.slidingCoefficientReinforced};
  for (double c : coefficients)
    if (!Above(c, 0)) return Policing(1162, "Value should not be negative nor zero.");
  for (double c : coefficients)
    if (!AtMost(c, 1.0)) return Policing(1163, "Value should not exceed 1.0.");

  // Seismic parameters.
  if (!AtLeast(in.seismicKh, 0)) return Policing(1170, "Kh should not be negative.");
  if (!Within(in.seismicKv, -0.3, 0.3))
    return Policing(1171, "Absolute value of Kv should not not exceed 0.3 .");

  // Foundation effects.
  if (!AtLeast(in.maxPenetrationDepth, 0)) return Policing(1180, "Penetration depth should be positive (down).");
  if (!AtLeast(in.targetFsDeepSeated, 1.0))
    return Policing(1181, "Factor of safety could be smaller than 1.0.\nPlease correct.");

  // The geosynthetic of an optimised run and its reduction factors.
  if (runMode == 1) {
    const double dmax = in.maxSpacing * lengthFactor;
    const double dmin = in.minSpacing * lengthFactor;
    const double db = in.bottomLayerHeight * lengthFactor;
    if (!Above(in.ultimateStrength * strengthFactor, 0))
      return Policing(1190, "Geosynthetic strength should not be negative nor zero.");
    if (!AtLeast(dmax, english ? 0.5 : 0.15))
      return Policing(1191, english ? "Dmax should not be smaller than 0.50 ft." : "Dmax should not be smaller than 0.15 m.");
    if (!(dmax < h))
      return Policing(1192, "(Slope's height is " + Format("%.2f", h) + (english ? " ft.)\n\n" : " m.)\n\n") +
                                "Dmax should be smaller than slope's height.");
    if (!AtLeast(dmin, english ? 0.5 : 0.15))
      return Policing(1193, english ? "Dmin should not be smaller than 0.50 ft." : "Dmin should not be smaller than 0.15 m.");
    if (!(dmin < dmax)) return Policing(1194, "Dmin should be smaller than Dmax.");
    if (!AtLeast(db, 0)) return Policing(1195, "Dbottom should not be negative.");
    if (!(db < dmin)) return Policing(1196, "Dbottom should be smaller than Dmin.");
    if (!AtMost(db, english ? 1.0 : 0.3))
      return Policing(1197, std::string("Location of bottom layer is limited to practical maximum of ") +
                                (english ? "1.00 ft. above foundation." : "0.30 m. above foundation."));
    if (!AtLeast(in.rfInstallation, 1.0))
      return Policing(1200, "Reduction factor for installation damage should not be less than 1.0 .");
    if (!AtLeast(in.rfDurability, 1.0))
      return Policing(1200, "Reduction factor for durability should not be less than 1.0 .");
    if (!AtLeast(in.rfCreep, 1.0)) return Policing(1200, "Reduction factor for creep should not be less than 1.0 .");
  }
  if (!Within(in.coverageRatio, 0.05, 1.0))
    return Policing(1201, "Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 .");

  // Force orientation: the value of the mode in use.
  if (in.orientationMode == 1) {
    if (!Within(in.rorValue, 0, 1)) return Policing(1206, "Value of ROR should be between 0.0 and 1.0");
  } else if (!Within(in.aorAngle, -15, 15)) {
    return Policing(1205, "Inclination angle should be between -15° and +15°");
  }

  // General factors of safety.
  const double factors[4] = {in.fsSoilStrength, in.fsGeosyntheticStrength, in.fsPullout, in.fsDirectSliding};
  for (double f : factors)
    if (!AtLeast(f, 1.0)) return Policing(1210, "Fs should not be smaller than 1.0 .");

  // The layer table of a user-specified run, layer by layer from the lowest.
  if (runMode == 0) {
    for (int b = 0; b < in.layerCount && b < kMaxLayers; ++b) {
      const std::string layer = Format("%d", b + 1) + " )";
      const double e = in.layerElevation[b] * lengthFactor;
      if (!AtLeast(e, 0)) return Policing(1130, "Geosynthetic elevation should not be negative.\n(see layer #" + layer);
      if (!(e < h))
        return Policing(1137,
                        "Geosynthetic elevation should not be equal or greater than the height of slope.\n(see layer #" +
                            layer);
      if (!Above(in.layerUltimateStrength[b] * strengthFactor, 0))
        return Policing(1190, "Geosynthetic strength should not be negative nor zero.\n(see layer #" + layer);
      if (!AtLeast(in.layerRfInstallation[b], 1.0))
        return Policing(1200,
                        "Reduction factor for installation damage should not be less than 1.0 .\n(see layer #" + layer);
      if (!AtLeast(in.layerRfDurability[b], 1.0))
        return Policing(1200, "Reduction factor for durability should not be less than 1.0 .\n(see layer #" + layer);
      if (!AtLeast(in.layerRfCreep[b], 1.0))
        return Policing(1200, "Reduction factor for creep should not be less than 1.0 .\n(see layer #" + layer);
      if (b > 0 && e < in.layerElevation[b - 1] * lengthFactor)
        return Policing(1191, "Layer's elevations were not filled in.\n(see layer #" + layer);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<RunCheckFailure> CheckRunInput(const ProjectInput& input, const AppSettings& settings,
                                             int runMode, const analysis::EngineInputs& engine) {
  if (Failure f = CheckRunRules(input, runMode, engine)) return f;
  return CheckDialogRanges(input, settings, runMode);
}

}  // namespace tervane
