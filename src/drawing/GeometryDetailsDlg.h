#pragma once
// IDD_GEOMETRY_DETAILS: the slope geometry and the surcharges of the last run
// in the units of that run, opened by "Geometry Details" of the results
// drawing. It shows and stores nothing else.

#include <string>

#include "framework/Dialog.h"

namespace tervane {

class CGeometryDetailsDlg : public fw::Dialog {
 public:
  CGeometryDetailsDlg();

  // The ten texts, filled when the dialog initialises.
  std::string unitsText;
  std::string heightText;
  std::string slopeAngleText;
  std::string crestAText;
  std::string crestBText;
  std::string backslopeText;
  std::string bottomSlopeText;
  std::string q1Text;
  std::string q2Text;
  std::string q3Text;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
};

}  // namespace tervane
