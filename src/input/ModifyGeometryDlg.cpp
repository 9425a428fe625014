#include "input/ModifyGeometryDlg.h"

#include "common/MessageDialogs.h"
#include "common/SlopeSketch.h"
#include "model/ProjectData.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace input {

const DialogFields& GeometryFields() {
  using namespace ids::geometry;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_GEOMETRY";
    s.helpTopic = "modify_geometry.htm";
    s.fields = {
        NumberField(kHeight, &ProjectInput::slopeHeight, Unit::kLength, 6.0, 20.0),
        NumberField(kSlopeAngle, &ProjectInput::slopeAngle, 45.0),
        NumberField(kCrestA, &ProjectInput::crestLengthA, Unit::kLength, 2.0, 6.0),
        NumberField(kCrestB, &ProjectInput::crestLengthB, Unit::kLength, 2.0, 6.0),
        NumberField(kBackslope, &ProjectInput::backslopeAngle, 30.0),
        NumberField(kBottomSlope, &ProjectInput::bottomSlopeAngle, 0.0),
        NumberField(kQ1, &ProjectInput::surchargeQ1, Unit::kPressure, 0.0, 0.0),
        NumberField(kQ2, &ProjectInput::surchargeQ2, Unit::kPressure, 0.0, 0.0),
        NumberField(kQ3, &ProjectInput::surchargeQ3, Unit::kPressure, 0.0, 0.0),
    };
    s.unitCaptions = {{kHeightUnit, Unit::kLength}, {kCrestAUnit, Unit::kLength},
                      {kCrestBUnit, Unit::kLength}, {kQ1Unit, Unit::kPressure},
                      {kQ2Unit, Unit::kPressure},   {kQ3Unit, Unit::kPressure}};
    s.enterCycle = {{kHeight, kSlopeAngle}, {kSlopeAngle, kCrestA}, {kCrestA, kCrestB},
                    {kCrestB, kBackslope},  {kBackslope, kBottomSlope}, {kBottomSlope, kQ1},
                    {kQ1, kQ2},             {kQ2, kQ3},             {kQ3, kHeight}};

    const auto negative = [](double v) { return v < 0.0; };
    s.checks = {
        // The height limits are compared in the display unit.
        ErrorCheck(
            1130, [](const CheckContext& c) { return c.N(kHeight) < (c.English() ? 3.0 : 1.0); },
            [](const CheckContext& c) {
              return std::string("Height of slope should not be less than ") +
                     (c.English() ? " 3.0 feet." : " 1.0 meter.");
            },
            FocusOn(kHeight)),
        ErrorCheck(
            1131, [](const CheckContext& c) { return c.N(kHeight) > (c.English() ? 100.0 : 30.0); },
            [](const CheckContext& c) {
              return std::string("Height of slope should not exceed ") + (c.English() ? " 100 feet." : " 30 meter.");
            },
            FocusOn(kHeight)),
        ErrorCheck(1132, [](const CheckContext& c) { return c.N(kSlopeAngle) < 10.0; },
                   BySymbols("Inclination of slope should not be less than 10° .",
                             "Inclination of slope should not be less than 10 deg."),
                   FocusOn(kSlopeAngle)),
        ErrorCheck(1133, [](const CheckContext& c) { return c.N(kSlopeAngle) > 90.0; },
                   BySymbols("Inclination of slope should not exceed 90° (i.e., vertical slope).",
                             "Inclination of slope should not exceed 90deg. (i.e., vertical slope)."),
                   FocusOn(kSlopeAngle)),
        ErrorCheck(
            1134, AnyField({kCrestA, kCrestB}, negative),
            [](const CheckContext& c) {
              return std::string(c.N(kCrestA) < 0.0 ? "Horizontal length, A, should not be negative."
                                                    : "Horizontal length, B, should not be negative.");
            },
            FirstField({kCrestA, kCrestB}, negative)),
        ErrorCheck(1135, [](const CheckContext& c) { return c.N(kBackslope) < 0.0; },
                   Fixed("Slope at top should not be negative."), FocusOn(kBackslope)),
        // At 90 degrees and beyond the backslope's tangent has no meaning, so
        // 90 itself is refused as well.
        ErrorCheck(1136, [](const CheckContext& c) { return c.N(kBackslope) >= 90.0; },
                   BySymbols("Backslope should not exceed 90°.", "Backslope should not exceed 90 deg."),
                   FocusOn(kBackslope)),
        ErrorCheck(1137, AnyField({kQ1, kQ2, kQ3}, negative), Fixed("Load should not be negative."),
                   FirstField({kQ1, kQ2, kQ3}, negative)),
    };
    // The overridable warning: a backslope steeper than either friction angle
    // as the soil dialog last stored them.
    Check steep = ErrorCheck(
        1138,
        [](const CheckContext& c) {
          return c.N(kBackslope) > c.stored.backfillPhi || c.N(kBackslope) > c.stored.reinforcedPhi;
        },
        [](const CheckContext& c) {
          const bool symbols = c.Symbols();
          return "Generally, backslope should not exceed Phi of reinforced soil (" +
                 Format("%.1f", c.stored.reinforcedPhi) +
                 (symbols ? " °) or\n backfill soil (" : " deg) or\n backfill soil (") +
                 Format("%.1f", c.stored.backfillPhi) +
                 (symbols ? " °), whichever is smaller" : " deg), whichever is smaller");
        },
        FocusOn(kBackslope));
    steep.kind = CheckKind::kWarning;
    s.checks.push_back(std::move(steep));
    return s;
  }();
  return fields;
}

}  // namespace input

namespace {

constexpr int kGeometryEdits[] = {ids::geometry::kHeight, ids::geometry::kSlopeAngle, ids::geometry::kCrestA,
                                  ids::geometry::kCrestB, ids::geometry::kBackslope,  ids::geometry::kBottomSlope,
                                  ids::geometry::kQ1,     ids::geometry::kQ2,         ids::geometry::kQ3};

}  // namespace

CModifyGeometryDlg::CModifyGeometryDlg() : CInputDialog(input::GeometryFields()) {
  for (int id : kGeometryEdits) OnEditChange(id, &CModifyGeometryDlg::OnFieldChanged);
  OnClicked(ids::kQuestionButton, &CModifyGeometryDlg::OnQuestion);
}

void CModifyGeometryDlg::OnFieldChanged() {
  UpdateData(true);
  RequestRedraw();
}

void CModifyGeometryDlg::AfterDefault() { RequestRedraw(); }

void CModifyGeometryDlg::OnQuestion() {
  CHelpGeometryDlg note;
  note.DoModal();
}

void CModifyGeometryDlg::RequestRedraw() {
  fw::Size size{clientWidth_, clientHeight_};
  if (size.cx == 0 && size.cy == 0) size = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{fw::ToDeviceCoord(0.38 * size.cx), 0, size.cx, fw::ToDeviceCoord(0.7 * size.cy)}, true);
}

void CModifyGeometryDlg::OnPaint(fw::DeviceContext& dc) {
  using namespace ids::geometry;
  const fw::Size size = ClientSize();
  clientWidth_ = size.cx;
  clientHeight_ = size.cy;
  const input::FieldValues& v = Values();
  SketchSlope shown;
  shown.height = v.Number(kHeight);
  shown.slopeAngle = v.Number(kSlopeAngle);
  shown.crestA = v.Number(kCrestA);
  shown.crestB = v.Number(kCrestB);
  shown.backslopeAngle = v.Number(kBackslope);
  shown.bottomSlopeAngle = v.Number(kBottomSlope);
  shown.q1 = v.Number(kQ1);
  shown.q2 = v.Number(kQ2);
  shown.q3 = v.Number(kQ3);
  PaintSlopeSketch(dc, GeometryDialogSketch(shown), clientWidth_, clientHeight_);
}

bool CModifyGeometryDlg::ConfirmWarning(const input::CheckFailure& failure) {
  CPoliceWarnDlg warning;
  warning.continueChosen = 1;
  warning.messageText = failure.messageText;
  warning.errorNumberText = failure.numberText;
  warning.DoModal();
  SetFocus(ids::geometry::kBackslope);
  return warning.continueChosen == 1;
}

// ---- CHelpGeometryDlg --------------------------------------------------------------

CHelpGeometryDlg::CHelpGeometryDlg() : fw::Dialog(DialogTemplateNamed("IDD_HELP_GEOMETRY")) {
  SetBackgroundColor(fw::kWhite);
}

bool CHelpGeometryDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

}  // namespace tervane
