#include "input/DialogFields.h"

#include <cmath>

#include "framework/DataExchange.h"
#include "framework/Text.h"

namespace tervane::input {

// ---- units -------------------------------------------------------------------

UnitFactors UnitFactors::ForUnitSystem(int unitSystem) { return UnitFactors{DisplayUnitFactors::For(unitSystem)}; }

double UnitFactors::Of(Unit unit) const {
  switch (unit) {
    case Unit::kLength: return length;
    case Unit::kPressure: return pressure;
    case Unit::kStrength: return strength;
    case Unit::kUnitWeight: return unitWeight;
    case Unit::kNone: break;
  }
  return 1.0;
}

std::string UnitCaption(Unit unit, int unitSystem, int symbolStyle) {
  const bool english = unitSystem == 1;
  const bool symbols = symbolStyle == 0;
  switch (unit) {
    case Unit::kLength: return english ? "[ft]" : "[m]";
    case Unit::kPressure:
      if (!english) return "[kPa]";
      return symbols ? "[lb/ft ²]" : "[lb/ft^2]";
    case Unit::kStrength: return english ? "[lb/ft]" : "[kN/m]";
    case Unit::kUnitWeight:
      if (english) return symbols ? "[lb/ft ³]" : "[lb/ft^3]";
      return symbols ? "[kN/m ³]" : "[kN/m^3]";
    case Unit::kNone: break;
  }
  return "";
}

// ---- fields ------------------------------------------------------------------

Field NumberField(int id, double ProjectInput::*member, Unit unit, std::optional<double> defaultSI,
                  std::optional<double> defaultEnglish) {
  Field f;
  f.id = id;
  f.number = member;
  f.unit = unit;
  f.defaultSI = defaultSI;
  f.defaultEnglish = defaultEnglish;
  return f;
}

Field NumberField(int id, double ProjectInput::*member, std::optional<double> defaultValue) {
  return NumberField(id, member, Unit::kNone, defaultValue, defaultValue);
}

Field ChoiceField(int firstButtonId, int ProjectInput::*member, std::optional<int> defaultValue) {
  Field f;
  f.id = firstButtonId;
  f.choice = member;
  if (defaultValue) {
    f.defaultSI = *defaultValue;
    f.defaultEnglish = *defaultValue;
  }
  return f;
}

Field TextField(int id, std::string ProjectInput::*member, int maxLength) {
  Field f;
  f.id = id;
  f.text = member;
  f.maxLength = maxLength;
  return f;
}

double FieldValues::Number(int id) const {
  const auto it = numbers.find(id);
  return it != numbers.end() ? it->second : 0.0;
}

int FieldValues::Choice(int id) const {
  const auto it = choices.find(id);
  return it != choices.end() ? it->second : 0;
}

const std::string& FieldValues::Text(int id) const {
  static const std::string empty;
  const auto it = texts.find(id);
  return it != texts.end() ? it->second : empty;
}

// ---- checks ------------------------------------------------------------------

std::string MessageText(const Check& check, const CheckContext& context) {
  std::string text = check.text ? check.text(context) : std::string();
  return check.opening ? "\n " + text : text;
}

std::string NumberText(const Check& check) { return Format("%s%04d", check.numberPrefix, check.number); }

CheckFailure FailureOf(const Check& check, const CheckContext& context) {
  CheckFailure failure;
  failure.check = &check;
  failure.messageText = MessageText(check, context);
  failure.numberText = NumberText(check);
  if (check.heading) failure.headingText = check.heading(context);
  failure.focus = check.focus ? check.focus(context) : 0;
  return failure;
}

std::optional<CheckFailure> FirstFailure(std::span<const Check> checks, const CheckContext& context,
                                         std::size_t start) {
  for (std::size_t i = start; i < checks.size(); ++i) {
    const Check& check = checks[i];
    if (check.fails && check.fails(context)) return FailureOf(check, context);
  }
  return std::nullopt;
}

namespace {

// A check on a value that is not a finite number: a comparison with NaN is
// false, so such a value would pass every test. Its field stands at a
// finite value far below, then far above, every limit instead; a check that
// fails at either one refuses it.
constexpr double kFarOff = 1e300;

std::optional<CheckFailure> FailureWithNonFinite(const Check& check, const FieldValues& values,
                                                 const CheckContext& context) {
  for (const auto& [id, value] : values.numbers) {
    if (std::isfinite(value)) continue;
    for (double probe : {-kFarOff, kFarOff}) {
      FieldValues probed = values;
      probed.numbers[id] = probe;
      const CheckContext probedContext{probed, context.stored, context.unitSystem, context.symbolStyle,
                                       context.factors};
      if (check.fails(probedContext)) return FailureOf(check, probedContext);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<CheckFailure> FirstStoredFailure(const DialogFields& fields, const ProjectInput& input,
                                               int symbolStyle) {
  const UnitFactors factors = UnitFactors::ForUnitSystem(input.unitSystem);
  const FieldValues values = ValuesFromInput(fields, input, factors);
  const CheckContext context{values, input, input.unitSystem, symbolStyle, factors};
  for (const Check& check : fields.checks) {
    if (check.kind != CheckKind::kError || !check.fails) continue;
    if (check.fails(context)) return FailureOf(check, context);
    if (std::optional<CheckFailure> failure = FailureWithNonFinite(check, values, context)) return failure;
  }
  // A value that no check tests: the dialog would not take it back either.
  for (const Field& f : fields.fields) {
    if (f.number == nullptr || std::isfinite(values.Number(f.id))) continue;
    CheckFailure failure;
    failure.messageText = std::string("\n ") + fw::kMessageEnterNumber;
    failure.focus = f.id;
    return failure;
  }
  return std::nullopt;
}

Check ErrorCheck(int number, Condition fails, TextOf text, FocusOf focus) {
  Check check;
  check.number = number;
  check.kind = CheckKind::kError;
  check.fails = std::move(fails);
  check.text = std::move(text);
  check.focus = std::move(focus);
  return check;
}

TextOf Fixed(std::string text) {
  return [text = std::move(text)](const CheckContext&) { return text; };
}

TextOf BySymbols(std::string symbols, std::string plain) {
  return [symbols = std::move(symbols), plain = std::move(plain)](const CheckContext& c) {
    return c.Symbols() ? symbols : plain;
  };
}

FocusOf FocusOn(int id) {
  return [id](const CheckContext&) { return id; };
}

Condition AnyField(std::initializer_list<int> ids, std::function<bool(double)> condition) {
  return [list = std::vector<int>(ids), condition = std::move(condition)](const CheckContext& c) {
    for (int id : list)
      if (condition(c.N(id))) return true;
    return false;
  };
}

FocusOf FirstField(std::initializer_list<int> ids, std::function<bool(double)> condition) {
  return [list = std::vector<int>(ids), condition = std::move(condition)](const CheckContext& c) {
    for (int id : list)
      if (condition(c.N(id))) return id;
    return 0;
  };
}

// ---- dialogs -----------------------------------------------------------------

const Field* DialogFields::FindField(int id) const {
  for (const Field& f : fields)
    if (f.id == id) return &f;
  return nullptr;
}

FieldValues ValuesFromInput(const DialogFields& fields, const ProjectInput& input, const UnitFactors& factors) {
  FieldValues values;
  for (const Field& f : fields.fields) {
    if (f.number != nullptr) values.numbers[f.id] = input.*f.number * factors.Of(f.unit);
    if (f.choice != nullptr) values.choices[f.id] = input.*f.choice;
    if (f.text != nullptr) values.texts[f.id] = input.*f.text;
  }
  return values;
}

void StoreValues(const DialogFields& fields, const FieldValues& values, const UnitFactors& factors,
                 ProjectInput& input) {
  for (const Field& f : fields.fields) {
    if (f.number != nullptr) input.*f.number = values.Number(f.id) / factors.Of(f.unit);
    if (f.choice != nullptr) input.*f.choice = values.Choice(f.id);
    if (f.text != nullptr) input.*f.text = values.Text(f.id);
  }
}

void ApplyDefaults(const DialogFields& fields, int unitSystem, FieldValues& values) {
  for (const Field& f : fields.fields) {
    const std::optional<double>& value = unitSystem == 1 ? f.defaultEnglish : f.defaultSI;
    if (!value) continue;
    if (f.number != nullptr) values.numbers[f.id] = *value;
    if (f.choice != nullptr) values.choices[f.id] = static_cast<int>(*value);
  }
}

double ThreeDecimalCut(double x) {
  // Half a unit of the third decimal away from zero, so that the cut is the
  // same for a value and its negative.
  const double shifted = (x < 0.0 ? x - 0.0005 : x + 0.0005) * 1000.0;
  if (!(shifted > -2147483649.0 && shifted < 2147483648.0)) return x;
  return static_cast<int>(shifted) / 1000.0;
}

std::vector<const DialogFields*> AllDialogFields() {
  return {&SetupFields(),      &GeneralFields(),    &GeometryFields(),   &WaterFields(),
          &SoilFields(),       &DesignParamFields(), &SeismicParamFields(), &FoundationFields(),
          &GeosynDataFields(), &GeosynFsFields(),   &InclinationFields(), &GeneralFsFields()};
}

}  // namespace tervane::input
