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

}  // namespace tervane::analysis
