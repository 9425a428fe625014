// Direct sliding: the base length of the reinforced block that resists sliding
// along its base with the factor of safety asked for, by a two-part wedge: the
// block between the face and the vertical x = L, and an active wedge of backfill
// behind it whose base rises from the heel (L, 0).
#include <algorithm>
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedGround.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis {

namespace {

// What stays fixed over the trial lengths of one analysis.
struct SlidingSetting {
  double height = 0.0;
  double wedgeStrip = 0.0;       // H / 50
  double wedgeStart = 0.0;       // H / 100: the first strip begins this far before L
  double backfillWeight = 0.0;
  double backfillPoreWeight = 0.0;   // ru * gamma of the backfill
  double reinforcedWeight = 0.0;
  double reinforcedPoreWeight = 0.0;  // ru * gamma of the reinforced soil
  double poreCoefficient = 0.0;
  double waterWeight = 0.0;
  int phreaticGiven = 0;
  double onePlusKv = 1.0;  // active wedge
  double kh = 0.0;
  double blockOnePlusKv = 1.0;  // block, only with seismic forces on the reinforced mass
  double blockKh = 0.0;
  double sinPhiBackfill = 0.0;
  double cosPhiBackfill = 0.0;
  double sinDelta = 0.0;
  double cosDelta = 0.0;
  double reinforcedCohesion = 0.0;
  double foundationCohesion = 0.0;
  double coefficientReinforced = 0.0;
  double coefficientFoundation = 0.0;
  double tanReinforced = 0.0;  // Cr * tan(phi) of the reinforced soil, as a tangent
  double tanFoundation = 0.0;
  double target = 0.0;
  double degree = 0.0;
  // Bounds of the magnitudes the strips go through: the x of the end of the
  // backslope, the highest phreatic point, the steepest phreatic segment and
  // the largest x of a phreatic point.
  double groundXBound = 0.0;
  double phreaticBound = 0.0;
  double phreaticSlopeBound = 0.0;
  double phreaticXBound = 0.0;
};

void PrepareWedgeAngles(const AnalysisState& s, DirectSlidingWork& w, double stripWidth) {
  const double deg = s.degreeToRadian;
  const double phi = s.backfillDesignPhi;
  const double delta = s.interwedgeAngleRad;
  const double cohesion = s.backfillDesignCohesion;
  const double lowest = 2.0 * deg;
  // 49 degrees plus half the friction angle, then one degree lower at a time
  // while the angle stays above 2 degrees.
  double theta = phi * 0.5 + 50.0 * deg - deg;
  int n = 0;
  for (;;) {
    w.angle[n] = theta;
    w.cosAngle[n] = std::cos(theta);
    w.tanAngle[n] = std::tan(theta);
    w.sinLessPhi[n] = std::sin(theta - phi);
    w.cosLessPhi[n] = std::cos(theta - phi);
    w.cosInterwedge[n] = std::cos(delta + phi - theta);
    w.stripCohesion[n] = cohesion * stripWidth / w.cosAngle[n];
    ++n;
    theta -= deg;
    if (theta <= lowest || n == kMaxWedgeAngles) break;
  }
  w.angleCount = n;
}

// The loads of the block: 50 strips between the face and x = L.
struct BlockLoads {
  double normal = 0.0;
  double horizontal = 0.0;
  double water = 0.0;
  double pore = 0.0;
  double cohesionR = 0.0;
  double cohesionF = 0.0;
};

BlockLoads LoadsOfBlock(const SlidingSetting& st, const DirectSlidingWork& w, double length) {
  BlockLoads b;
  const double dx = length / 50.0;
  for (int k = 1; k <= 50; ++k) {
    const double x = (k - 0.5) * dx;
    const GroundPoint g = w.ground.At(x);
    const double soil = st.reinforcedWeight * g.y * dx;
    const double load = g.q * dx;
    b.normal += st.blockOnePlusKv * (soil + load);
    b.horizontal += st.blockKh * (soil + load);
    b.pore += st.reinforcedPoreWeight * g.y * dx;
    if (st.phreaticGiven != 0) {
      const double level = w.ground.PhreaticAt(x);
      b.water += st.waterWeight * (level > 0.0 ? level : 0.0) * dx;
    }
    b.cohesionR += st.reinforcedCohesion * dx;
    b.cohesionF += st.foundationCohesion * dx;
  }
  return b;
}

// The horizontal water force on the interface x = L.
double InterfaceWaterForce(const SlidingSetting& st, const DirectSlidingWork& w, double length) {
  if (st.phreaticGiven != 0) {
    const double level = w.ground.PhreaticAt(length);
    if (level >= 0.0) return 0.5 * st.waterWeight * (level * level);
  }
  return 0.0;
}

// The active thrust of the backfill wedge on the interface x = L at angle j.
double WedgeThrust(const SlidingSetting& st, DirectSlidingWork& w, double length, int j) {
  const double tanTheta = w.tanAngle[j];
  const double cosTheta = w.cosAngle[j];
  const double dx = st.wedgeStrip;
  double x0 = length - st.wedgeStart;
  if (x0 < 0.0) x0 = 0.0;
  double vertical = 0.0;
  double horizontal = 0.0;
  double water = 0.0;
  double pore = 0.0;
  double cohesion = 0.0;
  w.interfacePoreForce = 0.0;
  for (int k = 1; k <= kMaxWedgeStrips; ++k) {
    const double x = x0 + k * dx;
    const GroundPoint g = w.ground.At(x);
    const double yb = (x - length) * tanTheta;
    if (g.y <= yb) break;  // the wedge has ended
    const double h = g.y - yb;
    const double weight = st.backfillWeight * h * dx + g.q * dx;
    vertical += st.onePlusKv * weight;
    horizontal += st.kh * weight;
    pore += st.backfillPoreWeight * h * dx / cosTheta;
    cohesion += w.stripCohesion[j];
    if (st.phreaticGiven != 0) {
      const double term = (w.ground.PhreaticAt(x) - yb) * st.waterWeight * dx / cosTheta;
      if (term > 0.0) water += term;
    }
    if (k == 1) w.interfacePoreForce = 0.5 * st.poreCoefficient * st.backfillWeight * (g.y * g.y);
  }
  return (vertical * w.sinLessPhi[j] +
          (horizontal - w.interfaceWaterForce - w.interfacePoreForce) * w.cosLessPhi[j] +
          (water + pore) * st.sinPhiBackfill - cohesion * st.cosPhiBackfill) /
         w.cosInterwedge[j];
}

// Sure bounds of a wedge's sums over its counted strips, from a few strips
// only. The strips are taken piece by piece of the ground (on a piece the
// height h of a strip is an affine function of its x, up to rounding) and
// in runs of strips within a piece, each run surely counted: a run that may
// hold the end of the wedge is shortened until it does not or is a single
// strip, which the wedge's own test counts or ends the wedge at. Every term
// of a strip is a linear function of h that grows with it, so a run adds up
// to its length times the term at its mean h. The sums themselves are added
// up strip by strip, which rounds each by at most n halves of the last place
// for n strips: that is allowed for too.
struct WedgeBounds {
  double verticalLow = 0.0;
  double horizontalLow = 0.0;
  double poreLow = 0.0;
  double verticalHigh = 0.0;
  double horizontalHigh = 0.0;
  double poreHigh = 0.0;
  double waterLow = 0.0;
  double waterHigh = 0.0;
  double cohesionLow = 0.0;
  double cohesionHigh = 0.0;
  double interfacePore = 0.0;  // exact
  bool valid = true;
};

// The end of the next run to try after the run from strip a to strip e was
// not surely counted, for a strip height ha at a and he at e (h is affine
// along the run up to `margin`): the last strip where the line through the
// two still lies twice the margin above the base, or half the run where the
// line tells nothing better. Always below e and not below a.
int NextRunEnd(int a, int e, double ha, double he, double margin) {
  const int half = a + (e - a) / 2;
  if (!(ha > he)) return half;
  const double reach = (ha - 2 * margin) / (ha - he);  // of the run's length
  if (!(reach < 1.0)) return half;
  if (!(reach > 0.0)) return a;
  const int guess = a + static_cast<int>(std::floor(reach * (e - a)));
  return guess < e ? guess : half;
}

WedgeBounds BoundWedge(const SlidingSetting& st, const DirectSlidingWork& w, double length, int j) {
  constexpr double kRounding = 1e-12;  // thousands of times a double's rounding
  constexpr double kSumRounding = 1e-9;  // far beyond kMaxWedgeStrips halves of the last place
  const double tanTheta = w.tanAngle[j];
  const double cosTheta = w.cosAngle[j];
  const double dx = st.wedgeStrip;
  const bool water = st.phreaticGiven != 0;
  double x0 = length - st.wedgeStart;
  if (x0 < 0.0) x0 = 0.0;
  auto stripX = [&](int k) { return x0 + k * dx; };
  // With a phreatic line, a piece is also within one of its segments.
  auto pieceAt = [&](double x) {
    return water ? 4 * w.ground.PieceAt(x) + w.ground.PhreaticPieceAt(x) : w.ground.PieceAt(x);
  };
  struct Strip {
    double x, y, q, yb, level;
  };
  auto strip = [&](int k) {
    Strip p;
    p.x = stripX(k);
    const GroundPoint g = w.ground.At(p.x);
    p.y = g.y;
    p.q = g.q;
    p.yb = (p.x - length) * tanTheta;
    p.level = water ? w.ground.PhreaticAt(p.x) : 0.0;
    return p;
  };
  struct Terms {
    double vertical, horizontal, pore;
  };
  auto terms = [&](double h, double q) {
    const double weight = st.backfillWeight * h * dx + q * dx;
    return Terms{st.onePlusKv * weight, st.kh * weight, st.backfillPoreWeight * h * dx / cosTheta};
  };
  // The water term of a strip whose level lies u above the wedge's base (a
  // term that is not positive is not added).
  auto waterTerm = [&](double u) { return u > 0.0 ? u * st.waterWeight * dx / cosTheta : 0.0; };

  WedgeBounds b;
  // The interface pore-pressure force is that of the first strip when the
  // wedge has one, and the same test as the wedge's own tells exactly.
  const Strip first = strip(1);
  b.interfacePore = first.y <= first.yb ? 0.0 : 0.5 * st.poreCoefficient * st.backfillWeight * (first.y * first.y);
  int counted = kMaxWedgeStrips;  // the strips before the wedge's end
  int k = 1;
  while (k <= counted) {
    const int piece = pieceAt(stripX(k));
    int last = k;
    int hi = counted;
    while (last < hi) {
      const int mid = last + (hi - last + 1) / 2;
      if (pieceAt(stripX(mid)) == piece) {
        last = mid;
      } else {
        hi = mid - 1;
      }
    }
    // The slope of the ground on this piece and what its formula takes from x.
    const int groundPiece = water ? piece / 4 : piece;
    const double pieceSlope = w.ground.PieceSlope(groundPiece);
    const double pieceOffset = w.ground.PieceOffsetBound(groundPiece);
    for (int a = k; a <= last;) {
      // The run is first the whole rest of the piece, shortened below as
      // far as needed.
      int e = last;
      Strip pa = strip(a);
      Strip pe;
      bool ends = false;
      double ha = 0.0;
      double he = 0.0;
      double margin = 0.0;
      double hLow = 0.0;
      double hHigh = 0.0;
      // The level above the base, as h: affine on the piece up to rounding.
      double uLow = 0.0;
      double uHigh = 0.0;
      double uMean = 0.0;
      double uMargin = 0.0;
      int shortenings = 0;
      for (;;) {
        pe = strip(e);
        ends = !(pe.y > pe.yb);  // the wedge ends at e at the latest
        ha = pa.y - pa.yb;
        he = pe.y - pe.yb;
        margin = 2 * kRounding *
                 (std::fabs(pa.y) + std::fabs(pe.y) + std::fabs(pa.yb) + std::fabs(pe.yb) + st.height +
                  pieceSlope * (std::fabs(pe.x) + pieceOffset) +
                  tanTheta * (std::fabs(pe.x) + std::fabs(length) + st.groundXBound));
        hLow = std::min(ha, he) - margin;
        hHigh = std::max(ha, he) + margin;
        double ua = 0.0;
        double ue = 0.0;
        if (water) {
          ua = pa.level - pa.yb;
          ue = pe.level - pe.yb;
          uMargin = 2 * kRounding *
                    (std::fabs(pa.level) + std::fabs(pe.level) + std::fabs(pa.yb) + std::fabs(pe.yb) +
                     st.phreaticBound +
                     (st.phreaticSlopeBound + tanTheta) * (std::fabs(pe.x) + std::fabs(length) + st.phreaticXBound));
          uLow = std::min(ua, ue) - uMargin;
          uHigh = std::max(ua, ue) + uMargin;
          uMean = (ua + ue) / 2;
        }
        // A run that may hold the end of the wedge, or along which the level
        // may cross the base, is shortened until it surely holds neither or
        // is one strip long, so that the water terms of all but a strip or
        // so are bounded from both sides.
        if (e > a) {
          const bool openEnd = ends || !(hLow > 0.0);
          const bool levelCrosses = water && !(uLow > 0.0) && !(uHigh < 0.0);
          if (openEnd || levelCrosses) {
            // Guesses from the lines through the run's ends; halving after
            // a few, so that a run is shortened in logarithmic time at worst.
            ++shortenings;
            if (shortenings > 4) {
              e = a + (e - a) / 2;
              continue;
            }
            int next = e - 1;
            if (openEnd) next = std::min(next, NextRunEnd(a, e, ha, he, margin));
            if (levelCrosses) {
              next = std::min(next, ua > ue ? NextRunEnd(a, e, ua, ue, uMargin) : NextRunEnd(a, e, -ua, -ue, uMargin));
            }
            e = next;
            continue;
          }
        }
        break;
      }
      if (pa.q != pe.q || !std::isfinite(hLow) || !std::isfinite(hHigh)) {
        b.valid = false;
        return b;
      }
      if (water && (!std::isfinite(uLow) || !std::isfinite(uHigh))) {
        b.valid = false;
        return b;
      }
      // A run of more than one strip ends here surely counted; a single
      // strip is counted by the wedge's own test, or ends the wedge.
      if (ends) {
        counted = e - 1;
        break;
      }
      // Every strip of the run is counted, and each term is a linear
      // function of h that grows with it: the run's terms add up to
      // `strips` times the term at the mean h, which is the mean of the
      // run's two ends.
      const double strips = e - a + 1;
      const double mean = (ha + he) / 2;
      const Terms low = terms(mean - margin, pa.q);
      const Terms high = terms(mean + margin, pa.q);
      b.verticalLow += strips * low.vertical;
      b.horizontalLow += strips * low.horizontal;
      b.poreLow += strips * low.pore;
      b.verticalHigh += strips * high.vertical;
      b.horizontalHigh += strips * high.horizontal;
      b.poreHigh += strips * high.pore;
      if (water) {
        // The same for the water terms where every level of the run is
        // above the base; where every one is below, none is added.
        if (uLow > 0.0) {
          b.waterLow += strips * waterTerm(uMean - uMargin);
          b.waterHigh += strips * waterTerm(uMean + uMargin);
        } else if (!(uHigh < 0.0)) {
          b.waterHigh += strips * waterTerm(uHigh);
        }
      }
      a = e + 1;
    }
    k = last + 1;
  }
  b.verticalLow *= 1 - kSumRounding;
  b.horizontalLow *= 1 - kSumRounding;
  b.poreLow *= 1 - kSumRounding;
  b.waterLow *= 1 - kSumRounding;
  b.verticalHigh *= 1 + kSumRounding;
  b.horizontalHigh *= 1 + kSumRounding;
  b.poreHigh *= 1 + kSumRounding;
  b.waterHigh *= 1 + kSumRounding;
  b.cohesionLow = counted * w.stripCohesion[j] * (1 - kSumRounding);
  b.cohesionHigh = counted * w.stripCohesion[j] * (1 + kSumRounding);
  return b;
}

// Sure bounds of the thrust at angle j, from the bounds of its wedge.
struct ThrustBounds {
  double low = 0.0;
  double high = 0.0;
  double interfacePore = 0.0;  // the wedge's interface pore-pressure force, exact
  bool valid = false;
};

ThrustBounds BoundThrust(const SlidingSetting& st, const DirectSlidingWork& w, double length, double pw, int j) {
  constexpr double kRounding = 1e-12;  // thousands of times a double's rounding
  ThrustBounds t;
  const double cosInter = w.cosInterwedge[j];
  if (!(cosInter > 0.0)) return t;
  const WedgeBounds b = BoundWedge(st, w, length, j);
  if (!b.valid) return t;
  // Each sum times its factor, taken at the end of its range that makes the
  // product smallest (low) or largest (high).
  double low = 0.0;
  double high = 0.0;
  double magnitude = 0.0;
  auto add = [&](double factor, double lo, double hi) {
    const double a = factor * lo;
    const double c = factor * hi;
    low += std::min(a, c);
    high += std::max(a, c);
    magnitude += std::max(std::fabs(a), std::fabs(c));
  };
  const double sinLess = w.sinLessPhi[j];
  const double cosLess = w.cosLessPhi[j];
  add(sinLess, b.verticalLow, b.verticalHigh);
  add(cosLess, b.horizontalLow, b.horizontalHigh);
  add(cosLess, -pw, -pw);
  add(cosLess, -b.interfacePore, -b.interfacePore);
  add(st.sinPhiBackfill, b.poreLow + b.waterLow, b.poreHigh + b.waterHigh);
  add(st.cosPhiBackfill, -b.cohesionHigh, -b.cohesionLow);
  const double margin = 8 * kRounding * magnitude / cosInter;
  t.low = low / cosInter - margin;
  t.high = high / cosInter + margin;
  t.interfacePore = b.interfacePore;
  t.valid = std::isfinite(t.low) && std::isfinite(t.high);
  return t;
}

// True when BoundThrust gives sure bounds: every term of a strip grows with
// its height, and the strips have a width.
bool ThrustBoundsHold(const SlidingSetting& st) {
  return st.sinPhiBackfill >= 0.0 && st.cosPhiBackfill > 0.0 && st.onePlusKv > 0.0 && st.kh >= 0.0 &&
         st.backfillWeight > 0.0 && st.backfillPoreWeight >= 0.0 && st.wedgeStrip > 0.0 &&
         (st.phreaticGiven == 0 || st.waterWeight >= 0.0);
}

// True when the scan surely goes on past angle j: the thrust there surely
// exceeds the previous angle's by more than 1e-5 (`previous` bounds that
// thrust; for the first angle it is the scan's start value exactly).
bool SurelyRises(const ThrustBounds& previous, const ThrustBounds& next) {
  constexpr double kRounding = 1e-12;
  if (!previous.valid || !next.valid) return false;
  const double threshold = previous.high + 1e-5;
  return next.low > threshold + 4 * kRounding * std::fabs(threshold);
}

// True when the trial at this length surely fails because the wedge surely
// pushes nowhere: every angle's thrust is surely negative, so the scan's
// thrust is negative too and the trial takes 1e-5 in its place. The factors
// are then those of the trial itself, but for the interface pore-pressure
// force of the last angle the scan reaches: taking the smallest of any angle
// gives factors no smaller than the trial's (each step of the sum and the
// division by a positive thrust keep the order, rounding included).
bool SurelySlidesWithoutThrust(const SlidingSetting& st, const DirectSlidingWork& w, double length, double pw) {
  // The smallest interface pore-pressure force of any angle, with the same
  // test and expression as the wedge's own: the last angle's is no smaller.
  double x0 = length - st.wedgeStart;
  if (x0 < 0.0) x0 = 0.0;
  const double x = x0 + 1 * st.wedgeStrip;
  const GroundPoint g = w.ground.At(x);
  double pru = 0.0;
  for (int j = 0; j < w.angleCount; ++j) {
    const ThrustBounds t = BoundThrust(st, w, length, pw, j);
    if (!t.valid || !(t.high < 0.0)) return false;
    const double yb = (x - length) * w.tanAngle[j];
    const double force = g.y <= yb ? 0.0 : 0.5 * st.poreCoefficient * st.backfillWeight * (g.y * g.y);
    if (j == 0 || force < pru) pru = force;
  }
  if (!std::isfinite(pru)) return false;
  const BlockLoads block = LoadsOfBlock(st, w, length);
  const double thrust = 1e-5;
  const double totalNormal = block.normal + thrust * st.sinDelta;
  double thrustH = thrust * st.cosDelta;
  if (std::fabs(thrustH) < 1e-5) thrustH = 1e-5;
  if (!(thrustH > 0.0)) return false;
  const double effective = totalNormal - block.water - block.pore;
  const double reinforced =
      (st.coefficientReinforced * block.cohesionR + effective * st.tanReinforced - block.horizontal - pw - pru) /
      thrustH;
  const double foundation =
      (st.coefficientFoundation * block.cohesionF + effective * st.tanFoundation - block.horizontal - pw - pru) /
      thrustH;
  if (!std::isfinite(reinforced) || !std::isfinite(foundation)) return false;
  return reinforced < st.target || foundation < st.target;
}

// True when the trial at this length surely fails: the block slides whatever
// the exact sums are. The scan's thrust is never below the thrust of an angle
// that the scan surely passes (each such angle's thrust surely exceeds the
// previous one's by more than 1e-5), and the factor of safety falls as the
// thrust grows, so a sure lower bound of that thrust bounds the factor from
// above. Used only to pass over failing trials; a trial it cannot decide is
// evaluated in full.
bool SurelySlides(const SlidingSetting& st, const DirectSlidingWork& w, double length) {
  constexpr double kRounding = 1e-12;
  if (w.angleCount < 1) return false;
  if (!(ThrustBoundsHold(st) && st.cosDelta > 0.0 && st.sinDelta >= 0.0 && st.tanReinforced >= 0.0 &&
        st.tanFoundation >= 0.0)) {
    return false;
  }
  const double pw = InterfaceWaterForce(st, w, length);
  ThrustBounds previous = BoundThrust(st, w, length, pw, 0);
  if (!previous.valid) return false;
  double thrustLow = previous.low;
  // The scan ends at the angle the bounds show surely not to rise by more
  // than 1e-5 (the sum of a larger thrust rounds no lower), or at the last
  // angle after every one before surely rose: that angle is the last the
  // scan evaluates, whose interface pore-pressure force Pru is then known.
  bool endKnown = w.angleCount == 1;
  double pruKnown = previous.interfacePore;
  for (int j = 1; j < w.angleCount; ++j) {
    const ThrustBounds next = BoundThrust(st, w, length, pw, j);
    if (!SurelyRises(previous, next)) {
      endKnown = next.valid && previous.valid && next.high <= previous.low + 1e-5;
      pruKnown = next.interfacePore;
      break;
    }
    thrustLow = std::max(thrustLow, next.low);
    previous = next;
    if (j + 1 == w.angleCount) {
      endKnown = true;
      pruKnown = next.interfacePore;
    }
  }
  // Otherwise Pru, the interface pore-pressure force of the last angle, lies
  // between 0 and its value at the first strip; 0 gives the larger factor.
  const GroundPoint first = w.ground.At(std::max(0.0, length - st.wedgeStart) + st.wedgeStrip);
  const double pruHigh = 0.5 * st.poreCoefficient * st.backfillWeight * (first.y * first.y);
  const double pru = endKnown && std::isfinite(pruKnown) ? pruKnown : 0.0;
  if (!(thrustLow * st.cosDelta > 2e-5)) return SurelySlidesWithoutThrust(st, w, length, pw);
  const BlockLoads block = LoadsOfBlock(st, w, length);
  auto bound = [&](double coefficient, double cohesion, double tanBase) {
    const double fixed = coefficient * cohesion + (block.normal - block.water - block.pore) * tanBase -
                         block.horizontal - pw - pru;
    const double fixedMagnitude = std::fabs(coefficient * cohesion) +
                                  (std::fabs(block.normal) + std::fabs(block.water) + std::fabs(block.pore)) *
                                      std::fabs(tanBase) +
                                  std::fabs(block.horizontal) + std::fabs(pw) + pruHigh;
    const double denominator = thrustLow * st.cosDelta;
    const double slope = st.sinDelta * tanBase / st.cosDelta;
    const double value = (fixed > 0.0 ? fixed / denominator : 0.0) + slope;
    return value + 8 * kRounding * (fixedMagnitude / denominator + std::fabs(slope) + std::fabs(value));
  };
  const double reinforced = bound(st.coefficientReinforced, block.cohesionR, st.tanReinforced);
  const double foundation = bound(st.coefficientFoundation, block.cohesionF, st.tanFoundation);
  return reinforced < st.target || foundation < st.target;
}

// Evaluates one trial length: the interface water force, the largest active
// thrust over the angle scan, the loads of the block and the factor of safety.
void EvaluateTrial(const SlidingSetting& st, DirectSlidingWork& w, double length) {
  w.interfaceWaterForce = InterfaceWaterForce(st, w, length);

  // The scan keeps the largest thrust: it stops at the first angle whose thrust
  // exceeds the previous one by no more than 1e-5 (the previous angle is the
  // critical one), or at the last angle above 2 degrees. The interface
  // pore-pressure force is that of the last angle evaluated.
  //
  // An angle at which the thrust surely rises by more than 1e-5 (by the sure
  // bounds of the thrusts) needs no exact thrust: only the angles where the
  // bounds cannot decide, the critical one and the last one are summed strip
  // by strip, in increasing order, so that the last one summed is the one the
  // scan ends at.
  const bool bounded = ThrustBoundsHold(st);
  const double start = -1e15;
  ThrustBounds previousBounds;
  previousBounds.low = start;
  previousBounds.high = start;
  previousBounds.valid = true;
  int exactIndex = -1;  // the angle whose exact thrust is `exact`
  double exact = start;
  double thrust = start;
  for (int j = 0; j < w.angleCount; ++j) {
    const bool last = j + 1 == w.angleCount;
    if (bounded && !last) {
      const ThrustBounds next = BoundThrust(st, w, length, w.interfaceWaterForce, j);
      const bool rises = SurelyRises(previousBounds, next);
      previousBounds = next;
      if (rises) continue;
    }
    const double previous = j == 0 ? start : exactIndex == j - 1 ? exact : WedgeThrust(st, w, length, j - 1);
    const double p = WedgeThrust(st, w, length, j);
    exactIndex = j;
    exact = p;
    if (p <= previous + 1e-5) {
      thrust = previous;
      w.criticalAngle = w.angle[j] + st.degree;
      break;
    }
    if (last) {
      thrust = p;
      w.criticalAngle = w.angle[j];
    }
  }
  if (thrust < 0.0) thrust = 1e-5;
  w.activeThrust = thrust;

  const BlockLoads block = LoadsOfBlock(st, w, length);
  const double normal = block.normal;
  const double horizontal = block.horizontal;
  const double water = block.water;
  const double pore = block.pore;
  const double cohesionR = block.cohesionR;
  const double cohesionF = block.cohesionF;
  w.normalLoad = normal;
  w.horizontalLoad = horizontal;
  w.baseWaterForce = water;
  w.basePoreForce = pore;
  w.reinforcedCohesionForce = cohesionR;
  w.foundationCohesionForce = cohesionF;

  const double totalNormal = normal + thrust * st.sinDelta;
  double thrustH = thrust * st.cosDelta;
  if (std::fabs(thrustH) < 1e-5) thrustH = 1e-5;
  const double effective = totalNormal - water - pore;
  w.factorReinforced = (st.coefficientReinforced * cohesionR + effective * st.tanReinforced -
                        horizontal - w.interfaceWaterForce - w.interfacePoreForce) /
                       thrustH;
  w.factorFoundation = (st.coefficientFoundation * cohesionF + effective * st.tanFoundation -
                        horizontal - w.interfaceWaterForce - w.interfacePoreForce) /
                       thrustH;
  w.factor = w.factorFoundation < w.factorReinforced ? w.factorFoundation : w.factorReinforced;
}

}  // namespace

void AnalyzeDirectSliding(AnalysisState& s) {
  DirectSlidingWork& w = s.directSlidingWork;
  w = DirectSlidingWork{};
  w.ground = GroundProfile(s, GroundProfile::Face::kByTangent);

  SlidingSetting st;
  const double height = s.slopeHeight;
  st.height = height;
  st.degree = s.degreeToRadian;
  st.wedgeStrip = height / 50.0;
  st.wedgeStart = height / 100.0;
  st.backfillWeight = s.backfillUnitWeight;
  st.poreCoefficient = s.poreWaterCoefficient;
  st.backfillPoreWeight = s.poreWaterCoefficient * s.backfillUnitWeight;
  st.reinforcedWeight = s.reinforcedUnitWeight;
  st.reinforcedPoreWeight = s.poreWaterCoefficient * s.reinforcedUnitWeight;
  st.waterWeight = s.waterUnitWeight;
  st.phreaticGiven = s.phreaticSurfaceGiven;
  st.onePlusKv = 1.0 + s.seismicKv;
  st.kh = s.appliedSeismicKh;
  if (s.seismicOnReinforcedMass == 1) {
    st.blockOnePlusKv = 1.0 + s.seismicKv;
    st.blockKh = s.appliedSeismicKh;
  }
  st.sinPhiBackfill = std::sin(s.backfillDesignPhi);
  st.cosPhiBackfill = std::cos(s.backfillDesignPhi);
  st.sinDelta = std::sin(s.interwedgeAngleRad);
  st.cosDelta = std::cos(s.interwedgeAngleRad);
  st.reinforcedCohesion = s.reinforcedDesignCohesion;
  st.foundationCohesion = s.foundationDesignCohesion;
  st.coefficientReinforced = s.effectiveSlidingCoefficientReinforced;
  // A lowest layer above the base leaves soil on soil along the foundation:
  // the sliding coefficient there is 1. Only the elevation of layer 1 decides
  // (in an optimised layout it is the bottom-layer height).
  if (s.layerElevation[1] > 1e-5) s.effectiveSlidingCoefficientFoundation = 1.0;
  st.coefficientFoundation = s.effectiveSlidingCoefficientFoundation;
  st.tanReinforced =
      std::tan(std::atan(st.coefficientReinforced * std::tan(s.reinforcedDesignPhi)));
  st.tanFoundation =
      std::tan(std::atan(st.coefficientFoundation * std::tan(s.foundationDesignPhi)));
  st.target = s.currentFsDirectSliding;
  st.groundXBound = std::fabs(height * s.cotSlopeAngle) + std::fabs(s.crestLengthA) + std::fabs(s.crestLengthB);
  for (int k = 0; k < 4; ++k) st.phreaticBound = std::max(st.phreaticBound, std::fabs(s.phreaticPointY[k]));
  st.phreaticSlopeBound = w.ground.PhreaticSlopeBound();
  st.phreaticXBound = w.ground.PhreaticXBound();
  PrepareWedgeAngles(s, w, st.wedgeStrip);

  // First trial: a tenth of the pullout length of the lowest layer, at least a
  // tenth of the height, and at least the distance to the crest edge (the
  // face start, from which the length is first shortened).
  const double crestX = height * s.cotSlopeAngle;
  double length = (s.lengthToSlipSurface[1] + s.embeddedLength[1]) / 10.0;
  if (std::fabs(length) < height / 10.0) length = height / 10.0;
  if (std::fabs(length) < crestX) {
    length = crestX;
    w.faceStart = 1;
  }
  if (!std::isfinite(length)) {
    // A face without inclination puts the crest edge at infinity: there is no
    // slope to retain, so no block slides and no length is needed. (Marching
    // wedges from an infinite length would only run every strip limit out.)
    s.directSlidingLength = 1e-5;
    for (int k = 0; k < 3; ++k) {
      s.directSlidingWedgeX[k] = 1e-5;
      s.directSlidingWedgeY[k] = 1e-5;
    }
    return;
  }
  w.step = 0.10000000149011612 * height;

  // A failing trial steps forward by the current step; a passing one halves the
  // step and steps back, so the search closes on the shortest passing length
  // from above and ends at the eleventh pass with that length plus half the
  // last step. From the crest edge, passing trials first step back by the full
  // step. Every trial counts against the trial limit.
  double result = 0.0;
  double resultAngle = 0.0;
  for (;;) {
    w.trialLength = length;
    ++w.trialCount;
    // A trial that surely fails needs no evaluation: only its failing counts.
    // The last trial the limit allows is evaluated in any case, so that the
    // working values are those of the last trial.
    const bool slides = w.trialCount < kMaxDirectSlidingTrials && SurelySlides(st, w, length);
    if (!slides) EvaluateTrial(st, w, length);
    const bool passes = !slides && !(w.factor < st.target);
    if (passes && (w.anyPassed == 0 || length < w.shortestPassingLength)) {
      w.anyPassed = 1;
      w.shortestPassingLength = length;
      w.shortestPassingAngle = w.criticalAngle;
    }
    double next = length;
    if (!passes) {
      next = length + w.step;
      w.faceStart = 0;
    } else if (w.faceStart != 0) {
      next = length - w.step;
      if (!(next > 0.0)) {
        // Every length from the crest edge down passed: the answer is the
        // shortest length tried, which passed.
        w.exit = DirectSlidingExit::kShortenedToZero;
        result = length;
        resultAngle = w.criticalAngle;
        break;
      }
    } else {
      ++w.passCount;
      if (w.passCount > 10) {
        w.exit = DirectSlidingExit::kConverged;
        result = length + w.step / 2.0;
        resultAngle = w.criticalAngle;
        break;
      }
      w.step = w.step / 2.0;
      next = length - w.step;
      if (next <= 0.0) next = std::fabs(w.step / 100.0);
    }
    if (w.trialCount >= kMaxDirectSlidingTrials) {
      // Out of trials: the shortest length that passed, or, when the block slid
      // at every length tried, the longest of them.
      w.exit = DirectSlidingExit::kTrialLimit;
      result = w.anyPassed != 0 ? w.shortestPassingLength : length;
      resultAngle = w.anyPassed != 0 ? w.shortestPassingAngle : w.criticalAngle;
      break;
    }
    length = next;
  }

  // Top of the back line of the active wedge: march along it from the heel in
  // steps of H / 50 to the first point above the ground, and take the middle
  // of that step.
  const double tanBack = std::tan(resultAngle);
  double xPrev = result;
  double yPrev = 0.0;
  double xTop = result;
  double yTop = 0.0;
  bool found = false;
  for (int k = 1; k <= kMaxWedgeStrips; ++k) {
    const double x = result + k * height / 50.0;
    const double y = (x - result) * tanBack;
    if (w.ground.At(x).y < y) {
      xTop = (xPrev + x) / 2.0;
      yTop = (yPrev + y) / 2.0;
      found = true;
      break;
    }
    xPrev = x;
    yPrev = y;
  }
  if (!found) {
    xTop = xPrev;
    yTop = yPrev;
  }

  s.directSlidingLength = result;
  s.directSlidingWedgeX[0] = 0.0;
  s.directSlidingWedgeX[1] = result;
  s.directSlidingWedgeX[2] = xTop;
  s.directSlidingWedgeY[0] = 0.0;
  s.directSlidingWedgeY[1] = 0.0;
  s.directSlidingWedgeY[2] = yTop;
}

}  // namespace tervane::analysis
