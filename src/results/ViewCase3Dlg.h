#pragma once
// The direct-sliding and deep-seated results IDD_VIEW_CASE3: one page of
// texts that compares, for direct sliding, the uncertainties and pullout
// checks of the tieback and compound analyses, and deep-seated failure, the
// specified factor of safety, the reinforcement length it requires, the
// factor reached and a status, with remarks, the critical circle and notes.
// It reads the last run (runInput and results) in the units of that run.

#include <map>
#include <string>

#include "model/DisplayUnits.h"
#include "framework/Dialog.h"

namespace tervane {

class CViewCase3Dlg : public fw::Dialog, public DisplayUnitChoice {
 public:
  CViewCase3Dlg();

  // The text of each filled static by control id (empty until the dialog
  // initialises).
  std::map<int, std::string> texts;

  // The critical angle of the active wedge in degrees, from points 2 and 3
  // of the run's direct-sliding wedge (a back line that leans back or stands
  // vertical counts as 0.0001 m wide).
  static double CriticalWedgeAngle(const double (&x)[3], const double (&y)[3]);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
};

}  // namespace tervane
