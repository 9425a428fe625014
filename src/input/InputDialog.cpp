#include "input/InputDialog.h"

#include "common/MessageDialogs.h"
#include "common/ActiveDocument.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"

namespace tervane {

void ShowCheckMessage(const input::CheckFailure& failure) {
  CPolicingDlg message;
  message.messageText = failure.messageText;
  message.errorNumberText = failure.numberText;
  message.DoModal();
}

CInputDialog::CInputDialog(const input::DialogFields& fields)
    : fw::Dialog(DialogTemplateNamed(fields.templateName)),
      fields_(fields),
      values_(input::ValuesFromInput(fields, Project().input, input::UnitFactors{})) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  if (Template().Find(ids::kDefaultButton) != nullptr) OnClicked(ids::kDefaultButton, &CInputDialog::OnDefault);
  if (Template().Find(ids::kTruncateButton) != nullptr)
    OnClicked(ids::kTruncateButton, &CInputDialog::OnTruncate);
}

bool CInputDialog::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  unitSystem_ = Project().input.unitSystem;
  factors_ = input::UnitFactors::ForUnitSystem(unitSystem_);
  for (const input::Field& f : fields_.fields)
    if (f.number != nullptr && f.unit != input::Unit::kNone) values_.numbers[f.id] *= factors_.Of(f.unit);
  for (const auto& [id, unit] : fields_.unitCaptions)
    SetText(id, input::UnitCaption(unit, unitSystem_, Project().settings.symbolStyle));
  InitControls();
  // The caption help button comes with the template's style.
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CInputDialog::DoDataExchange(fw::DataExchange& dx) {
  for (const input::Field& f : fields_.fields) {
    if (f.number != nullptr) dx.Double(f.id, values_.numbers[f.id]);
    if (f.choice != nullptr) dx.Radio(f.id, values_.choices[f.id]);
    if (f.text != nullptr) dx.Text(f.id, values_.texts[f.id], f.maxLength);
  }
  ExchangeExtra(dx);
}

void CInputDialog::OnOK() {
  // A refused field has the focus now, so OK acts as Enter in it.
  UpdateData(true);
  MarkActiveDocumentModified();
  const int focus = FocusedControl();
  for (const input::EnterMove& move : fields_.enterCycle) {
    if (move.from == focus) {
      SetFocus(move.to);
      return;
    }
  }
  if (focus == fw::IDOK) RunChecks();
}

input::CheckContext CInputDialog::Context() const {
  return input::CheckContext{values_, Project().input, unitSystem_, Project().settings.symbolStyle, factors_};
}

void CInputDialog::RunChecks() {
  const input::CheckContext context = Context();
  for (const input::Check& check : fields_.checks) {
    if (!check.fails || !check.fails(context)) continue;
    const input::CheckFailure failure = input::FailureOf(check, context);
    switch (check.kind) {
      case input::CheckKind::kError:
        ShowCheckMessage(failure);
        SetFocus(failure.focus);
        return;
      case input::CheckKind::kNotice:
        ShowCheckMessage(failure);
        break;
      case input::CheckKind::kWarning:
        if (!ConfirmWarning(failure)) {
          SetFocus(failure.focus);
          return;
        }
        break;
    }
  }
  input::StoreValues(fields_, values_, factors_, Project().input);
  StoreExtra();
  fw::Dialog::OnOK();
}

void CInputDialog::OnDefault() {
  input::ApplyDefaults(fields_, unitSystem_, values_);
  UpdateData(false);
  AfterDefault();
}

void CInputDialog::OnTruncate() {
  UpdateData(true);
  for (auto& [id, value] : values_.numbers) value = input::ThreeDecimalCut(value);
  UpdateData(false);
}

bool CInputDialog::OnHelpInfo() {
  fw::Help().ShowTopic(Project().helpFilePath + "::/" + fields_.helpTopic);
  return true;
}

}  // namespace tervane
