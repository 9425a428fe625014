#pragma once
// The user-specified layer table IDD_MANUAL_INPUT_DATA: before a
// user-specified run the user types one row per reinforcement layer (its
// elevation, ultimate strength and three reduction factors) into the
// spreadsheet control 1130. OK reads the rows back, rounds the elevations to
// two decimals in the display unit, checks the layers from the lowest up,
// stores them in the layer table of `input` and groups them into at most
// kMaxGeosyntheticTypes geosynthetic types in `geosyntheticTypes`. The main
// menu goes on to the run only when layersAccepted is 1.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ControlWrappers.h"
#include "model/GeosyntheticTypes.h"
#include "model/ProjectData.h"
#include "framework/Dialog.h"

namespace tervane {

// Controls of the layer table.
inline constexpr int kLayerGridId = 1130;
inline constexpr int kLayerCountId = 1128;
inline constexpr int kCoverageTextId = 1250;

// One row of the layer table as shown: display units.
struct LayerTableRow {
  double elevation = 0.0;
  double ultimateStrength = 0.0;
  double rfInstallation = 0.0;
  double rfDurability = 0.0;
  double rfCreep = 0.0;
};

// The message of a refused layer table (after its opening "\n ") and its
// number line such as "Error No.1130".
struct LayerTableFailure {
  std::string message;
  std::string numberText;
};

// The checks of the layer table on its rows, from the lowest up, with the
// slope height in the same display unit: the first failure, or nothing. A
// value that is not a finite number fails the check it is part of. The table
// makes them at OK, and a user-specified run makes them again on the layers
// as stored.
std::optional<LayerTableFailure> FirstLayerTableFailure(std::span<const LayerTableRow> rows, double height);

class CManualInputDataDlg : public fw::Dialog {
 public:
  CManualInputDataDlg();

  // 1 when OK stored the layers of the table in `input`; 0 after Cancel.
  int layersAccepted = 0;

  // A single-precision value rounded half away from zero to 1, 2, 3 or 4
  // decimals (other counts: 4), as a double.
  static double RoundDecimals(float value, int decimals);
  // The number a cell's text starts with, read as a float the way "%f" reads
  // it (leading blanks, a sign, the longest decimal number); 0 for a text
  // that holds none and for one that is not a finite float.
  static float ScanCellNumber(std::string_view text);
  // Puts layer i (from 0) of `input` into a geosynthetic type (see
  // ClassifyLayerType below).
  void ClassifyLayerType(int i);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnGridChange(int col, int row);
  void OnGridClick(int col, int row);
  void OnGridKeyPress(std::vector<fw::Variant>& args);
  // Shows the message dialog of a failed check.
  void Refuse(const std::string& message, const char* errorNumber);

  CFpspread1 grid_;
  int layerCount_ = 0;
  std::string coverageText_;
  int unitSystem_ = 0;
  double lengthFactor_ = 1.0;
  double strengthFactor_ = 1.0;
  // The rows as read by OK, in display units.
  std::array<double, kMaxLayers> elevation_{};
  std::array<double, kMaxLayers> ultimateStrength_{};
  std::array<double, kMaxLayers> rfInstallation_{};
  std::array<double, kMaxLayers> rfDurability_{};
  std::array<double, kMaxLayers> rfCreep_{};
};

}  // namespace tervane
