#include "drawing/DxfPreview.h"

#include <cmath>

#include "drawing/SectionPainter.h"

namespace tervane {

namespace {

using fw::Pen;

class Preview {
 public:
  Preview(fw::DeviceContext& dc, fw::Size client, const DxfSelection& selection,
          const ResultsScene& scene, LayerStrengthCheck& check)
      : dc_(dc), sel_(selection), scene_(scene), in_(scene.runInput), res_(scene.results),
        check_(check), W_(client.cx), Hc_(client.cy), bw_(scene.colorMode == 1),
        section_(dc, scene.runInput, scene.results, MakeGeometry(scene.runInput, client), bw_) {
    layerCount_ = BoundedLayerCount(scene.layerCount);
  }

  void Paint() {
    const PaintScope scope(dc_, bw_);
    section_.Background(fw::Rect{0, 0, W_, Hc_});
    if (sel_.exportGeometry == 1) {
      section_.Ground();
      section_.Surcharges();
      if (in_.waterMode == 0) section_.Water();
    }
    section_.ToeDot();
    section_.DepthLine(W_ - 0.2 * W_);
    if (sel_.exportCriticalSurfaces == 1) section_.CriticalSurfaces(0.62 * Hc_, 0.6 * Hc_);
    if (sel_.exportReinforcement == 1) Layers();
    if (sel_.exportLengths == 1) {
      for (int k = 0; k < layerCount_; ++k)
        section_.LayerLengths(k, 0.0, Pen::Solid(2, bw_ ? fw::kBlack : fw::kWhite));
    }
    if (sel_.exportAllTiebackSurfaces == 1) section_.TiebackSurfaces(layerCount_);
    if (sel_.exportToeCompoundSurfaces == 1) section_.ToeCompoundSurfaces(layerCount_);
    if (sel_.exportLayerCompoundSurfaces == 1) section_.LayerCompoundSurfaces(layerCount_);
    section_.HeightDimension(scene_.lengthUnitFactor, scene_.unitSystem);
  }

 private:
  // The preview's scale follows the client height only; the toe stands in
  // the middle of the width, and the soil runs out to the client's edges.
  static SectionGeometry MakeGeometry(const ProjectInput& in, fw::Size client) {
    const double H = in.slopeHeight;
    SectionGeometry g;
    g.s = static_cast<double>(client.cy) / H * 0.25;
    g.toeX = 0.5 * client.cx;
    g.toeY = 0.55 * client.cy;
    g.Fp = H / std::tan(in.slopeAngle * kDrawingDegree) * g.s;
    g.Hp = H * g.s;
    g.Ap = in.crestLengthA * g.s;
    g.Bp = in.crestLengthB * g.s;
    g.Rp = std::tan(in.backslopeAngle * kDrawingDegree) * in.crestLengthB * g.s;
    g.left = 0;
    g.right = client.cx;
    g.bottom = client.cy;
    g.width = client.cx;
    return g;
  }

  // Layers that do not pass their strength check red, the others white;
  // black in black and white.
  void Layers() {
    for (int k = 0; k < layerCount_; ++k) {
      const double ratio = check_.ComputeLayerStrengthRatio(in_, res_, k);
      if (bw_)
        dc_.SelectPen(Pen::Solid(1, fw::kBlack));
      else
        dc_.SelectPen(Pen::Solid(2, !LayerStrengthPasses(in_, check_, ratio) ? section::kRed : fw::kWhite));
      section_.LayerLine(k);
    }
  }

  fw::DeviceContext& dc_;
  const DxfSelection& sel_;
  const ResultsScene& scene_;
  const ProjectInput& in_;
  const AnalysisResults& res_;
  LayerStrengthCheck& check_;
  int W_;
  int Hc_;
  bool bw_;
  SectionPainter section_;
  int layerCount_ = 0;
};

}  // namespace

void PaintDxfPreview(fw::DeviceContext& dc, fw::Size client, const DxfSelection& selection,
                     const ResultsScene& scene, LayerStrengthCheck& check) {
  Preview(dc, client, selection, scene, check).Paint();
}

}  // namespace tervane
