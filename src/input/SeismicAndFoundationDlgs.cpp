#include "input/SeismicAndFoundationDlgs.h"

#include "framework/Text.h"
#include "input/InputWarnings.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace input {

const DialogFields& SeismicParamFields() {
  using namespace ids::seismic;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_SEISMIC_PARAM";
    s.helpTopic = "modify_seismic_param.htm";
    s.fields = {
        NumberField(kKh, &ProjectInput::seismicKh, 0.0),
        NumberField(kKv, &ProjectInput::seismicKv, 0.0),
        ChoiceField(kFullKh, &ProjectInput::khHalved, 0),
        // Default answers "No", although a new project starts with "Yes".
        ChoiceField(kNo, &ProjectInput::seismicOnReinforcedMass, 0),
    };
    s.enterCycle = {{kKh, kKv}, {kKv, kKh}};
    s.checks = {
        ErrorCheck(1170, [](const CheckContext& c) { return c.N(kKh) < 0.0; }, Fixed("Kh should not be negative."),
                   FocusOn(kKh)),
        ErrorCheck(1171, [](const CheckContext& c) { return c.N(kKv) < -0.3 || c.N(kKv) > 0.3; },
                   Fixed("Absolute value of Kv should not not exceed 0.3 ."), FocusOn(kKv)),
    };
    // A large Kh is only advised against: the values are stored after it.
    Check largeKh = ErrorCheck(
        1172, [](const CheckContext& c) { return c.N(kKh) > 0.3; },
        Fixed("When using a pseudo-static approach, Kh value larger than 0.3 may produce "
              "unreasonable structural dimensions.  Furthermore, Tervane may fail to converge "
              "since the computed reinforcement length may approach infinity (i.e., Tervane may "
              "'freeze' requiring the user to press on Ctrl+Alt+Delete buttons simultaneously to "
              "terminate the program).  It is NOT recommended to use Kh value larger than 0.3."),
        nullptr);
    largeKh.kind = CheckKind::kNotice;
    largeKh.opening = false;
    s.checks.push_back(std::move(largeKh));
    return s;
  }();
  return fields;
}

const DialogFields& FoundationFields() {
  using namespace ids::foundation;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_FOUNDATION";
    s.helpTopic = "modify_foundation.htm";
    s.fields = {
        ChoiceField(kYes, &ProjectInput::penetrationForbidden, 0),
        NumberField(kDepth, &ProjectInput::maxPenetrationDepth, Unit::kLength, 12.0, 40.0),
        // Default keeps the target factor of safety as held.
        NumberField(kTargetFs, &ProjectInput::targetFsDeepSeated),
    };
    s.unitCaptions = {{kDepthUnit, Unit::kLength}};
    s.enterCycle = {{kDepth, kTargetFs}, {kTargetFs, kDepth}};

    Check shallow = ErrorCheck(
        1181, [](const CheckContext& c) { return c.N(kDepth) < c.StoredHeight() / 2.0; },
        Fixed("Circular slip surface may not represent the critical case when forced to pass "
              "through a narrow layer.  If the foundation thickness is less than H/2, it is "
              "recommended to use a slope stability analysis that utilizes a non-circular mechanizm."),
        FocusOn(kDepth));
    shallow.kind = CheckKind::kWarning;
    shallow.opening = false;
    shallow.numberPrefix = "Warning No.";
    shallow.heading = [](const CheckContext& c) {
      return std::string("\n ") + (c.Symbols() ? "½ height of slope = H/2 = " : "1/2 height of slope = H/2 = ") +
             Format("%.2f", c.StoredHeight() / 2.0) + (c.English() ? " ft.\n" : " m.\n");
    };
    s.checks = {
        ErrorCheck(1180, [](const CheckContext& c) { return c.N(kDepth) < 0.0; },
                   Fixed("Penetration depth should be positive (down)."), FocusOn(kDepth)),
        std::move(shallow),
        ErrorCheck(1181, [](const CheckContext& c) { return c.N(kTargetFs) < 1.0; },
                   Fixed("Factor of safety could be smaller than 1.0.\nPlease correct."), FocusOn(kTargetFs)),
    };
    return s;
  }();
  return fields;
}

}  // namespace input

CModifySeismicParamDlg::CModifySeismicParamDlg() : CInputDialog(input::SeismicParamFields()) {
  using namespace ids::seismic;
  OnClicked(kNo, [this] { Choice(kNo) = 0; });
  OnClicked(kYes, [this] { Choice(kNo) = 1; });
  OnClicked(kQuestion, [] {
    CWarning99 note;
    note.DoModal();
  });
}

CModifyFoundationDlg::CModifyFoundationDlg() : CInputDialog(input::FoundationFields()) {}

bool CModifyFoundationDlg::ConfirmWarning(const input::CheckFailure& failure) {
  CWarningDlg warning;
  warning.headingText = failure.headingText;
  warning.messageText = failure.messageText;
  warning.errorNumberText = failure.numberText;
  warning.DoModal();
  return warning.continueChosen == 1;
}

}  // namespace tervane
