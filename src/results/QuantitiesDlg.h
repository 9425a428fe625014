#pragma once
// The quantities and cost of reinforcement IDD_QUANTITIES: the area of
// reinforcement per unit length of wall that the last run's layout needs, a
// cost per unit area and a line of remarks, the total cost; the table printed
// on one page or written to a text file. RETURN keeps the unit cost and the
// remarks in the project records until the program ends.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/Dialog.h"

namespace tervane {

// The texts of the unit fields by symbol style (0 Western, 1 Asian Pacific)
// and unit system (0 SI, 1 English).
struct QuantitiesUnitTexts {
  const char* areaCaption;     // control 2226
  const char* perAreaCaption;  // after the currency in control 2227
  const char* printedArea;     // the area unit of the printout
  const char* printedPerArea;  // after the currency on the printout
  const char* fileUnitField;   // the 42-character unit field of the text file
  const char* filePerArea;     // the unit suffix of the text file
};
const QuantitiesUnitTexts& UnitTextsFor(int symbolStyle, int unitSystem);

// The cost per unit area as the dialog reads it: the number the text begins
// with (blanks first allowed), in single precision; 0 when the text does not
// begin with a number; nothing when that number lies beyond single precision.
std::optional<float> ScanUnitCost(const std::string& text);

// The message of a refused unit cost, its number line, and the message of a
// total cost too large for the cost fields.
inline constexpr const char* kCostCharacterText = "Please insert a number and not a character.";
inline constexpr const char* kCostTooLargeText = "The total cost is too large to be calculated.";
inline constexpr const char* kQuantitiesErrorNumber = "Error No.1100";

// What one quantities table holds, for the text file and the printout.
struct QuantitiesTable {
  std::string remarks;
  std::string currency;      // currencyUnit of `input`
  std::string quantityText;  // Q, "%.2f"
  std::string unitCostText;  // as typed
  float unitCost = 0.0f;     // as read from the typed text
  std::string totalCostText;
  double quantity = 0.0;
  double totalCost = 0.0;
  int symbolStyle = 0;
  int unitSystem = 0;
};

// Every line of the quantities text file, without line ends.
std::vector<std::string> QuantitiesFileLines(const QuantitiesTable& table);

// Draws the quantities page on a printer device context that is inside a
// page, prepared for a one-page printout (pixels as logical units, texts placed
// by the left end of their baseline).
void DrawQuantitiesPage(fw::DeviceContext& dc, const QuantitiesTable& table);

class CQuantitiesDlg : public fw::Dialog {
 public:
  CQuantitiesDlg();

  std::string unitCostText;
  std::string quantityText = "0.00";
  std::string totalCostText = "0.00";
  std::string remarksText;
  std::string areaUnitCaption;
  std::string unitCostCaption;
  std::string currencyCaption;
  int costTextRejected = 0;

  // The area per unit length of wall of the last run, in display units.
  double Quantity() const { return quantity_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;

 private:
  void OnChangeUnitCost();
  void PrintQuantities();
  void OnSaveAsText();
  // Checks the first 15 characters of the unit cost text one by one; every
  // character other than a digit or a point shows its message and sets
  // costTextRejected. True when none was refused. This is the check made
  // while the text is typed, so a text on its way to a number (".") passes.
  bool CheckCostText(const std::string& text);
  // True for a digit or a point; any other character gets the message and
  // sets costTextRejected.
  bool CheckCostCharacter(std::string_view character);
  // The check of a finished text (RETURN, Print, Save as text file): the
  // whole text is one finite number (or nothing, which costs 0) and the total
  // fits the cost fields. False after a message, with costTextRejected set.
  bool CheckWholeCostText();
  // The total cost from the unit cost text and Q, shown in control 2217.
  void RecomputeTotal();
  QuantitiesTable Table() const;
  void ShowCostMessage(const char* text);

  int units_ = 0;
  double lengthFactor_ = 1.0;
  int layerCount_ = 0;
  double coverageRatio_ = 1.0;
  double quantity_ = 0.0;
  double totalCost_ = 0.0;
  bool totalFits_ = true;
};

}  // namespace tervane
