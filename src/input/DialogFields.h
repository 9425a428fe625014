#pragma once
// The input dialogs as data. Each of the twelve input dialogs is described by
// one DialogFields: its fields (control, record member, unit kind, Default
// values), the unit captions beside them, its Enter cycle and its ordered
// check table (number, condition, exact text, field that gets the focus).
// The dialogs (InputDialog.h) are built from these tables; the checks can be
// run without a dialog too, on values taken from a record:
//
//   const input::DialogFields& fields = input::GeometryFields();
//   input::FieldValues values = input::ValuesFromInput(fields, Project().input, input::UnitFactors{});
//   input::CheckContext context{values, Project().input, 0, Project().settings.symbolStyle, input::UnitFactors{}};
//   if (auto failure = input::FirstFailure(fields.checks, context))
//     ... failure->messageText, failure->numberText ("Error No.1130"), failure->focus ...
//
// or, for the blocking checks only, input::FirstStoredFailure(fields, Project().input).
//
// Values are display values: lengths in feet, pressures in lb/ft^2 and so on
// when the unit system is English. Conditions compare them with the limits of
// the unit system in the context.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/DisplayUnits.h"
#include "model/ProjectData.h"

namespace tervane::input {

// ---- units -------------------------------------------------------------------

enum class Unit { kNone, kLength, kPressure, kStrength, kUnitWeight };

// Display value = SI value * factor. All 1.0 in SI.
struct UnitFactors : DisplayUnitFactors {
  static UnitFactors ForUnitSystem(int unitSystem);
  double Of(Unit unit) const;
};

// The caption shown beside a field of that unit: "[m]", "[ft]", "[kPa]",
// "[lb/ft ²]" or "[lb/ft^2]", "[kN/m ³]" or "[kN/m^3]", "[lb/ft ³]" or
// "[lb/ft^3]", "[kN/m]", "[lb/ft]" (symbol style 0 uses the superscripts).
std::string UnitCaption(Unit unit, int unitSystem, int symbolStyle);

// ---- fields ------------------------------------------------------------------

// One field of a dialog and the member of the input record it edits: a
// double in an edit field, an int as the index in a radio group (the id is
// the group's first button), or a text in an edit field.
struct Field {
  int id = 0;
  double ProjectInput::*number = nullptr;
  int ProjectInput::*choice = nullptr;
  std::string ProjectInput::*text = nullptr;
  Unit unit = Unit::kNone;
  // What Default writes, as display values of each unit system (the English
  // values are values of their own, not conversions). None: Default leaves
  // the field as held.
  std::optional<double> defaultSI;
  std::optional<double> defaultEnglish;
  int maxLength = 0;  // texts: the most characters; 0 for no limit
};

Field NumberField(int id, double ProjectInput::*member, Unit unit, std::optional<double> defaultSI,
                  std::optional<double> defaultEnglish);
// A number without units with one Default for both unit systems (or none).
Field NumberField(int id, double ProjectInput::*member, std::optional<double> defaultValue = std::nullopt);
Field ChoiceField(int firstButtonId, int ProjectInput::*member, std::optional<int> defaultValue = std::nullopt);
Field TextField(int id, std::string ProjectInput::*member, int maxLength);

// The values of a dialog's fields as shown, by control id (choices by the
// id of their first button).
struct FieldValues {
  std::map<int, double> numbers;
  std::map<int, int> choices;
  std::map<int, std::string> texts;

  // 0, 0 and "" for ids that are not there.
  double Number(int id) const;
  int Choice(int id) const;
  const std::string& Text(int id) const;
};

// ---- checks ------------------------------------------------------------------

// What the dialog's checks may read: the fields as shown, the other input
// groups as stored, and the units and symbol style in use.
struct CheckContext {
  const FieldValues& values;
  const ProjectInput& stored;
  int unitSystem = 0;   // 0 SI, 1 English
  int symbolStyle = 0;  // 0 the symbols themselves ("°"), 1 "deg"
  UnitFactors factors;

  double N(int id) const { return values.Number(id); }
  int Choice(int id) const { return values.Choice(id); }
  const std::string& Text(int id) const { return values.Text(id); }
  bool English() const { return unitSystem == 1; }
  bool Symbols() const { return symbolStyle == 0; }
  // The slope height as stored, in the display unit of length.
  double StoredHeight() const { return stored.slopeHeight * factors.length; }
};

enum class CheckKind {
  kError,    // shown through CPolicingDlg; the dialog stays open
  kNotice,   // shown through CPolicingDlg; the checks go on
  kWarning,  // the dialog's own overridable warning; Continue goes on
};

struct Check {
  int number = 0;
  CheckKind kind = CheckKind::kError;
  std::function<bool(const CheckContext&)> fails;
  // The message after its opening line end.
  std::function<std::string(const CheckContext&)> text;
  // The field that gets the focus after the message.
  std::function<int(const CheckContext&)> focus;
  bool opening = true;                  // the message begins with "\n "
  const char* numberPrefix = "Error No.";  // "Warning No." for warning 1181
  // Warning 1181 only: the heading of its warning dialog.
  std::function<std::string(const CheckContext&)> heading;
};

// The message dialog's texts for a check: "\n " + text (unless the check has
// no opening) and the number line such as "Error No.1130".
std::string MessageText(const Check& check, const CheckContext& context);
std::string NumberText(const Check& check);

struct CheckFailure {
  const Check* check = nullptr;
  std::string messageText;
  std::string numberText;
  std::string headingText;  // warnings with a heading only
  int focus = 0;
};

// The first check from `start` on whose condition holds (notices and
// warnings included), or nothing.
std::optional<CheckFailure> FirstFailure(std::span<const Check> checks, const CheckContext& context,
                                         std::size_t start = 0);
// The failure of one check.
CheckFailure FailureOf(const Check& check, const CheckContext& context);

// Builders of check tables.
using Condition = std::function<bool(const CheckContext&)>;
using TextOf = std::function<std::string(const CheckContext&)>;
using FocusOf = std::function<int(const CheckContext&)>;
// A blocking check with the common opening and "Error No.".
Check ErrorCheck(int number, Condition fails, TextOf text, FocusOf focus);
// A text that does not depend on the values.
TextOf Fixed(std::string text);
// A text for each symbol style: the symbols themselves, or "deg" and the like.
TextOf BySymbols(std::string symbols, std::string plain);
FocusOf FocusOn(int id);
// Fails when any of `ids` meets `condition`; focuses the first that does.
Condition AnyField(std::initializer_list<int> ids, std::function<bool(double)> condition);
FocusOf FirstField(std::initializer_list<int> ids, std::function<bool(double)> condition);

// ---- dialogs -----------------------------------------------------------------

// Enter in control `from` moves the focus to `to` (to == from: it stays).
struct EnterMove {
  int from = 0;
  int to = 0;
};

struct DialogFields {
  const char* templateName = "";
  const char* helpTopic = "";  // file name of the F1 topic
  std::vector<Field> fields;   // also the order of the data exchange
  std::vector<std::pair<int, Unit>> unitCaptions;  // static control, unit shown
  std::vector<EnterMove> enterCycle;
  std::vector<Check> checks;   // in the order they run

  const Field* FindField(int id) const;
};

// The display values of the dialog's fields for a record: SI values times
// their unit factors.
FieldValues ValuesFromInput(const DialogFields& fields, const ProjectInput& input, const UnitFactors& factors);
// Writes the fields back into a record: numbers divided by their factors,
// choices and texts as they stand.
void StoreValues(const DialogFields& fields, const FieldValues& values, const UnitFactors& factors,
                 ProjectInput& input);
// The Default values of the unit system into `values` (fields without a
// Default keep theirs).
void ApplyDefaults(const DialogFields& fields, int unitSystem, FieldValues& values);

// The first blocking check of a dialog's table that a record as stored fails,
// or nothing: how a run refuses input the dialog would refuse. The values are
// those the dialog would show (the record's unit system and its limits; the
// other groups from the same record). A number that is not finite is refused
// by the first check that refuses it at a finite value far below or far above
// every limit, and otherwise with the data exchange's "Please enter a
// number." (no check, no number).
// Notices and warnings are not looked at. The setup dialog's language is no
// part of the record; its table is not meant for this.
std::optional<CheckFailure> FirstStoredFailure(const DialogFields& fields, const ProjectInput& input,
                                               int symbolStyle = 0);

// The TRUNCATE button's cut to three decimals: x + 0.0005 (x - 0.0005 for a
// negative x) times 1000, cut toward zero to a 32-bit integer, divided by
// 1000. A value whose thousandfold does not fit in 32 bits is left as it is.
double ThreeDecimalCut(double x);

// ---- the twelve dialogs ------------------------------------------------------

const DialogFields& SetupFields();           // IDD_MODIFY_SETUP
const DialogFields& GeneralFields();         // IDD_MODIFY_GENERAL
const DialogFields& GeometryFields();        // IDD_MODIFY_GEOMETRY
const DialogFields& WaterFields();           // IDD_MODIFY_WATER
const DialogFields& SoilFields();            // IDD_MODIFY_SOIL
const DialogFields& DesignParamFields();     // IDD_MODIFY_DESIGN_PARAM
const DialogFields& SeismicParamFields();    // IDD_MODIFY_SEISMIC_PARAM
const DialogFields& FoundationFields();      // IDD_MODIFY_FOUNDATION
const DialogFields& GeosynDataFields();      // IDD_MODIFY_GEOSYN_DATA
const DialogFields& GeosynFsFields();        // IDD_MODIFY_GEOSYN_FS
const DialogFields& InclinationFields();     // IDD_MODIFY_INCLINATION
const DialogFields& GeneralFsFields();       // IDD_MODIFY_GENERAL_FS

// All twelve, in the order of the input menu.
std::vector<const DialogFields*> AllDialogFields();

}  // namespace tervane::input
