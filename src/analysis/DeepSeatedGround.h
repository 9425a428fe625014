#pragma once
// The ground surface, its surcharge and the phreatic level, as the deep-seated
// and direct-sliding analyses see them.
//
// Frame: x horizontal from the toe into the slope, y up from the toe level.
//  - x < 0 (in front of the toe): y = x * tan(alpha), no surcharge.
//  - 0 <= x <= xc (the face, xc = H * cot i): the face line; no surcharge except
//    Q1 at the crest edge itself.
//  - x > xc: the crest flat of length A at height H, the backslope of length B at
//    angle beta, and the upper level H + B * tan(beta) beyond; surcharge Q1 up to
//    xc + A, Q2 up to xc + A + B, Q3 beyond.
//  - the phreatic level follows the polyline of the four phreatic points and is
//    level beyond the last one.
//
// GroundProfile holds everything the surface needs, computed once, so the hot
// loops of the analyses evaluate the ground without any transcendental call.

#include <cmath>

namespace tervane::analysis {

struct AnalysisState;

struct GroundPoint {
  double y = 0.0;  // ground elevation, m
  double q = 0.0;  // vertical surcharge pressure acting there, kPa
};

class GroundProfile {
 public:
  // How the face is computed: x / cot(i) for the deep-seated analysis, or
  // x * tan(i) for direct sliding.
  enum class Face { kByCotangent, kByTangent };

  GroundProfile() = default;
  GroundProfile(const AnalysisState& s, Face face);

  GroundPoint At(double x) const {
    GroundPoint g;
    if (x < 0.0) {
      g.y = x * tanFront_;
      return g;
    }
    if (x <= crestX_) {
      g.y = faceByTangent_ ? x * tanFace_ : x / cotFace_;
      if (x == crestX_) g.q = q1_;
      return g;
    }
    if (levelCrestOnly_) {
      g.y = height_;
    } else {
      const double d = x - crestX_;
      if (d <= crestA_) {
        g.y = height_;
      } else if (d < crestEnd_) {
        g.y = height_ + (d - crestA_) * tanBack_;
      } else {
        g.y = upperLevel_;
      }
    }
    if (x <= surchargeEnd1_) {
      g.q = q1_;
    } else if (x <= surchargeEnd2_) {
      g.q = q2_;
    } else {
      g.q = q3_;
    }
    return g;
  }

  // Elevation of the phreatic line at x.
  double PhreaticAt(double x) const {
    if (x >= phreaticX_[3]) return phreaticY_[3];
    int k = 0;
    if (x >= phreaticX_[2]) {
      k = 2;
    } else if (x >= phreaticX_[1]) {
      k = 1;
    }
    return phreaticY_[k] + (x - phreaticX_[k]) * phreaticSlope_[k];
  }

  double CrestX() const { return crestX_; }

  // Which segment PhreaticAt(x) takes, as a number that never falls as x
  // grows: on one segment the level is an affine function of x.
  int PhreaticPieceAt(double x) const {
    if (x >= phreaticX_[3]) return 3;
    if (x >= phreaticX_[2]) return 2;
    return x >= phreaticX_[1] ? 1 : 0;
  }

  // On one piece of PieceAt: the magnitude of the slope of the ground, and a
  // bound of the magnitudes the piece's formula takes from x before it
  // multiplies by that slope (so that rounding of the elevation along the
  // piece can be bounded without the slopes of the other pieces).
  double PieceSlope(int piece) const {
    if (piece == 0) return std::fabs(tanFront_);
    if (piece <= 2) return faceByTangent_ ? std::fabs(tanFace_) : std::fabs(1.0 / cotFace_);
    return (piece - 3) / 3 == 2 ? std::fabs(tanBack_) : 0.0;
  }
  double PieceOffsetBound(int piece) const {
    return piece <= 2 ? 0.0 : std::fabs(crestX_) + std::fabs(crestA_) + std::fabs(crestB_);
  }

  // The largest magnitudes of the phreatic segments' slopes and points' x.
  double PhreaticSlopeBound() const {
    double b = 0.0;
    for (double slope : phreaticSlope_) b = b > std::fabs(slope) ? b : std::fabs(slope);
    return b;
  }
  double PhreaticXBound() const {
    double b = 0.0;
    for (double x : phreaticX_) b = b > std::fabs(x) ? b : std::fabs(x);
    return b;
  }

  // Which formula At(x) takes, as a number that never falls as x grows: on
  // one piece the ground elevation is an affine function of x and the
  // surcharge is constant.
  int PieceAt(double x) const {
    if (x < 0.0) return 0;
    if (x < crestX_) return 1;
    if (x == crestX_) return 2;
    int ground = 0;
    if (!levelCrestOnly_) {
      const double d = x - crestX_;
      ground = d <= crestA_ ? 1 : d < crestEnd_ ? 2 : 3;
    }
    const int load = x <= surchargeEnd1_ ? 0 : x <= surchargeEnd2_ ? 1 : 2;
    return 3 + 3 * ground + load;
  }

 private:
  bool faceByTangent_ = false;
  bool levelCrestOnly_ = false;  // A and B both below 1e-5
  double height_ = 0.0;
  double cotFace_ = 0.0;
  double tanFace_ = 0.0;
  double tanFront_ = 0.0;
  double tanBack_ = 0.0;
  double crestX_ = 0.0;
  double crestA_ = 0.0;  // A, with a length of 1e-5 or less taken as 0
  double crestB_ = 0.0;
  double crestEnd_ = 0.0;  // A + B
  double upperLevel_ = 0.0;  // H + B * tan(beta)
  double surchargeEnd1_ = 0.0;  // xc + A
  double surchargeEnd2_ = 0.0;  // xc + A + B
  double q1_ = 0.0;
  double q2_ = 0.0;
  double q3_ = 0.0;
  double phreaticX_[4] = {};
  double phreaticY_[4] = {};
  double phreaticSlope_[3] = {};
};

// Ground elevation and surcharge at x (face by cotangent).
GroundPoint GroundElevationAt(const AnalysisState& s, double x);

// Elevation of the phreatic line at x.
double PhreaticLevelAt(const AnalysisState& s, double x);

}  // namespace tervane::analysis
