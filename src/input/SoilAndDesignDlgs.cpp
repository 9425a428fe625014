#include "input/SoilAndDesignDlgs.h"

#include <algorithm>

#include "framework/Text.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace input {

const DialogFields& SoilFields() {
  using namespace ids::soil;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_SOIL";
    s.helpTopic = "modify_soil.htm";
    s.fields = {
        NumberField(kReinforcedPhi, &ProjectInput::reinforcedPhi, 34.0),
        NumberField(kReinforcedCohesion, &ProjectInput::reinforcedCohesion, Unit::kPressure, 0.0, 0.0),
        NumberField(kReinforcedUnitWeight, &ProjectInput::reinforcedUnitWeight, Unit::kUnitWeight, 20.0, 120.0),
        NumberField(kBackfillPhi, &ProjectInput::backfillPhi, 34.0),
        NumberField(kBackfillCohesion, &ProjectInput::backfillCohesion, Unit::kPressure, 0.0, 0.0),
        NumberField(kBackfillUnitWeight, &ProjectInput::backfillUnitWeight, Unit::kUnitWeight, 20.0, 120.0),
        NumberField(kFoundationPhi, &ProjectInput::foundationPhi, 34.0),
        NumberField(kFoundationCohesion, &ProjectInput::foundationCohesion, Unit::kPressure, 0.0, 0.0),
        NumberField(kFoundationUnitWeight, &ProjectInput::foundationUnitWeight, Unit::kUnitWeight, 20.0, 120.0),
    };
    s.unitCaptions = {{kReinforcedCohesionUnit, Unit::kPressure},     {kBackfillCohesionUnit, Unit::kPressure},
                      {kFoundationCohesionUnit, Unit::kPressure},     {kReinforcedUnitWeightUnit, Unit::kUnitWeight},
                      {kBackfillUnitWeightUnit, Unit::kUnitWeight},   {kFoundationUnitWeightUnit, Unit::kUnitWeight}};
    s.enterCycle = {{kReinforcedPhi, kReinforcedCohesion},     {kReinforcedCohesion, kReinforcedUnitWeight},
                    {kReinforcedUnitWeight, kBackfillPhi},     {kBackfillPhi, kBackfillCohesion},
                    {kBackfillCohesion, kBackfillUnitWeight},  {kBackfillUnitWeight, kFoundationPhi},
                    {kFoundationPhi, kFoundationCohesion},     {kFoundationCohesion, kFoundationUnitWeight},
                    {kFoundationUnitWeight, kReinforcedPhi}};

    const auto negative = [](double v) { return v < 0.0; };
    const auto above45 = [](double v) { return v > 45.0; };
    const auto notPositive = [](double v) { return v <= 0.0; };
    s.checks = {
        ErrorCheck(1150, AnyField({kReinforcedPhi, kBackfillPhi, kFoundationPhi}, negative),
                   Fixed("Phi should not be negative."),
                   FirstField({kReinforcedPhi, kBackfillPhi, kFoundationPhi}, negative)),
        ErrorCheck(1151, AnyField({kReinforcedPhi, kBackfillPhi, kFoundationPhi}, above45),
                   Fixed("For design, the internal angle of friction should not exceed 45°."),
                   FirstField({kReinforcedPhi, kBackfillPhi, kFoundationPhi}, above45)),
        ErrorCheck(1152, AnyField({kReinforcedCohesion, kBackfillCohesion, kFoundationCohesion}, negative),
                   Fixed("Cohesion should not be negative."),
                   FirstField({kReinforcedCohesion, kBackfillCohesion, kFoundationCohesion}, negative)),
        ErrorCheck(1153, AnyField({kReinforcedUnitWeight, kBackfillUnitWeight, kFoundationUnitWeight}, notPositive),
                   Fixed("Unit weight should be greater than zero."),
                   FirstField({kReinforcedUnitWeight, kBackfillUnitWeight, kFoundationUnitWeight}, notPositive)),
    };
    return s;
  }();
  return fields;
}

const DialogFields& DesignParamFields() {
  using namespace ids::design;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_DESIGN_PARAM";
    s.helpTopic = "modify_design_param.htm";
    s.fields = {
        NumberField(kDelta, &ProjectInput::interwedgeAngle, 20.0),
        NumberField(kCiReinforced, &ProjectInput::pulloutCoefficientReinforced, 0.9),
        NumberField(kCiFoundation, &ProjectInput::pulloutCoefficientFoundation, 0.9),
        NumberField(kCdsReinforced, &ProjectInput::slidingCoefficientReinforced, 1.0),
        NumberField(kCdsFoundation, &ProjectInput::slidingCoefficientFoundation, 1.0),
        ChoiceField(kUniform, &ProjectInput::lengthLayout, 0),
    };
    s.enterCycle = {{kDelta, kCiReinforced},
                    {kCiReinforced, kCiFoundation},
                    {kCiFoundation, kCdsReinforced},
                    {kCdsReinforced, kCdsFoundation},
                    {kCdsFoundation, kDelta}};

    // The coefficients are tested foundation before reinforced.
    const auto notPositive = [](double v) { return v <= 0.0; };
    const auto aboveOne = [](double v) { return v > 1.0; };
    s.checks = {
        ErrorCheck(1160, [](const CheckContext& c) { return c.N(kDelta) < 0.0; },
                   Fixed("Delta should not be negative"), FocusOn(kDelta)),
        ErrorCheck(
            1161,
            [](const CheckContext& c) {
              return c.N(kDelta) > c.stored.backfillPhi || c.N(kDelta) > c.stored.reinforcedPhi;
            },
            [](const CheckContext& c) {
              return "Delta should not be greater than " +
                     Format("%.1f", std::min(c.stored.backfillPhi, c.stored.reinforcedPhi)) + "° .";
            },
            FocusOn(kDelta)),
        ErrorCheck(1162, AnyField({kCiFoundation, kCiReinforced, kCdsFoundation, kCdsReinforced}, notPositive),
                   Fixed("Value should not be negative nor zero."),
                   FirstField({kCiFoundation, kCiReinforced, kCdsFoundation, kCdsReinforced}, notPositive)),
        ErrorCheck(1163, AnyField({kCiFoundation, kCiReinforced, kCdsFoundation, kCdsReinforced}, aboveOne),
                   Fixed("Value should not exceed 1.0."),
                   FirstField({kCiFoundation, kCiReinforced, kCdsFoundation, kCdsReinforced}, aboveOne)),
    };
    return s;
  }();
  return fields;
}

}  // namespace input

CModifySoilDlg::CModifySoilDlg() : CInputDialog(input::SoilFields()) {}

CModifyDesignParamDlg::CModifyDesignParamDlg() : CInputDialog(input::DesignParamFields()) {}

}  // namespace tervane
