#pragma once
// The common behaviour of the twelve input dialogs, driven by their
// DialogFields (DialogFields.h):
//
// - The constructor copies the dialog's fields from `input` (SI values).
// - Initialisation takes the unit system of `input`, multiplies the
//   dimensional fields by their unit factors, fills the unit captions, lets
//   the dialog do its own steps (InitControls), hides label 1244 and shows
//   the values.
// - Enter and OK read every field back, mark the open project modified, and
//   then either move the focus along the Enter cycle or, on the OK button,
//   run the checks in order. An error shows CPolicingDlg with its text and
//   number, focuses its field and keeps the dialog open; a notice is shown
//   and the checks go on; a warning asks the dialog (ConfirmWarning) and goes
//   on only when the user continues. When every check has passed, the fields
//   are stored back into `input` in SI units and the dialog ends with OK.
// - Default (1023) writes the Default values of the unit system and shows
//   them; TRUNCATE (1138) cuts every number to three decimals; neither stores.
// - F1 and the caption help button open the dialog's own help topic.
//
// A malformed number is refused by the framework's data exchange, which
// focuses the field: an OK press then acts as Enter in that field.

#include "framework/Dialog.h"
#include "input/DialogFields.h"

namespace tervane {

class CInputDialog : public fw::Dialog {
 public:
  explicit CInputDialog(const input::DialogFields& fields);

  const input::DialogFields& Fields() const { return fields_; }
  // The fields as held (display values once the dialog has initialised).
  const input::FieldValues& Values() const { return values_; }
  int UnitSystem() const { return unitSystem_; }
  const input::UnitFactors& Factors() const { return factors_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  bool OnHelpInfo() override;

  // Step 3 of the initialisation: what the dialog does of its own (captions,
  // lists, enabling) after the values were converted.
  virtual void InitControls() {}
  // Fields the dialog has beyond its field table, exchanged after them.
  virtual void ExchangeExtra(fw::DataExchange&) {}
  // A warning of the check table: true when the user chose to continue.
  virtual bool ConfirmWarning(const input::CheckFailure&) { return true; }
  // After the fields were stored: what else the dialog stores.
  virtual void StoreExtra() {}
  // After Default has written and shown its values.
  virtual void AfterDefault() {}

  void OnDefault();
  void OnTruncate();

  // What the checks read.
  input::CheckContext Context() const;

  double& Number(int id) { return values_.numbers[id]; }
  int& Choice(int id) { return values_.choices[id]; }
  std::string& Text(int id) { return values_.texts[id]; }

 private:
  void RunChecks();

  const input::DialogFields& fields_;
  input::FieldValues values_;
  int unitSystem_ = 0;
  input::UnitFactors factors_;
};

// Runs CPolicingDlg with a check's texts.
void ShowCheckMessage(const input::CheckFailure& failure);

}  // namespace tervane
