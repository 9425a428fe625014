#include "input/ManualInputDataDlg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/DisplayUnits.h"
#include "model/GeosyntheticTypes.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Spreadsheet.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"

namespace tervane {

namespace {

constexpr int kColumns = 5;
constexpr int kHeaderRows = 7;
constexpr int kTopHeaderRow = fw::kSheetFirstHeaderRow;  // -1000: the captions
constexpr int kUnitHeaderRow = fw::kSheetLastHeaderRow;  // -994: the units
// Every cell of the table is a number cell.
constexpr int kNumberCellType = fw::kCellTypeNumber;

struct ColumnLayout {
  const char* caption;
  const char* unitSi;
  const char* unitEnglish;
  double width;
};

constexpr ColumnLayout kLayout[kColumns] = {
    {"Elevation", "[ m.]", "[ ft.]", 9.0},
    {"Geosynthetic\nUltimate\nStrength", "[ kN/m ]", "[ lb/ft ]", 11.0},
    {"Reduction\nFactor for\nInstallation\nDamage,\nRFid", " ", " ", 9.0},
    {"Reduction\nFactor for\nDurability,\n\nRFd", " ", " ", 9.0},
    {"Reduction\nFactor for\nCreep,\n\nRFc", " ", " ", 9.0},
};

}  // namespace

CManualInputDataDlg::CManualInputDataDlg() : fw::Dialog(DialogTemplateNamed("IDD_MANUAL_INPUT_DATA")) {
  layerCount_ = Project().input.LayerCount();
  OnControlEvent(kLayerGridId, fw::sheet::kEventCellChange, &CManualInputDataDlg::OnGridChange);
  OnControlEvent(kLayerGridId, fw::sheet::kEventCellClick, &CManualInputDataDlg::OnGridClick);
  OnControlEvent(kLayerGridId, fw::sheet::kEventKeyPress,
                 [this](std::vector<fw::Variant>& args) { OnGridKeyPress(args); });
}

double CManualInputDataDlg::RoundDecimals(float value, int decimals) {
  const double x = value;
  const double m = decimals == 1 ? 10.0 : decimals == 2 ? 100.0 : decimals == 3 ? 1000.0 : 10000.0;
  const double scaled = x >= 0 ? m * (x + 0.5 / m) : m * (x - 0.5 / m);
  // Cut toward zero to a 32-bit integer; a value beyond its range stays at
  // the range's end (far outside any slope) instead of wrapping.
  const double lo = std::numeric_limits<std::int32_t>::min();
  const double hi = std::numeric_limits<std::int32_t>::max();
  const auto k = static_cast<std::int32_t>(std::trunc(std::clamp(scaled, lo, hi)));
  return k / m;
}

float CManualInputDataDlg::ScanCellNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                             text[i] == '\f' || text[i] == '\v'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i < text.size() && text[i] == '-') return 0.0f;  // a second sign: no number
  float value = 0.0f;
  const std::from_chars_result read =
      std::from_chars(text.data() + i, text.data() + text.size(), value, std::chars_format::general);
  if (read.ec != std::errc() || !std::isfinite(value)) return 0.0f;
  return negative ? -value : value;
}

void CManualInputDataDlg::ClassifyLayerType(int i) {
  tervane::ClassifyLayerType(Project().input, Project().geosyntheticTypes, i);
}

void CManualInputDataDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Control(kLayerGridId, grid_);
  if (dx.Saving()) {
    int count = 0;
    if (ParseInt(GetText(kLayerCountId), count)) layerCount_ = std::clamp(count, 0, kMaxLayers);
  } else {
    SetText(kLayerCountId, Format("%d", layerCount_));
  }
  dx.Text(kCoverageTextId, coverageText_);
}

bool CManualInputDataDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const ProjectInput& input = Project().input;
  unitSystem_ = input.unitSystem;
  const DisplayUnitFactors factors = DisplayUnitFactors::For(unitSystem_);
  lengthFactor_ = factors.length;
  strengthFactor_ = factors.strength;

  grid_.SetColumnHeaderRowCount(kHeaderRows);
  for (int c = 1; c <= kColumns; ++c) grid_.AddCellSpan(c, kTopHeaderRow, 1, 6);
  grid_.AddCellSpan(0, kTopHeaderRow, 1, 7);
  for (int c = 1; c <= kColumns; ++c) {
    const ColumnLayout& column = kLayout[c - 1];
    grid_.SetActiveCol(c);
    grid_.SetActiveRow(kTopHeaderRow);
    grid_.SetText(column.caption);
    grid_.SetActiveRow(kUnitHeaderRow);
    grid_.SetText(unitSystem_ == 1 ? column.unitEnglish : column.unitSi);
  }
  for (int c = 1; c <= kColumns; ++c) grid_.SetColumnWidth(c, kLayout[c - 1].width);
  grid_.SetColumnCount(kColumns);
  grid_.SetSheetSetting204(10);
  grid_.SetSheetSetting11(true);
  grid_.SetActiveCol(fw::kSheetAll);
  grid_.SetActiveRow(fw::kSheetAll);
  grid_.SetCellType(kNumberCellType);
  grid_.SetSheetSetting365(2);

  const int rows = input.LayerCount();
  for (int r = 0; r < rows; ++r) {
    const auto i = static_cast<std::size_t>(r);
    const double values[kColumns] = {input.layerElevation[i] * lengthFactor_,
                                     input.layerUltimateStrength[i] * strengthFactor_, input.layerRfInstallation[i],
                                     input.layerRfDurability[i], input.layerRfCreep[i]};
    for (int c = 1; c <= kColumns; ++c) {
      grid_.SetActiveRow(r + 1);
      grid_.SetActiveCol(c);
      grid_.SetCellSetting168(2);
      grid_.SetCellValue(Format("%.2f", values[c - 1]));
    }
  }

  coverageText_ = "Coverage ratio, Rc = " + Format("%.2f", input.coverageRatio);
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CManualInputDataDlg::OnGridChange(int col, int row) {
  const int n = grid_.GetDataRowCount();
  layerCount_ = n;
  grid_.SetActiveCol(col);
  grid_.SetActiveRow(row);
  grid_.SetCellSetting168(2);
  grid_.SetSortKey(1, 1);
  grid_.SetSortKeyOrder(1, fw::sheet::kAscending);
  grid_.SortRange(1, 1, kColumns, n, 0);
  // The sort moves an empty row from between the layers to the end: the
  // count is that of the rows that still hold layers.
  layerCount_ = grid_.GetDataRowCount();
  UpdateData(false);
}

void CManualInputDataDlg::OnGridClick(int col, int row) {
  if (col == 0) grid_.DeleteRows(row, 1);
  layerCount_ = grid_.GetDataRowCount();
  UpdateData(false);
}

void CManualInputDataDlg::OnGridKeyPress(std::vector<fw::Variant>&) {}

std::optional<LayerTableFailure> FirstLayerTableFailure(std::span<const LayerTableRow> rows, double height) {
  for (std::size_t b = 0; b < rows.size(); ++b) {
    const LayerTableRow& row = rows[b];
    const std::string layer = "\n(see layer #" + Format("%zu", b + 1) + " )";
    const auto fail = [&](const char* message, const char* number) {
      return LayerTableFailure{message + layer, number};
    };
    // Each test is written so that it also holds for a value that is not a number.
    const double e = row.elevation;
    if (!(e >= 0)) return fail("Geosynthetic elevation should not be negative.", "Error No.1130");
    if (!(e < height))
      return fail("Geosynthetic elevation should not be equal or greater than the height of slope.", "Error No.1137");
    if (!(row.ultimateStrength > 0) || !std::isfinite(row.ultimateStrength))
      return fail("Geosynthetic strength should not be negative nor zero.", "Error No.1190");
    if (!(row.rfInstallation >= 1.0) || !std::isfinite(row.rfInstallation))
      return fail("Reduction factor for installation damage should not be less than 1.0 .", "Error No.1200");
    if (!(row.rfDurability >= 1.0) || !std::isfinite(row.rfDurability))
      return fail("Reduction factor for durability should not be less than 1.0 .", "Error No.1200");
    if (!(row.rfCreep >= 1.0) || !std::isfinite(row.rfCreep))
      return fail("Reduction factor for creep should not be less than 1.0 .", "Error No.1200");
    if (b > 0 && e < rows[b - 1].elevation) return fail("Layer's elevations were not filled in.", "Error No.1191");
  }
  return std::nullopt;
}

void CManualInputDataDlg::Refuse(const std::string& message, const char* errorNumber) {
  CPolicingDlg dlg;
  dlg.messageText = "\n " + message;
  dlg.errorNumberText = errorNumber;
  dlg.DoModal();
}

void CManualInputDataDlg::OnOK() {
  UpdateData(true);
  grid_.SetSheetSetting319(1);
  const int focus = FocusedControl();
  if (focus != fw::IDOK) {
    SetFocus(focus);
    return;
  }
  // A run without layers has nothing to analyse.
  if (layerCount_ <= 0) {
    Refuse("Layer's elevations were not filled in.", "Error No.1191");
    return;
  }

  const int count = std::min(layerCount_, kMaxLayers);
  for (int b = 0; b < count; ++b) {
    const auto i = static_cast<std::size_t>(b);
    float read[kColumns] = {};
    for (int c = 1; c <= kColumns; ++c) {
      grid_.SetActiveCol(c);
      grid_.SetActiveRow(b + 1);
      read[c - 1] = ScanCellNumber(grid_.GetCellValue());
    }
    elevation_[i] = RoundDecimals(read[0], 2);
    ultimateStrength_[i] = read[1];
    rfInstallation_[i] = read[2];
    rfDurability_[i] = read[3];
    rfCreep_[i] = read[4];
  }

  ProjectInput& input = Project().input;
  std::vector<LayerTableRow> rows(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i] = {elevation_[i], ultimateStrength_[i], rfInstallation_[i], rfDurability_[i], rfCreep_[i]};
  if (const std::optional<LayerTableFailure> failure = FirstLayerTableFailure(rows, input.slopeHeight * lengthFactor_)) {
    Refuse(failure->message, failure->numberText.c_str());
    return;
  }

  GeosyntheticTypeTable& types = Project().geosyntheticTypes;
  types.typeOverflow = 0;
  types.typeCount = 1;
  for (int k = 0; k < kMaxGeosyntheticTypes; ++k) {
    const auto t = static_cast<std::size_t>(k);
    types.typeUltimateStrength[t] = ultimateStrength_[0] / strengthFactor_;
    types.typeRfInstallation[t] = rfInstallation_[0];
    types.typeRfDurability[t] = rfDurability_[0];
    types.typeRfCreep[t] = rfCreep_[0];
  }
  layersAccepted = 1;
  input.layerCount = count;
  for (int b = 0; b < count; ++b) {
    const auto i = static_cast<std::size_t>(b);
    input.layerElevation[i] = elevation_[i] / lengthFactor_;
    input.layerUltimateStrength[i] = ultimateStrength_[i] / strengthFactor_;
    input.layerRfInstallation[i] = rfInstallation_[i];
    input.layerRfDurability[i] = rfDurability_[i];
    input.layerRfCreep[i] = rfCreep_[i];
    types.layerType[i] = 1;
    ClassifyLayerType(b);
  }
  EndDialog(fw::IDOK);
}

void CManualInputDataDlg::OnCancel() {
  layersAccepted = 0;
  fw::Dialog::OnCancel();
}

}  // namespace tervane
