#include "drawing/CreateDxfFileDlg.h"

#include "model/DisplayUnits.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "drawing/DxfPreview.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "resources/DialogTemplates.h"
#include "resources/DxfExportResources.h"

namespace tervane {

namespace {

constexpr int kChecks[] = {
    res::kDxfGeometryCheck,     res::kDxfReinforcementCheck, res::kDxfCriticalSurfacesCheck,
    res::kDxfLengthsCheck,      res::kDxfAllTiebackCheck,    res::kDxfToeCompoundCheck,
    res::kDxfLayerCompoundCheck,
};

}  // namespace

CCreateDxfFileDlg::CCreateDxfFileDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_CREATE_DXF_FILE")),
      dxfLayerCount(Project().results.LayerCount()) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  for (int id : kChecks) OnClicked(id, &CCreateDxfFileDlg::OnSelectionChanged);
}

bool CCreateDxfFileDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  unitSystem = Project().input.unitSystem;
  const DisplayUnitFactors units = DisplayUnitFactors::For(unitSystem);
  lengthUnitFactor = units.length;
  strengthCheck_.strengthUnitFactor = units.strength;
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CCreateDxfFileDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Check(res::kDxfGeometryCheck, exportGeometry);
  dx.Check(res::kDxfReinforcementCheck, exportReinforcement);
  dx.Check(res::kDxfCriticalSurfacesCheck, exportCriticalSurfaces);
  dx.Check(res::kDxfLengthsCheck, exportLengths);
  dx.Check(res::kDxfAllTiebackCheck, exportAllTiebackSurfaces);
  dx.Check(res::kDxfToeCompoundCheck, exportToeCompoundSurfaces);
  dx.Check(res::kDxfLayerCompoundCheck, exportLayerCompoundSurfaces);
}

DxfSelection CCreateDxfFileDlg::Selection() const {
  DxfSelection s;
  s.exportGeometry = exportGeometry;
  s.exportReinforcement = exportReinforcement;
  s.exportCriticalSurfaces = exportCriticalSurfaces;
  s.exportLengths = exportLengths;
  s.exportAllTiebackSurfaces = exportAllTiebackSurfaces;
  s.exportToeCompoundSurfaces = exportToeCompoundSurfaces;
  s.exportLayerCompoundSurfaces = exportLayerCompoundSurfaces;
  return s;
}

// Every click stores all seven boxes and repaints the preview at once.
void CCreateDxfFileDlg::OnSelectionChanged() {
  UpdateData(true);
  fw::Size area{clientWidth_, clientHeight_};
  if (area.cx <= 0 || area.cy <= 0) area = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{0, 0, area.cx, area.cy}, true);
}

void CCreateDxfFileDlg::WriteDxf(const std::string& path) {
  dxfStream.Open(path);
  WriteDxfPrologue(dxfStream);
  const ProjectData& project = Project();
  WriteDxfEntities(dxfStream, Selection(), DxfScene{project.runInput, project.results, lengthUnitFactor, dxfLayerCount});
}

bool CCreateDxfFileDlg::FinishDxf(std::string& error) {
  if (dxfStream.IsOpen()) WriteDxfEpilogue(dxfStream);
  return dxfStream.Close(error);
}

void CCreateDxfFileDlg::OnOK() {
  fw::FileDialogOptions options;
  options.proposedName = "*.DXF";
  options.defaultExtension = "DXF";
  options.askOverwrite = true;
  const std::optional<std::string> path = fw::FileDialogs().SaveFile(options);
  if (!path) return;  // cancelled: the choices stay as they are

  // The flags hold what the last click stored.
  WriteDxf(*path);
  std::string error;
  if (!FinishDxf(error)) {
    // Nothing was written (or the old file was kept): say so and stay open,
    // so the user can choose another place.
    fw::ShowMessage("The DXF file could not be written.\n\n" + error, fw::MessageButtons::Ok,
                    fw::MessageIcon::Warning);
    return;
  }
  fw::Dialog::OnOK();
}

void CCreateDxfFileDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size client = ClientSize();
  clientWidth_ = client.cx;
  clientHeight_ = client.cy;
  const ProjectData& project = Project();
  const ResultsScene scene{project.runInput, project.results, dxfLayerCount, lengthUnitFactor, unitSystem,
                           project.settings.screenColorMode};
  PaintDxfPreview(dc, client, Selection(), scene, strengthCheck_);
}

}  // namespace tervane
