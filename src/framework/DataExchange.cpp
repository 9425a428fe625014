#include "framework/DataExchange.h"

#include "framework/Dialog.h"
#include "framework/HostedControl.h"
#include "framework/Services.h"
#include "framework/Text.h"

namespace tervane::fw {

std::string MessageTooManyCharacters(int maxCharacters) {
  return Format("Please enter no more than %d characters.", maxCharacters);
}

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}

void DataExchange::Fail(int id, const std::string& message) {
  failed_ = true;
  ShowMessage(message, MessageButtons::Ok, MessageIcon::Warning);
  dialog_.SetFocus(id);
}

void DataExchange::Double(int id, double& value) {
  if (failed_) return;
  if (saving_) {
    double parsed = 0.0;
    if (!ParseDouble(dialog_.GetText(id), parsed)) {
      Fail(id, kMessageEnterNumber);
      return;
    }
    value = parsed;
  } else {
    dialog_.SetText(id, FormatDouble15(value));
  }
}

void DataExchange::ReadLimitedText(int id, std::string& value, int maxCharacters) {
  std::string text = dialog_.GetText(id);
  if (maxCharacters > 0 && Utf8Length(text) > static_cast<std::size_t>(maxCharacters)) {
    Fail(id, MessageTooManyCharacters(maxCharacters));
    return;
  }
  value = std::move(text);
}

void DataExchange::Text(int id, std::string& value, int maxCharacters) {
  if (failed_) return;
  if (saving_) {
    ReadLimitedText(id, value, maxCharacters);
  } else {
    if (maxCharacters > 0) dialog_.SetTextLimit(id, maxCharacters);
    dialog_.SetText(id, value);
  }
}

void DataExchange::Radio(int firstId, int& index) {
  if (failed_) return;
  if (saving_)
    index = dialog_.GetRadioIndex(firstId);
  else
    dialog_.SetRadioIndex(firstId, index);
}

void DataExchange::Check(int id, int& state) {
  if (failed_) return;
  if (saving_)
    state = dialog_.GetCheck(id);
  else
    dialog_.SetCheck(id, state == 2 ? 2 : (state != 0 ? 1 : 0));
}

void DataExchange::Check(int id, bool& checked) {
  int state = checked ? 1 : 0;
  Check(id, state);
  if (saving_ && !failed_) checked = state != 0;
}

void DataExchange::ComboText(int id, std::string& value, int maxCharacters) {
  if (failed_) return;
  if (saving_) {
    ReadLimitedText(id, value, maxCharacters);
  } else {
    if (maxCharacters > 0) dialog_.SetTextLimit(id, maxCharacters);
    // A text that begins no item stays as it is in the edit part (a drop-down
    // list has none and keeps its selection).
    if (dialog_.ComboSelectPrefix(id, value) < 0) dialog_.SetText(id, value);
  }
}

void DataExchange::ComboIndex(int id, int& index) {
  if (failed_) return;
  if (saving_)
    index = dialog_.ComboSelection(id);
  else
    dialog_.SetComboSelection(id, index);
}

void DataExchange::Control(int id, ControlWrapper& wrapper) {
  if (!wrapper.IsAttached() || wrapper.ControlId() != id || wrapper.Control() == nullptr) wrapper.Attach(dialog_, id);
}

}  // namespace tervane::fw
