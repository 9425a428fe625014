#pragma once
// The DXF export IDD_CREATE_DXF_FILE: seven check boxes choose the elements of
// the last run that go into a DXF drawing; the rest of the client area shows
// them to scale; OK asks for a file name and writes the drawing.
//
// The results drawing opens it from its CALL_DXF button:
//   CCreateDxfFileDlg dlg;
//   dlg.DoModal();
// It reads runInput, results, the unitSystem of input (the drawing is in
// metres or feet by the units being edited, not those of the run) and the
// screenColorMode of settings, and changes none of them.

#include <string>

#include "model/StrengthFunctions.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"
#include "framework/Dialog.h"

namespace tervane {

class CCreateDxfFileDlg : public fw::Dialog {
 public:
  CCreateDxfFileDlg();

  // The elements chosen, each 1 or 0; all 1 at first.
  int exportGeometry = 1;
  int exportReinforcement = 1;
  int exportCriticalSurfaces = 1;
  int exportLengths = 1;
  int exportAllTiebackSurfaces = 1;
  int exportToeCompoundSurfaces = 1;
  int exportLayerCompoundSurfaces = 1;

  // Set at initialisation from the unitSystem of input.
  int unitSystem = 0;
  double lengthUnitFactor = 1.0;  // drawing units per metre
  // The layers of the last run, taken at construction.
  int dxfLayerCount = 0;

  // Starts the drawing for `path`: every section up to the entities of the
  // chosen elements; the ENTITIES section stays open.
  void WriteDxf(const std::string& path);
  // Ends the drawing and writes it whole to its path (through a temporary
  // file beside it). False, with the reason in `error`, when it was not
  // written; the file of that name is then as it was.
  bool FinishDxf(std::string& error);

  DxfSelection Selection() const;
  // The strength check that colours the layers of the preview.
  const LayerStrengthCheck& StrengthCheck() const { return strengthCheck_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;
  void OnPaint(fw::DeviceContext& dc) override;

 private:
  void OnSelectionChanged();

  LayerStrengthCheck strengthCheck_;
  DxfStream dxfStream;
  // The client size at the last paint.
  int clientWidth_ = 0;
  int clientHeight_ = 0;
};

}  // namespace tervane
