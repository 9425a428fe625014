// The three pictures of the notice before the export for Ombix: the available
// long-term strength along one reinforcement layer in both programs, and the
// sibling program's toolbar with the two import steps. Our own drawings, in
// whole pixels.

#include <array>

#include "resources/ExportDialogIds.h"
#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"

// Like every picture file, this one uses only the device context's virtual
// operations and inline helpers, never a function defined in the framework
// library.

namespace tervane::res {

namespace {

using fw::DeviceContext;
using fw::Point;
using picture::Fill;
using picture::Line;
using picture::MakeFont;
using picture::SavedState;

constexpr fw::ColorRef kCurveBlue = fw::RGB(0, 0, 160);
constexpr fw::ColorRef kStepRed = fw::RGB(192, 0, 0);
constexpr fw::ColorRef kToolbarGrey = fw::RGB(212, 208, 200);
constexpr fw::ColorRef kShadowGrey = picture::kShadow;

// A point of the strength line: a filled dot with its number above it.
void Marker(DeviceContext& dc, int x, int y, const char* number, int labelDx = -3) {
  dc.SelectPen(fw::Pen::Solid(1, kCurveBlue));
  dc.SelectBrush(fw::Brush::Solid(kCurveBlue));
  dc.Ellipse(x - 3, y - 3, x + 4, y + 4);
  dc.TextOut(x + labelDx, y - 6, number);
}

// A length along the layer, below it: a line with end ticks and its name.
void Dimension(DeviceContext& dc, int x1, int x2, int y, const char* name) {
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  Line(dc, x1, y, x2, y);
  Line(dc, x1, y - 3, x1, y + 4);
  Line(dc, x2, y - 3, x2, y + 4);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Center, fw::VAlign::Baseline});
  dc.TextOut((x1 + x2) / 2, y + 13, name);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Baseline});
}

// One diagram: title, the layer from its front end (at the face) to its rear
// end, and the strength axis.
void Axes(DeviceContext& dc, int top, const char* title, int front, int rear, int base) {
  dc.SelectFont(MakeFont("Arial Bold", 12));
  dc.TextOut(6, top + 12, title);
  dc.SelectFont(MakeFont("Arial", 11));
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  Line(dc, front, base, rear + 6, base);  // the layer
  Line(dc, front, base, front, top + 16);  // strength
}

// Picture 266: "In Tervane" the strength is T-ltds from the front end to point
// 2, at Le from the rear end, and falls to zero at the rear end (point 3). "In
// Ombix" it rises from the connection strength Tfe at the front end to T-ltds
// at Lef, stays there to Le from the rear end and falls to zero at the rear end.
void DrawStrengthAlongLayer(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, fw::kWhite);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Baseline});

  const int front = 44;
  const int rear = width - 24;
  const int plateauEnd = rear - 62;

  // In Tervane.
  {
    const int top = 2;
    const int base = top + 58;
    const int plateau = top + 30;
    Axes(dc, top, "In Tervane", front, rear, base);
    dc.TextOut(4, plateau + 4, "Tltds");
    dc.SelectPen(fw::Pen::Solid(2, kCurveBlue));
    const std::array<Point, 3> line = {Point{front, plateau}, Point{plateauEnd, plateau}, Point{rear, base}};
    dc.Polyline(line);
    Marker(dc, front, plateau, "1", 4);
    Marker(dc, plateauEnd, plateau, "2");
    Marker(dc, rear, base, "3", 5);
    Dimension(dc, plateauEnd, rear, base + 7, "Le");
  }

  // In Ombix.
  {
    const int top = 84;
    const int base = top + 58;
    const int plateau = top + 30;
    const int connection = top + 48;
    const int lef = front + 50;
    Axes(dc, top, "In Ombix", front, rear, base);
    dc.TextOut(4, plateau + 4, "Tltds");
    dc.TextOut(14, connection + 4, "Tfe");
    dc.SelectPen(fw::Pen::Solid(2, kCurveBlue));
    const std::array<Point, 4> line = {Point{front, connection}, Point{lef, plateau}, Point{plateauEnd, plateau},
                                       Point{rear, base}};
    dc.Polyline(line);
    Marker(dc, front, connection, "1", 5);
    Marker(dc, lef, plateau, "2");
    Marker(dc, plateauEnd, plateau, "3");
    Marker(dc, rear, base, "4", 5);
    Dimension(dc, front, lef, base + 7, "Lef");
    Dimension(dc, plateauEnd, rear, base + 7, "Le");
  }
}

// One toolbar button face at (x, y), 22 x 22 pixels: 0 new file, 1 open,
// 2 save, 3 import, 4 export, 5 print.
void ToolbarButton(DeviceContext& dc, int x, int y, int kind) {
  dc.SelectPen(fw::Pen::Solid(1, fw::kWhite));
  Line(dc, x, y + 21, x, y);
  dc.LineTo(x + 21, y);
  dc.SelectPen(fw::Pen::Solid(1, kShadowGrey));
  Line(dc, x + 21, y, x + 21, y + 21);
  dc.LineTo(x, y + 21);

  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  switch (kind) {
    case 0:
    case 3:
    case 4: {
      // A sheet with a folded corner.
      dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
      const std::array<Point, 5> sheet = {Point{x + 5, y + 3}, Point{x + 13, y + 3}, Point{x + 17, y + 7},
                                          Point{x + 17, y + 19}, Point{x + 5, y + 19}};
      dc.Polygon(sheet);
      Line(dc, x + 13, y + 3, x + 13, y + 7);
      dc.LineTo(x + 17, y + 7);
      if (kind != 0) {
        // An arrow into the sheet (import) or out of it (export).
        dc.SelectPen(fw::Pen::Solid(2, fw::RGB(0, 128, 0)));
        if (kind == 3) {
          Line(dc, x + 1, y + 12, x + 10, y + 12);
          Line(dc, x + 7, y + 9, x + 10, y + 12);
          Line(dc, x + 7, y + 15, x + 10, y + 12);
        } else {
          Line(dc, x + 10, y + 12, x + 20, y + 12);
          Line(dc, x + 17, y + 9, x + 20, y + 12);
          Line(dc, x + 17, y + 15, x + 20, y + 12);
        }
      }
      break;
    }
    case 1: {
      // An open folder.
      dc.SelectBrush(fw::Brush::Solid(fw::RGB(255, 221, 85)));
      const std::array<Point, 6> folder = {Point{x + 3, y + 6},  Point{x + 8, y + 6},  Point{x + 10, y + 8},
                                           Point{x + 18, y + 8}, Point{x + 18, y + 18}, Point{x + 3, y + 18}};
      dc.Polygon(folder);
      break;
    }
    case 2: {
      // A diskette.
      dc.SelectBrush(fw::Brush::Solid(fw::RGB(40, 80, 176)));
      dc.Rectangle(x + 4, y + 4, x + 19, y + 19);
      dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
      dc.Rectangle(x + 7, y + 4, x + 16, y + 10);
      break;
    }
    default: {
      // A printer.
      dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
      dc.Rectangle(x + 7, y + 3, x + 15, y + 9);
      dc.SelectBrush(fw::Brush::Solid(kShadowGrey));
      dc.Rectangle(x + 3, y + 9, x + 19, y + 17);
      break;
    }
  }
}

// The sibling program's toolbar with an arrow labelled "Step N" pointing down
// at one of its buttons.
void DrawToolbarStep(DeviceContext& dc, int width, int height, int button, const char* label) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, fw::kWhite);
  dc.SetBkMode(fw::BkMode::Transparent);

  const int barTop = height - 27;
  const int buttons = 6;
  dc.SelectPen(fw::Pen::Solid(1, kShadowGrey));
  dc.SelectBrush(fw::Brush::Solid(kToolbarGrey));
  dc.Rectangle(0, barTop, 4 + buttons * 24, height);
  for (int i = 0; i < buttons; ++i) ToolbarButton(dc, 3 + i * 24, barTop + 2, i);

  // The arrow: from beside the label down to the top of the button.
  const int target = 3 + button * 24 + 11;
  const int labelX = target + 34;
  dc.SelectFont(MakeFont("Arial Bold", 12));
  dc.SetTextColor(kStepRed);
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Baseline});
  dc.TextOut(labelX, 13, label);
  dc.SelectPen(fw::Pen::Solid(2, kStepRed));
  Line(dc, labelX - 4, 8, target + 2, barTop - 3);
  dc.SelectBrush(fw::Brush::Solid(kStepRed));
  dc.SelectPen(fw::Pen::Solid(1, kStepRed));
  const std::array<Point, 3> head = {Point{target, barTop + 1}, Point{target - 3, barTop - 8},
                                     Point{target + 6, barTop - 5}};
  dc.Polygon(head);
}

void DrawStep1(DeviceContext& dc, int width, int height) { DrawToolbarStep(dc, width, height, 0, "Step 1"); }
void DrawStep2(DeviceContext& dc, int width, int height) { DrawToolbarStep(dc, width, height, 3, "Step 2"); }

const PictureRegistration registration({
    Picture{kPictureOmbixStrength, "OMBIX_STRENGTH_ALONG_LAYER", 270, 167, fw::kWhite, &DrawStrengthAlongLayer},
    Picture{kPictureOmbixStep2, "OMBIX_IMPORT_STEP2", 225, 50, fw::kWhite, &DrawStep2},
    Picture{kPictureOmbixStep1, "OMBIX_IMPORT_STEP1", 225, 50, fw::kWhite, &DrawStep1},
});

}  // namespace

}  // namespace tervane::res
