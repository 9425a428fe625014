#include "results/QuantitiesDlg.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

#include "model/DisplayUnits.h"
#include "common/MessageDialogs.h"
#include "common/Printout.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/ExportDialogIds.h"
#include "results/ExportFiles.h"

namespace tervane {

namespace {

const QuantitiesUnitTexts kUnitTexts[2][2] = {
    {
        {"m \u00b2 / m", " / m \u00b2", " m \u00b2 / m.", " / m \u00b2",
         "                       m\u00b2 / m.            ", "/ m\u00b2         "},
        {"ft \u00b2 / ft", " / ft \u00b2", " ft \u00b2 / ft.", " / ft \u00b2",
         "                      ft\u00b2 / ft.           ", " / ft\u00b2        "},
    },
    {
        {"m^2 / m", " / m^2", " m^2 / m.", " / m^2", "                      m^2 / m.            ",
         "/ m^2        "},
        {"ft^2 / ft", " / ft^2", " ft^2 / ft.", " / ft^2", "                      ft^2/ ft.           ",
         " / ft^2      "},
    },
};

const std::string kRule = std::string(10, ' ') + std::string(55, '=');

bool IsBlankForScan(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the decimal number at the start of `t`: digits with an
// optional point, then an exponent when it has digits.
std::size_t NumberPrefixLength(std::string_view t) {
  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < t.size() && IsDigit(t[j])) ++j;
    if (j > expStart) i = j;
  }
  return i;
}

// The end (byte offset) of the UTF-8 character that starts at `i`.
std::size_t CharacterEnd(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

bool OnlyDigitsAndPoints(std::string_view text) {
  for (char c : text)
    if (!IsDigit(c) && c != '.') return false;
  return true;
}

// The printer set-up of the one-page printouts: one logical unit per device
// pixel, logical (0, 0) 100 pixels right of and below the corner of the
// printable area (at 600 dpi, in proportion at other resolutions), texts placed
// by the left end of their baseline.
void ShowPrintFailure() {
  fw::ShowMessage("The quantities could not be printed.", fw::MessageButtons::Ok, fw::MessageIcon::Error);
}

}  // namespace

const QuantitiesUnitTexts& UnitTextsFor(int symbolStyle, int unitSystem) {
  return kUnitTexts[symbolStyle == 0 ? 0 : 1][unitSystem == 1 ? 1 : 0];
}

std::optional<float> ScanUnitCost(const std::string& text) {
  std::string_view t = text;
  while (!t.empty() && IsBlankForScan(t.front())) t.remove_prefix(1);
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  const std::size_t length = NumberPrefixLength(t);
  if (length == 0) return 0.0f;
  const std::string_view number = t.substr(0, length);
  float value = 0.0f;
  const std::from_chars_result r = std::from_chars(number.data(), number.data() + number.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    // Beyond single precision, or so small that it is zero there.
    double wide = 0.0;
    if (!ParseDouble(number, wide) || wide > FLT_MAX) return std::nullopt;
    value = 0.0f;
  } else if (r.ec != std::errc()) {
    return 0.0f;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::vector<std::string> QuantitiesFileLines(const QuantitiesTable& table) {
  const QuantitiesUnitTexts& units = UnitTextsFor(table.symbolStyle, table.unitSystem);
  const std::string c = "[" + OneLine(table.currency) + "]";
  std::vector<std::string> lines;
  auto blankBlock = [&lines] {
    lines.push_back("  ");
    for (int i = 0; i < 3; ++i) lines.push_back("");
  };
  lines.push_back(OneLine(table.remarks));
  blankBlock();
  lines.push_back(kRule);
  lines.push_back("              Area of reinforcement   Cost per unit area   Cost");
  lines.push_back("              per unit length of wall");
  lines.push_back(std::string(units.fileUnitField) + c + units.filePerArea + c);
  lines.push_back(kRule);
  lines.push_back("       " + FixedNumber(table.quantity, 20, 2) + FixedNumber(table.unitCost, 20, 2) +
                  FixedNumber(table.totalCost, 16, 2));
  lines.push_back(kRule);
  blankBlock();
  return lines;
}

void DrawQuantitiesPage(fw::DeviceContext& dc, const QuantitiesTable& table) {
  const QuantitiesUnitTexts& units = UnitTextsFor(table.symbolStyle, table.unitSystem);
  // The page is laid out in the pixels of a 600-dpi printer; the letter height
  // follows the printer's resolution and the fixed distances are scaled to it.
  auto sx = [&dc](int v) { return fw::MulDiv(v, dc.PixelsPerInchX(), 600); };
  auto sy = [&dc](int v) { return fw::MulDiv(v, dc.PixelsPerInchY(), 600); };
  const int h = fw::MulDiv(12, dc.PixelsPerInchY(), 72);
  const int u = static_cast<int>(1.2 * h);
  const int m = 3 * h;

  fw::Font font;
  font.face = "MS Sans Serif";
  font.height = -h;
  font.weight = fw::kFontWeightNormal;
  const fw::Font oldFont = dc.SelectFont(font);
  const fw::Pen oldPen = dc.SelectPen(fw::Pen::Solid(sx(10), fw::kBlack));

  const int left = sx(300);
  const int right = sx(3500);
  auto rule = [&](int y) {
    dc.MoveTo(left, y);
    dc.LineTo(right, y);
  };
  const std::string currency = "[ " + OneLine(table.currency) + " ]";
  const int y1 = h + 5 * u + sy(50);

  dc.TextOut(left, h + u, OneLine(table.remarks));
  rule(y1);
  dc.TextOut(m + 5 * h, y1 + u, " Area of reinforcement");
  dc.TextOut(m + 16 * h, y1 + u, " Cost per unit area");
  dc.TextOut(m + 26 * h, y1 + u, " Cost");
  dc.TextOut(m + 5 * h, y1 + 2 * u, " per unit length of wall");
  dc.TextOut(m + 8 * h, y1 + 3 * u, units.printedArea);
  dc.TextOut(m + 19 * h, y1 + 3 * u, currency + units.printedPerArea);
  dc.TextOut(m + 26 * h, y1 + 3 * u, currency);
  rule(y1 + 4 * u);
  dc.TextOut(m + 5 * h, y1 + 5 * u, table.quantityText);
  dc.TextOut(m + 20 * h, y1 + 5 * u, table.unitCostText);
  dc.TextOut(m + 26 * h, y1 + 5 * u, table.totalCostText);
  rule(y1 + 6 * u);

  dc.SelectPen(oldPen);
  dc.SelectFont(oldFont);
}

// ---- the dialog -----------------------------------------------------------------

CQuantitiesDlg::CQuantitiesDlg() : fw::Dialog(DialogTemplateNamed("IDD_QUANTITIES")) {
  unitCostText = Project().quantitiesUnitCost;
  remarksText = Project().quantitiesRemarks;
  OnEditChange(kQuantitiesUnitCostId, &CQuantitiesDlg::OnChangeUnitCost);
  OnClicked(kQuantitiesPrintId, &CQuantitiesDlg::PrintQuantities);
  OnClicked(kQuantitiesSaveTextId, &CQuantitiesDlg::OnSaveAsText);
}

bool CQuantitiesDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const ProjectData& project = Project();

  // Q is the quantity of the last run, in the units of that run.
  units_ = project.runInput.unitSystem;
  lengthFactor_ = DisplayUnitFactors::For(units_).length;
  layerCount_ = project.results.LayerCount();
  coverageRatio_ = project.input.coverageRatio;

  const QuantitiesUnitTexts& texts = UnitTextsFor(project.settings.symbolStyle, units_);
  currencyCaption = "[ " + project.input.currencyUnit + " ]";
  areaUnitCaption = texts.areaCaption;
  unitCostCaption = currencyCaption + texts.perAreaCaption;

  quantity_ = 0.0;
  for (int k = 0; k < layerCount_; ++k)
    quantity_ += (project.results.layerRearX[k] - project.results.layerFrontX[k]) * lengthFactor_ * coverageRatio_;
  quantityText = FixedNumber(quantity_, 0, 2);
  RecomputeTotal();

  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CQuantitiesDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(kQuantitiesUnitCostId, unitCostText);
  dx.Text(kQuantitiesQuantityId, quantityText);
  dx.Text(kQuantitiesTotalCostId, totalCostText);
  dx.Text(kQuantitiesRemarksId, remarksText);
  dx.Text(kQuantitiesAreaUnitId, areaUnitCaption);
  dx.Text(kQuantitiesUnitCostUnitId, unitCostCaption);
  dx.Text(kQuantitiesCurrencyId, currencyCaption);
}

void CQuantitiesDlg::RecomputeTotal() {
  const std::optional<float> unitCost = ScanUnitCost(unitCostText);
  totalCost_ = unitCost ? static_cast<double>(*unitCost) * quantity_ : 0.0;
  totalFits_ = unitCost.has_value() && std::isfinite(totalCost_) && std::fabs(totalCost_) <= FLT_MAX;
  totalCostText = totalFits_ ? FixedNumber(totalCost_, 0, 2) : std::string();
  SetText(kQuantitiesTotalCostId, totalCostText);
}

void CQuantitiesDlg::ShowCostMessage(const char* text) {
  CPolicingDlg message;
  message.messageText = text;
  message.errorNumberText = kQuantitiesErrorNumber;
  message.DoModal();
}

bool CQuantitiesDlg::CheckCostCharacter(std::string_view character) {
  if (character.size() == 1 && (IsDigit(character[0]) || character[0] == '.')) return true;
  ShowCostMessage(kCostCharacterText);
  costTextRejected = 1;
  return false;
}

bool CQuantitiesDlg::CheckCostText(const std::string& text) {
  // Each of the first 15 characters that is not a digit or a point gets its
  // own message; the characters after them are not looked at.
  bool refused = false;
  std::size_t i = 0;
  for (int n = 0; n < 15 && i < text.size(); ++n) {
    const std::size_t end = CharacterEnd(text, i);
    if (!CheckCostCharacter(std::string_view(text).substr(i, end - i))) refused = true;
    i = end;
  }
  return !refused;
}

bool CQuantitiesDlg::CheckWholeCostText() {
  double value = 0.0;
  if (!unitCostText.empty() && (!OnlyDigitsAndPoints(unitCostText) || !ParseDouble(unitCostText, value))) {
    ShowCostMessage(kCostCharacterText);
    costTextRejected = 1;
    return false;
  }
  RecomputeTotal();
  if (!totalFits_) {
    ShowCostMessage(kCostTooLargeText);
    costTextRejected = 1;
    return false;
  }
  return true;
}

void CQuantitiesDlg::OnChangeUnitCost() {
  UpdateData(true);
  RecomputeTotal();
  CheckCostText(unitCostText);
  UpdateData(true);
  RecomputeTotal();
}

void CQuantitiesDlg::OnOK() {
  UpdateData(true);
  switch (FocusedControl()) {
    case fw::IDOK:
      costTextRejected = 0;
      if (!CheckCostText(unitCostText) || !CheckWholeCostText()) return;
      Project().quantitiesUnitCost = unitCostText;
      Project().quantitiesRemarks = remarksText;
      EndDialog(fw::IDOK);
      return;
    case kQuantitiesRemarksId:
      SetFocus(kQuantitiesUnitCostId);
      return;
    case kQuantitiesUnitCostId:
      SetFocus(kQuantitiesRemarksId);
      return;
    default:
      return;
  }
}

QuantitiesTable CQuantitiesDlg::Table() const {
  QuantitiesTable table;
  table.remarks = remarksText;
  table.currency = Project().input.currencyUnit;
  table.quantityText = quantityText;
  table.unitCostText = unitCostText;
  table.unitCost = ScanUnitCost(unitCostText).value_or(0.0f);
  table.totalCostText = totalCostText;
  table.quantity = quantity_;
  table.totalCost = totalCost_;
  table.symbolStyle = Project().settings.symbolStyle;
  table.unitSystem = units_;
  return table;
}

void CQuantitiesDlg::PrintQuantities() {
  UpdateData(true);
  if (!CheckWholeCostText()) return;
  const QuantitiesTable table = Table();
  if (PrintOnePage([&table](fw::DeviceContext& dc) { DrawQuantitiesPage(dc, table); },
                   ProposedPrintFileName(Project().projectPath, "quantities")) == PrintOutcome::kFailed)
    ShowPrintFailure();
}

void CQuantitiesDlg::OnSaveAsText() {
  // The file takes what the fields show now, the remarks included.
  UpdateData(true);
  if (!CheckWholeCostText()) return;
  fw::FileDialogOptions options;
  options.proposedName = "*.txt";
  options.defaultExtension = "txt";
  options.askOverwrite = true;
  const std::optional<std::string> path = ChooseExportFile(options);
  if (!path) return;
  WriteExportFile(*path, QuantitiesFileLines(Table()));
}

}  // namespace tervane
