#include "input/ReinforcementDlgs.h"

#include "framework/Text.h"
#include "input/InputWarnings.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace input {

const DialogFields& GeosynDataFields() {
  using namespace ids::geosyn;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_GEOSYN_DATA";
    s.helpTopic = "modify_geosyn_data.htm";
    s.fields = {
        NumberField(kStrength, &ProjectInput::ultimateStrength, Unit::kStrength, 43.8, 3000.0),
        NumberField(kMaxSpacing, &ProjectInput::maxSpacing, Unit::kLength, 1.0, 3.0),
        NumberField(kMinSpacing, &ProjectInput::minSpacing, Unit::kLength, 0.3, 1.0),
        NumberField(kBottomLayer, &ProjectInput::bottomLayerHeight, Unit::kLength, 0.0, 0.0),
    };
    s.unitCaptions = {{kStrengthUnit, Unit::kStrength},
                      {kMaxSpacingUnit, Unit::kLength},
                      {kMinSpacingUnit, Unit::kLength},
                      {kBottomLayerUnit, Unit::kLength}};
    s.enterCycle = {{kStrength, kMaxSpacing}, {kMaxSpacing, kMinSpacing}, {kMinSpacing, kBottomLayer},
                    {kBottomLayer, kStrength}};

    // The spacing limits are compared in the display unit.
    const auto least = [](const CheckContext& c) { return c.English() ? 0.5 : 0.15; };
    s.checks = {
        ErrorCheck(1190, [](const CheckContext& c) { return c.N(kStrength) <= 0.0; },
                   Fixed("Geosynthetic strength should not be negative nor zero."), FocusOn(kStrength)),
        ErrorCheck(
            1191, [least](const CheckContext& c) { return c.N(kMaxSpacing) < least(c); },
            [](const CheckContext& c) {
              return std::string(c.English() ? "Dmax should not be smaller than 0.50 ft."
                                             : "Dmax should not be smaller than 0.15 m.");
            },
            FocusOn(kMaxSpacing)),
        ErrorCheck(
            1192, [](const CheckContext& c) { return c.N(kMaxSpacing) >= c.StoredHeight(); },
            [](const CheckContext& c) {
              return "(Slope's height is " + Format("%.2f", c.StoredHeight()) +
                     (c.English() ? " ft.)\n\n" : " m.)\n\n") + "Dmax should be smaller than slope's height.";
            },
            FocusOn(kMaxSpacing)),
        ErrorCheck(
            1193, [least](const CheckContext& c) { return c.N(kMinSpacing) < least(c); },
            [](const CheckContext& c) {
              return std::string(c.English() ? "Dmin should not be smaller than 0.50 ft."
                                             : "Dmin should not be smaller than 0.15 m.");
            },
            FocusOn(kMinSpacing)),
        ErrorCheck(1194, [](const CheckContext& c) { return c.N(kMinSpacing) >= c.N(kMaxSpacing); },
                   Fixed("Dmin should be smaller than Dmax."), FocusOn(kMinSpacing)),
        ErrorCheck(1195, [](const CheckContext& c) { return c.N(kBottomLayer) < 0.0; },
                   Fixed("Dbottom should not be negative."), FocusOn(kBottomLayer)),
        ErrorCheck(1196, [](const CheckContext& c) { return c.N(kBottomLayer) >= c.N(kMinSpacing); },
                   Fixed("Dbottom should be smaller than Dmin."), FocusOn(kBottomLayer)),
        ErrorCheck(
            1197, [](const CheckContext& c) { return c.N(kBottomLayer) > (c.English() ? 1.0 : 0.3); },
            [](const CheckContext& c) {
              return std::string("Location of bottom layer is limited to practical maximum of ") +
                     (c.English() ? "1.00 ft. above foundation." : "0.30 m. above foundation.");
            },
            FocusOn(kBottomLayer)),
    };
    return s;
  }();
  return fields;
}

const DialogFields& GeosynFsFields() {
  using namespace ids::geosynfs;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_GEOSYN_FS";
    s.helpTopic = "modify_geosyn_Fs.htm";
    s.fields = {
        NumberField(kRfInstallation, &ProjectInput::rfInstallation, 1.2),
        NumberField(kRfDurability, &ProjectInput::rfDurability, 1.1),
        NumberField(kRfCreep, &ProjectInput::rfCreep, 2.5),
        NumberField(kCoverage, &ProjectInput::coverageRatio, 1.0),
    };
    s.enterCycle = {{kRfInstallation, kRfDurability}, {kRfDurability, kRfCreep}, {kRfCreep, kCoverage},
                    {kCoverage, kRfInstallation}};

    const auto belowOne = [](double v) { return v < 1.0; };
    Check small = ErrorCheck(0, [](const CheckContext& c) { return c.N(kCoverage) < 0.5; }, nullptr,
                             FocusOn(kCoverage));
    small.kind = CheckKind::kWarning;  // asked through CWarning2Dlg, which has its own text
    s.checks = {
        ErrorCheck(
            1200, AnyField({kRfInstallation, kRfDurability, kRfCreep}, belowOne),
            [](const CheckContext& c) {
              if (c.N(kRfInstallation) < 1.0)
                return std::string("Reduction factor for installation damage should not be less than 1.0 .");
              if (c.N(kRfDurability) < 1.0)
                return std::string("Reduction factor for durability should not be less than 1.0 .");
              return std::string("Reduction factor for creep should not be less than 1.0 .");
            },
            FirstField({kRfInstallation, kRfDurability, kRfCreep}, belowOne)),
        ErrorCheck(1201, [](const CheckContext& c) { return c.N(kCoverage) < 0.05 || c.N(kCoverage) > 1.0; },
                   Fixed("Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 ."), FocusOn(kCoverage)),
        std::move(small),
    };
    return s;
  }();
  return fields;
}

const DialogFields& InclinationFields() {
  using namespace ids::inclination;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_INCLINATION";
    s.helpTopic = "modify_inclination.htm";
    s.fields = {
        // Default leaves the mode as held.
        ChoiceField(kAbsolute, &ProjectInput::orientationMode),
        NumberField(kAor, &ProjectInput::aorAngle, 0.0),
        NumberField(kRor, &ProjectInput::rorValue, 0.0),
    };
    s.enterCycle = {{kRelative, kRor}, {kAbsolute, kAor}, {kRor, kRor}, {kAor, kAor}};
    // Only the value of the mode chosen is tested; both are stored.
    s.checks = {
        ErrorCheck(
            1205,
            [](const CheckContext& c) {
              return c.Choice(kAbsolute) == 0 && (c.N(kAor) < -15.0 || c.N(kAor) > 15.0);
            },
            Fixed("Inclination angle should be between -15° and +15°"), FocusOn(kAor)),
        ErrorCheck(
            1206,
            [](const CheckContext& c) {
              return c.Choice(kAbsolute) == 1 && (c.N(kRor) < 0.0 || c.N(kRor) > 1.0);
            },
            Fixed("Value of ROR should be between 0.0 and 1.0"), FocusOn(kRor)),
    };
    return s;
  }();
  return fields;
}

const DialogFields& GeneralFsFields() {
  using namespace ids::generalfs;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_GENERAL_FS";
    s.helpTopic = "modify_General_Fs.htm";
    s.fields = {
        NumberField(kSoil, &ProjectInput::fsSoilStrength, 1.3),
        NumberField(kGeosynthetic, &ProjectInput::fsGeosyntheticStrength, 1.3),
        NumberField(kPullout, &ProjectInput::fsPullout, 1.5),
        NumberField(kSliding, &ProjectInput::fsDirectSliding, 1.1),
    };
    s.enterCycle = {{kSoil, kGeosynthetic}, {kGeosynthetic, kPullout}, {kPullout, kSliding}, {kSliding, kSoil}};
    const auto belowOne = [](double v) { return v < 1.0; };
    s.checks = {
        ErrorCheck(1210, AnyField({kSoil, kGeosynthetic, kPullout, kSliding}, belowOne),
                   Fixed("Fs should not be smaller than 1.0 ."),
                   FirstField({kSoil, kGeosynthetic, kPullout, kSliding}, belowOne)),
    };
    return s;
  }();
  return fields;
}

}  // namespace input

CModifyGeosynDataDlg::CModifyGeosynDataDlg() : CInputDialog(input::GeosynDataFields()) {}

CModifyGeosynFsDlg::CModifyGeosynFsDlg() : CInputDialog(input::GeosynFsFields()) {}

bool CModifyGeosynFsDlg::ConfirmWarning(const input::CheckFailure&) {
  CWarning2Dlg question;
  question.DoModal();
  return question.continueChosen == 1;
}

CModifyInclinationDlg::CModifyInclinationDlg() : CInputDialog(input::InclinationFields()) {
  OnClicked(ids::inclination::kRelative, [this] { OnOrientation(1); });
  OnClicked(ids::inclination::kAbsolute, [this] { OnOrientation(0); });
}

void CModifyInclinationDlg::InitControls() { EnableModeControls(); }

void CModifyInclinationDlg::EnableModeControls() {
  using namespace ids::inclination;
  const bool relative = Values().Choice(kAbsolute) == 1;
  EnableControl(kRorLabel, relative);
  EnableControl(kRor, relative);
  EnableControl(kAor, !relative);
  EnableControl(kAorLabel, !relative);
  EnableControl(kAorUnit, !relative);
  ShowControl(kAorPicture, !relative);
}

// A value typed since the last exchange is replaced by the one held.
void CModifyInclinationDlg::OnOrientation(int mode) {
  Choice(ids::inclination::kAbsolute) = mode;
  EnableModeControls();
  UpdateData(false);
}

CModifyGeneralFsDlg::CModifyGeneralFsDlg() : CInputDialog(input::GeneralFsFields()) {}

}  // namespace tervane
