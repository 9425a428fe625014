#include "input/ModifyWaterDlg.h"

#include <algorithm>
#include <cmath>

#include "common/SlopeSketch.h"
#include "model/ProjectData.h"
#include "framework/Text.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace input {

namespace {

using namespace ids::water;

constexpr double kWaterUnitWeight = 9.81;  // kN/m^3

bool PhreaticMode(const CheckContext& c) { return c.Choice(kPhreatic) == 0; }

// The phreatic points as (x, y) control pairs.
constexpr int kPoints[3][2] = {{kX2, kY2}, {kX3, kY3}, {kX4, kY4}};

// True when point (x, y) lies above the line of the stored slope face
// through the toe; an x at or below 0.0001 counts as 0.0001.
bool OutOfSlope(const CheckContext& c, int xId, int yId) {
  double angle = c.stored.slopeAngle;
  if (angle >= 90.0) angle = 89.99999;
  const double x = std::max(c.N(xId), 0.0001);
  return c.N(yId) / (x + 0.00001) > std::tan(angle * kSketchRadiansPerDegree);
}

}  // namespace

const DialogFields& WaterFields() {
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_WATER";
    s.helpTopic = "modify_water.htm";
    s.fields = {
        ChoiceField(kPhreatic, &ProjectInput::waterMode, 2),
        NumberField(kRu, &ProjectInput::poreWaterCoefficient, 0.0),
        NumberField(kX2, &ProjectInput::phreaticX2, Unit::kLength, 5.0, 15.0),
        NumberField(kY2, &ProjectInput::phreaticY2, Unit::kLength, 1.0, 3.0),
        NumberField(kX3, &ProjectInput::phreaticX3, Unit::kLength, 8.0, 25.0),
        NumberField(kY3, &ProjectInput::phreaticY3, Unit::kLength, 2.5, 8.0),
        NumberField(kX4, &ProjectInput::phreaticX4, Unit::kLength, 10.0, 30.0),
        NumberField(kY4, &ProjectInput::phreaticY4, Unit::kLength, 4.0, 13.0),
    };
    s.unitCaptions = {{kLengthUnit, Unit::kLength}};
    s.enterCycle = {{kX2, kY2},       {kY2, kX3},       {kX3, kY3},       {kY3, kX4},
                    {kX4, kY4},       {kY4, kX2},       {kRu, kRu},       {kPhreatic, kX2},
                    {kPoreWater, kRu}, {kNoWater, fw::IDOK}};

    const auto negative = [](double v) { return v < 0.0; };
    const auto correct = [](const char* text) { return Fixed(std::string(text) + "\nPlease correct."); };
    s.checks = {
        ErrorCheck(
            1140,
            [](const CheckContext& c) {
              const double limit = kWaterUnitWeight / c.stored.reinforcedUnitWeight;
              return c.Choice(kPhreatic) == 1 && (c.N(kRu) < 0.0 || c.N(kRu) > limit);
            },
            [](const CheckContext& c) {
              return "Ru should not be negative nor greater than " +
                     Format("%.2f", kWaterUnitWeight / c.stored.reinforcedUnitWeight) + " .";
            },
            FocusOn(kRu)),
        ErrorCheck(
            1141,
            [](const CheckContext& c) {
              return PhreaticMode(c) && (c.N(kX2) < 0.0 || c.N(kX3) < c.N(kX2) || c.N(kX4) < c.N(kX3));
            },
            correct("'X' is smaller than the previous one."),
            [](const CheckContext& c) { return c.N(kX2) < 0.0 ? kX2 : c.N(kX3) < c.N(kX2) ? kX3 : kX4; }),
        ErrorCheck(
            1142, [negative](const CheckContext& c) { return PhreaticMode(c) && AnyField({kY2, kY3, kY4}, negative)(c); },
            correct("'Y' Should not be negative."), FirstField({kY2, kY3, kY4}, negative)),
        ErrorCheck(
            1143,
            [](const CheckContext& c) {
              const double height = c.StoredHeight();
              return PhreaticMode(c) && (c.N(kY2) > height || c.N(kY3) > height || c.N(kY4) > height);
            },
            correct("'Y' Should not exceed the slope's height."),
            [](const CheckContext& c) {
              const double height = c.StoredHeight();
              for (int id : {kY2, kY3, kY4})
                if (c.N(id) > height) return id;
              return 0;
            }),
        ErrorCheck(
            1144,
            [](const CheckContext& c) {
              if (!PhreaticMode(c)) return false;
              for (const auto& point : kPoints)
                if (OutOfSlope(c, point[0], point[1])) return true;
              return false;
            },
            correct("The water is out of the slope boundaries."),
            [](const CheckContext& c) {
              for (const auto& point : kPoints)
                if (OutOfSlope(c, point[0], point[1])) return point[1];
              return 0;
            }),
    };
    return s;
  }();
  return fields;
}

}  // namespace input

namespace {

using namespace ids::water;

constexpr int kCoordinateEdits[] = {kX2, kY2, kX3, kY3, kX4, kY4};
// Everything of the coordinate table but the edits.
constexpr int kCoordinateLabels[] = {kHeading, kLengthUnit, kX1Value, kY1Value, kX1Label, kY1Label,
                                     kX2Label, kY2Label,    kX3Label, kY3Label, kX4Label, kY4Label};

}  // namespace

CModifyWaterDlg::CModifyWaterDlg() : CInputDialog(input::WaterFields()) {
  OnClicked(kPhreatic, [this] { OnMode(0); });
  OnClicked(kPoreWater, [this] { OnMode(1); });
  OnClicked(kNoWater, [this] { OnMode(2); });
  for (int id : kCoordinateEdits) OnEditChange(id, &CModifyWaterDlg::OnCoordinateChanged);
}

void CModifyWaterDlg::InitControls() { ShowModeGroups(); }

void CModifyWaterDlg::ShowModeGroups() {
  const int mode = Values().Choice(kPhreatic);
  for (int id : kCoordinateEdits) ShowControl(id, mode == 0);
  for (int id : kCoordinateLabels) ShowControl(id, mode == 0);
  ShowControl(kRuLabel, mode == 1);
  ShowControl(kRu, mode == 1);
}

// The held values go back into every field without reading them first.
void CModifyWaterDlg::OnMode(int mode) {
  Choice(kPhreatic) = mode;
  ShowModeGroups();
  UpdateData(false);
  RequestRedraw();
}

void CModifyWaterDlg::OnCoordinateChanged() {
  UpdateData(true);
  RequestRedraw();
}

void CModifyWaterDlg::AfterDefault() {
  ShowModeGroups();
  RequestRedraw();
}

void CModifyWaterDlg::RequestRedraw() {
  fw::Size size{clientWidth_, clientHeight_};
  if (size.cx == 0 && size.cy == 0) size = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{fw::ToDeviceCoord(0.38 * size.cx), 0, size.cx, fw::ToDeviceCoord(0.77 * size.cy)}, true);
}

void CModifyWaterDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size size = ClientSize();
  clientWidth_ = size.cx;
  clientHeight_ = size.cy;
  const input::FieldValues& v = Values();
  const double f = Factors().length;
  const SketchWater water{v.Number(kX2) / f, v.Number(kY2) / f, v.Number(kX3) / f,
                          v.Number(kY3) / f, v.Number(kX4) / f, v.Number(kY4) / f};
  PaintSlopeSketch(dc, WaterDialogSketch(Project().input, v.Choice(kPhreatic), water), clientWidth_, clientHeight_);
}

}  // namespace tervane
