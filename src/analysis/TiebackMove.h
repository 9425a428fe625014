#pragma once
// The move of one iteration of the tieback pattern search, from the values of
// the centre spiral and its four neighbours.

#include <cmath>

namespace tervane::analysis {

enum class TiebackMove {
  kNone,        // no neighbour is as good: the step is halved
  kRaiseExit,   // to (a + s, b)
  kLowerExit,   // to (a - s, b)
  kRaiseEntry,  // to (a, b + s)
  kLowerEntry,  // to (a, b - s)
};

// t0 is the centre (a, b), t1 (a, b + s), t2 (a - s, b), t3 (a + s, b) and
// t4 (a, b - s). The move goes to the first neighbour in the order t3, t2,
// t1, t4 whose value lies within 1e-7 of the largest of the five, even when
// the centre is as good.
inline TiebackMove ChooseTiebackMove(double t0, double t1, double t2, double t3, double t4) {
  double best = t0;
  if (t1 > best) best = t1;
  if (t2 > best) best = t2;
  if (t3 > best) best = t3;
  if (t4 > best) best = t4;
  auto near = [best](double t) { return std::fabs(t - best) <= 1e-7; };
  if (near(t3)) return TiebackMove::kRaiseExit;
  if (near(t2)) return TiebackMove::kLowerExit;
  if (near(t1)) return TiebackMove::kRaiseEntry;
  if (near(t4)) return TiebackMove::kLowerEntry;
  return TiebackMove::kNone;
}

// The move ChooseTiebackMove makes for any five values within the bounds
// low..high given for each (in the order t0..t4), where every such five
// values make the same move: then true with that move, else false. A bound
// that is exact gives the value itself.
inline bool SureTiebackMove(const double (&low)[5], const double (&high)[5], TiebackMove& move) {
  // The largest of the five lies between the largest lower and the largest
  // upper bound.
  double bestLow = low[0];
  double bestHigh = high[0];
  for (int i = 1; i < 5; ++i) {
    if (low[i] > bestLow) bestLow = low[i];
    if (high[i] > bestHigh) bestHigh = high[i];
  }
  if (!std::isfinite(bestLow) || !std::isfinite(bestHigh)) return false;
  // Room for the rounding of the differences, far beyond a last place.
  const double slack = 1e-15 * (std::fabs(bestLow) + std::fabs(bestHigh) + 1.0);
  const int order[4] = {3, 2, 1, 4};
  const TiebackMove moves[5] = {TiebackMove::kNone, TiebackMove::kRaiseEntry, TiebackMove::kLowerExit,
                                TiebackMove::kRaiseExit, TiebackMove::kLowerEntry};
  for (const int i : order) {
    if (!(low[i] <= high[i])) return false;
    if (low[i] >= bestHigh - 1e-7 + slack) {
      move = moves[i];  // surely within 1e-7 of the largest
      return true;
    }
    if (!(high[i] < bestLow - 1e-7 - slack)) return false;  // it may be or not
  }
  move = TiebackMove::kNone;
  return true;
}

}  // namespace tervane::analysis
