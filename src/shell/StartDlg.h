#pragma once
// The main menu IDD_START of an open project: the only modeless dialog,
// created by the document inside the main frame's client area and destroyed
// when the project closes. Every piece of work starts from its buttons; it
// paints a status line and the sketch of the slope that `input` describes.

#include "model/DisplayUnits.h"
#include "framework/Dialog.h"
#include "framework/Text.h"

namespace tervane {

// The unit choice and its factors (DisplayUnitChoice) are taken from `input`
// when the dialog opens.
class CStartDlg : public fw::Dialog, public DisplayUnitChoice {
 public:
  CStartDlg();

  // The client size recorded by the last paint.
  int clientWidth = 0;
  int clientHeight = 0;
  // The file the text report writes (closed and idle otherwise).
  TextFileWriter reportFile;

  // The status line's rectangle for the last recorded client size.
  fw::Rect StatusLineRect() const;
  // The rectangle of the line under it (the missed deep-seated target).
  fw::Rect TargetLineRect() const;

  // The status line while the input may differ from the results.
  static constexpr const char* kRunNeededText =
      "Tervane must be run to ensure correspondance between input data and results";
  // The line under it while the results of the last run fall short of the
  // deep-seated target (the run stopped at its call limit).
  static constexpr const char* kTargetMissedText =
      "The last run did not reach the target factor of safety against deep-seated failure";

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  // Esc does nothing: the main menu is the only window of the project, and
  // hiding it would leave no way back to it.
  void OnCancel() override;
  void OnPaint(fw::DeviceContext& dc) override;
  bool OnHelpInfo() override;

 private:
  void OnModifyInput();
  void OnRunOptimized();
  void OnRunUserSpecified();
  void OnViewTabulatedResults();
  void OnViewLayout();
  void OnQuantityAndCost();
  void OnSaveResultsAsText();
  // Enables the buttons that need a layer layout and sets resultsAvailable,
  // by the layerCount of `input`.
  void ApplyEnableRule();
  void InvalidateStatusLine();
  // After a run dialog closed with OK: the input matches the results again,
  // and both status lines are repainted. True when the run replaced results
  // that were dropped on opening (the results buttons then come back).
  bool AfterCompletedRun();
};

// The background of the main menu.
inline constexpr fw::ColorRef kMainMenuColor = fw::RGB(204, 236, 255);

}  // namespace tervane
