#pragma once
// Data exchange between a dialog's members and its controls. DoDataExchange
// calls one exchange per field; the same code shows the members
// (UpdateData(false)) and reads them back (UpdateData(true)).
//
// Reading is strict: a number must be the whole text, one finite decimal
// number. The first field that is refused gets the framework's message through
// the message-box service and the focus; the exchange then stops (the later
// fields are left as they were) and UpdateData returns false. A refused field
// leaves its member unchanged.

#include <string>

namespace tervane::fw {

class ControlWrapper;
class Dialog;

// The framework's messages for refused fields.
inline constexpr const char* kMessageEnterNumber = "Please enter a number.";
// "Please enter no more than N characters."
std::string MessageTooManyCharacters(int maxCharacters);

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saveAndValidate);

  // True while reading the controls into the members.
  bool Saving() const { return saving_; }
  // True once a field was refused.
  bool Failed() const { return failed_; }
  Dialog& GetDialog() const { return dialog_; }

  // A double in an edit field, shown with 15 significant digits.
  void Double(int id, double& value);
  // A text in an edit field (or any control's text); maxCharacters > 0 sets the
  // field's typing limit when showing and refuses a longer text when reading.
  void Text(int id, std::string& value, int maxCharacters = 0);
  // A radio group by its first button: index of the checked button from the
  // first, -1 for none.
  void Radio(int firstId, int& index);
  // A check box: 0 unchecked, 1 checked, 2 indeterminate.
  void Check(int id, int& state);
  void Check(int id, bool& checked);
  // The text of a combo box. Showing selects the first list item that begins
  // with the text (ignoring case); when none does, an editable combo box shows
  // the text in its edit part as it is. Reading takes the edit part's text
  // (the selected item's for a drop-down list).
  void ComboText(int id, std::string& value, int maxCharacters = 0);
  // The selected item of a combo box, -1 for none.
  void ComboIndex(int id, int& index);

  // Attaches a control wrapper to the hosted control `id` (a spreadsheet or
  // print preview) in either direction, once.
  void Control(int id, ControlWrapper& wrapper);

 private:
  // Reports a refused field and stops the exchange.
  void Fail(int id, const std::string& message);
  // Reads a field's text into `value` unless it is longer than allowed.
  void ReadLimitedText(int id, std::string& value, int maxCharacters);

  Dialog& dialog_;
  bool saving_;
  bool failed_ = false;
};

}  // namespace tervane::fw
