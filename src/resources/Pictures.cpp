#include "resources/Pictures.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "resources/PictureHelpers.h"

// This library sits below the framework: it uses only the device context's
// virtual operations and inline helpers, never a function defined in the
// framework library.

namespace tervane::res {

namespace {

using fw::DeviceContext;
using fw::Font;
using picture::Fill;
using picture::MakeFont;
using picture::SavedState;

// A piece of a formula line: a text in one font, raised or lowered from the
// line's baseline (positive: lower).
struct Run {
  std::string text;
  Font font;
  int drop = 0;
};

template <std::size_t N>
int RunsWidth(DeviceContext& dc, const std::array<Run, N>& runs) {
  int width = 0;
  for (const Run& run : runs) {
    dc.SelectFont(run.font);
    width += dc.GetTextExtent(run.text).cx;
  }
  return width;
}

// Draws the runs on the baseline y from x on (the text align is left/baseline).
template <std::size_t N>
void DrawRuns(DeviceContext& dc, const std::array<Run, N>& runs, int x, int y) {
  for (const Run& run : runs) {
    dc.SelectFont(run.font);
    dc.TextOut(x, y + run.drop, run.text);
    x += dc.GetTextExtent(run.text).cx;
  }
}

// tan(δ) <= tan(φ reinforced) / Fs  or  tan(φ retained) / Fs, the two
// fractions side by side, on the red of the conflict message.
void DrawInterwedgeRule(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  const fw::ColorRef background = fw::RGB(255, 80, 80);
  Fill(dc, 0, 0, width, height, background);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Baseline});
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));

  // The largest letters for which the formula fits, with a few pixels to
  // spare; the subscripts stay large enough to read.
  for (int size = 17;; --size) {
    const int sub = std::max(10, size * 2 / 3);
    const int subDrop = size * 3 / 10;
    const int gap = size / 3;
    const Font text = MakeFont("Times New Roman", size);
    const Font greek = MakeFont("Symbol", size);
    const Font italic = MakeFont("Times New Roman", size, false, true);
    const Font small = MakeFont("Arial", sub);
    const Font relation = MakeFont("Times New Roman", size + 3);
    const std::array<Run, 4> left = {Run{"tan(", text}, Run{"d", greek}, Run{")", text}, Run{"≤", relation}};
    const std::array<Run, 4> first = {Run{"tan(", text}, Run{"f", greek}, Run{"reinforced", small, subDrop},
                                      Run{")", text}};
    const std::array<Run, 4> second = {Run{"tan(", text}, Run{"f", greek}, Run{"retained", small, subDrop},
                                       Run{")", text}};
    const std::array<Run, 2> below = {Run{"F", italic}, Run{"s", small, subDrop}};
    const std::array<Run, 1> word = {Run{"or", text}};
    const std::array<Run, 3> tan = {Run{"tan(", text}, Run{"d", greek}, Run{")", text}};

    const int leftWidth = RunsWidth(dc, left) + 3 * gap;  // tan(δ) ≤ with blanks around ≤
    const int firstWidth = RunsWidth(dc, first);
    const int secondWidth = RunsWidth(dc, second);
    const int belowWidth = RunsWidth(dc, below);
    const int wordWidth = RunsWidth(dc, word) + 2 * gap;
    const int total = leftWidth + firstWidth + wordWidth + secondWidth;
    if (total > width - 6 && size > 8) continue;

    // The fraction bars lie on the middle of the picture; the lone texts sit
    // on a baseline a third of a letter below, so they centre on the bars.
    const int bar = height / 2;
    const int lineBaseline = bar + size * 3 / 10;
    const int numeratorBaseline = bar - size * 4 / 10 - subDrop / 2;
    const int denominatorBaseline = bar + size + 1;

    int x = (width - total) / 2;
    DrawRuns(dc, tan, x, lineBaseline);
    DrawRuns(dc, std::array<Run, 1>{Run{"≤", relation}}, x + RunsWidth(dc, tan) + gap * 3 / 2, lineBaseline);
    x += leftWidth;
    DrawRuns(dc, first, x, numeratorBaseline);
    dc.MoveTo(x, bar);
    dc.LineTo(x + firstWidth, bar);
    DrawRuns(dc, below, x + (firstWidth - belowWidth) / 2, denominatorBaseline);
    x += firstWidth;
    DrawRuns(dc, word, x + gap, lineBaseline);
    x += wordWidth;
    DrawRuns(dc, second, x, numeratorBaseline);
    dc.MoveTo(x, bar);
    dc.LineTo(x + secondWidth, bar);
    DrawRuns(dc, below, x + (secondWidth - belowWidth) / 2, denominatorBaseline);
    break;
  }
}

const PictureRegistration registration({
    Picture{kPictureInterwedgeRule, "INTERWEDGE_RULE", 238, 69, fw::RGB(255, 80, 80), &DrawInterwedgeRule},
});

}  // namespace

static std::vector<Picture>& PictureRegistry() {
  static std::vector<Picture> registry;
  return registry;
}

static std::vector<int>& RefusedPictures() {
  static std::vector<int> refused;
  return refused;
}

PictureRegistration::PictureRegistration(std::initializer_list<Picture> pictures) {
  for (const Picture& picture : pictures) {
    // A number or name that is already taken keeps its first picture.
    if (FindPicture(picture.id) != nullptr || FindPicture(picture.name) != nullptr) {
      RefusedPictures().push_back(picture.id);
      continue;
    }
    PictureRegistry().push_back(picture);
  }
}

const Picture* FindPicture(int id) {
  for (const Picture& picture : PictureRegistry()) {
    if (picture.id == id) return &picture;
  }
  return nullptr;
}

const Picture* FindPicture(std::string_view name) {
  for (const Picture& picture : PictureRegistry()) {
    if (picture.name == name) return &picture;
  }
  return nullptr;
}

std::span<const Picture> AllPictures() { return PictureRegistry(); }

std::span<const int> RefusedPictureRegistrations() { return RefusedPictures(); }

}  // namespace tervane::res
