// Pictures of the application shell, drawn in code: the toolbar faces, the
// splash picture, the maker's logo, the program's title and the main menu's
// title. Like every picture they use only the device context's own
// operations.

#include <array>
#include <string>

#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"
#include "resources/ShellResources.h"

namespace tervane::res {

namespace {

using fw::Brush;
using fw::ColorRef;
using fw::DeviceContext;
using fw::Font;
using fw::Pen;
using fw::Point;
using fw::RGB;
using picture::Fill;
using picture::MakeFont;
using picture::SavedState;

// A line in a one-pixel pen of that colour.
void Line(DeviceContext& dc, int x1, int y1, int x2, int y2, ColorRef color) {
  dc.SelectPen(Pen::Solid(0, color));
  picture::Line(dc, x1, y1, x2, y2);
}

// A one-pixel outline of the box (right and bottom included).
void Box(DeviceContext& dc, int left, int top, int right, int bottom, ColorRef color) {
  dc.SelectPen(Pen::Solid(0, color));
  dc.SelectBrush(Brush::Hollow());
  dc.Rectangle(left, top, right + 1, bottom + 1);
}

// Text centred on x with its top at y.
void TopCentredText(DeviceContext& dc, int x, int y, const std::string& text) {
  const fw::Size size = dc.GetTextExtent(text);
  dc.TextOut(x - size.cx / 2, y, text);
}

// ---- toolbar faces (16 x 15 each) ---------------------------------------------

constexpr ColorRef kFace = RGB(239, 239, 239);
constexpr ColorRef kInk = RGB(0, 0, 0);
constexpr ColorRef kPaper = RGB(255, 255, 255);
constexpr ColorRef kShade = RGB(128, 128, 128);
constexpr ColorRef kNavy = RGB(0, 0, 128);
constexpr ColorRef kFolder = RGB(230, 190, 60);
constexpr ColorRef kRed = RGB(200, 0, 0);

void Page(DeviceContext& dc, int x) {
  // A sheet with a folded corner.
  Fill(dc, x + 3, 1, x + 11, 14, kPaper);
  Fill(dc, x + 11, 4, x + 13, 14, kPaper);
  Line(dc, x + 3, 1, x + 10, 1, kInk);
  Line(dc, x + 10, 1, x + 13, 4, kInk);
  Line(dc, x + 13, 4, x + 13, 14, kInk);
  Line(dc, x + 13, 14, x + 3, 14, kInk);
  Line(dc, x + 3, 14, x + 3, 1, kInk);
  Line(dc, x + 10, 1, x + 10, 4, kInk);
  Line(dc, x + 10, 4, x + 13, 4, kInk);
}

void FaceNew(DeviceContext& dc, int x) { Page(dc, x); }

void FaceOpen(DeviceContext& dc, int x) {
  const std::array<Point, 4> back = {Point{x + 1, 3}, Point{x + 6, 3}, Point{x + 7, 5}, Point{x + 13, 5}};
  dc.SelectPen(Pen::Solid(0, kInk));
  dc.SelectBrush(Brush::Solid(kFolder));
  dc.Rectangle(x + 1, 4, x + 14, 14);
  dc.Polyline(back);
  const std::array<Point, 4> front = {Point{x + 3, 8}, Point{x + 15, 8}, Point{x + 13, 13}, Point{x + 1, 13}};
  dc.SelectBrush(Brush::Solid(RGB(250, 220, 110)));
  dc.Polygon(front);
}

void FaceClose(DeviceContext& dc, int x) {
  Page(dc, x);
  dc.SelectPen(Pen::Solid(2, kRed));
  dc.MoveTo(x + 5, 6);
  dc.LineTo(x + 11, 12);
  dc.MoveTo(x + 11, 6);
  dc.LineTo(x + 5, 12);
}

void FaceSave(DeviceContext& dc, int x) {
  Fill(dc, x + 1, 1, x + 15, 15, kNavy);
  Fill(dc, x + 4, 2, x + 12, 7, kPaper);     // label
  Fill(dc, x + 5, 10, x + 11, 15, RGB(192, 192, 192));  // shutter
  Fill(dc, x + 9, 11, x + 10, 14, kNavy);
}

void FacePrint(DeviceContext& dc, int x) {
  Fill(dc, x + 4, 1, x + 12, 6, kPaper);
  Box(dc, x + 4, 1, x + 11, 6, kInk);
  dc.SelectPen(Pen::Solid(0, kInk));
  dc.SelectBrush(Brush::Solid(RGB(192, 192, 192)));
  dc.Rectangle(x + 1, 6, x + 16, 12);
  Fill(dc, x + 4, 11, x + 12, 15, kPaper);
  Box(dc, x + 4, 11, x + 11, 14, kInk);
  Fill(dc, x + 12, 8, x + 14, 9, RGB(0, 160, 0));
}

void FacePreview(DeviceContext& dc, int x) {
  Page(dc, x - 2);
  dc.SelectPen(Pen::Solid(0, kInk));
  dc.SelectBrush(Brush::Solid(RGB(200, 230, 255)));
  dc.Ellipse(x + 6, 5, x + 13, 12);
  dc.SelectPen(Pen::Solid(2, kInk));
  dc.MoveTo(x + 12, 11);
  dc.LineTo(x + 14, 13);
}

void FaceAbout(DeviceContext& dc, int x) {
  dc.SelectPen(Pen::Solid(0, kNavy));
  dc.SelectBrush(Brush::Solid(RGB(40, 90, 200)));
  dc.Ellipse(x + 1, 0, x + 16, 15);
  dc.SetTextColor(kPaper);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Times New Roman Bold", 11));
  TopCentredText(dc, x + 8, 1, "i");
}

void FaceContextHelp(DeviceContext& dc, int x) {
  // An arrow and a question mark.
  const std::array<Point, 7> arrow = {Point{x + 1, 1},  Point{x + 1, 12}, Point{x + 4, 9}, Point{x + 6, 13},
                                      Point{x + 8, 12}, Point{x + 6, 8},  Point{x + 9, 8}};
  dc.SelectPen(Pen::Solid(0, kInk));
  dc.SelectBrush(Brush::Solid(kPaper));
  dc.Polygon(arrow);
  dc.SetTextColor(kNavy);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Arial Bold", 11));
  dc.TextOut(x + 9, 1, "?");
}

void FaceCalculator(DeviceContext& dc, int x) {
  dc.SelectPen(Pen::Solid(0, kInk));
  dc.SelectBrush(Brush::Solid(RGB(90, 90, 90)));
  dc.Rectangle(x + 3, 0, x + 14, 15);
  Fill(dc, x + 5, 2, x + 12, 5, RGB(180, 220, 180));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      Fill(dc, x + 5 + col * 2 + col / 2, 7 + row * 2, x + 6 + col * 2 + col / 2, 8 + row * 2, kPaper);
}

void FaceExit(DeviceContext& dc, int x) {
  // A door with an arrow leaving it.
  Fill(dc, x + 2, 1, x + 9, 15, RGB(150, 90, 40));
  Box(dc, x + 2, 1, x + 8, 14, kInk);
  Fill(dc, x + 6, 8, x + 8, 9, kFolder);
  dc.SelectPen(Pen::Solid(0, kRed));
  dc.MoveTo(x + 8, 7);
  dc.LineTo(x + 15, 7);
  const std::array<Point, 3> head = {Point{x + 12, 4}, Point{x + 15, 7}, Point{x + 12, 10}};
  dc.Polyline(head);
}

void DrawToolbar(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kFace);
  using Face = void (*)(DeviceContext&, int);
  const std::array<Face, 10> faces = {FaceNew,   FaceOpen,  FaceClose,       FaceSave,       FacePrint,
                                      FacePreview, FaceAbout, FaceContextHelp, FaceCalculator, FaceExit};
  for (std::size_t i = 0; i < faces.size(); ++i) faces[i](dc, static_cast<int>(i) * 16);
}

// ---- the maker's logo (75 x 75) ------------------------------------------------

constexpr ColorRef kLogoBlue = RGB(20, 60, 120);
constexpr ColorRef kLogoEarth = RGB(190, 150, 90);
constexpr ColorRef kLogoGrid = RGB(255, 210, 0);

void DrawLogo(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kLogoBlue);
  // A reinforced slope: the earth body with its steep face and three layers.
  const std::array<Point, 5> body = {Point{6, 66}, Point{30, 16}, Point{69, 16}, Point{69, 66}, Point{6, 66}};
  dc.SelectPen(Pen::Solid(0, kLogoEarth));
  dc.SelectBrush(Brush::Solid(kLogoEarth));
  dc.Polygon(body);
  dc.SelectPen(Pen::Solid(3, kLogoGrid));
  for (int i = 0; i < 4; ++i) {
    const int y = 58 - i * 12;
    const int face = 6 + (66 - y) * 24 / 50;
    dc.MoveTo(face + 2, y);
    dc.LineTo(face + 34, y);
  }
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(RGB(255, 255, 255));
  dc.SelectFont(MakeFont("Arial Bold", 10));
  TopCentredText(dc, width / 2, 2, "MIRELO");
  dc.SelectPen(Pen::Solid(0, RGB(255, 255, 255)));
  dc.SelectBrush(Brush::Hollow());
  dc.Rectangle(1, 1, width - 1, height - 1);
}

// ---- the program's title (472 x 67) --------------------------------------------

constexpr ColorRef kNoticeGrey = picture::kDialogGrey;

void DrawProgramTitle(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kNoticeGrey);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Arial Bold", 38));
  const std::string title = "T E R V A N E";
  dc.SetTextColor(RGB(150, 150, 150));
  TopCentredText(dc, width / 2 + 3, 3, title);
  dc.SetTextColor(RGB(20, 60, 120));
  TopCentredText(dc, width / 2, 0, title);
  dc.SelectFont(MakeFont("Arial", 15, false, true));
  dc.SetTextColor(RGB(90, 20, 20));
  TopCentredText(dc, width / 2, 45, "Design of Geosynthetic-Reinforced Steep Soil Slopes");
  dc.SelectPen(Pen::Solid(0, RGB(20, 60, 120)));
  dc.MoveTo(20, height - 2);
  dc.LineTo(width - 20, height - 2);
}

// ---- the main menu's title (170 x 25) ------------------------------------------

constexpr ColorRef kMainMenuBlue = RGB(204, 236, 255);

void DrawMainMenuTitle(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kMainMenuBlue);
  dc.SetBkMode(fw::BkMode::Transparent);
  Font font = MakeFont("Arial Bold", 19, false, true);
  dc.SelectFont(font);
  dc.SetTextColor(RGB(140, 160, 180));
  TopCentredText(dc, width / 2 + 2, 3, "Main Menu");
  dc.SetTextColor(RGB(128, 0, 0));
  TopCentredText(dc, width / 2, 1, "Main Menu");
}

// ---- the splash picture (731 x 491) --------------------------------------------

void DrawSplash(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  // The slope: toe at (250, 420), crest at (420, 180); sky in bands above.
  const int toeX = 250, toeY = 420, crestX = 420, crestY = 180;
  Fill(dc, 0, 0, width, height, RGB(60, 110, 170));
  for (int band = 0; band < 10; ++band) {
    const int top = band * toeY / 10;
    const int bottom = (band + 1) * toeY / 10;
    Fill(dc, 0, top, width, bottom, RGB(60 + band * 14, 110 + band * 11, 170 + band * 7));
  }
  // The ground: retained soil behind the crest, the foundation under the toe.
  const std::array<Point, 6> soil = {Point{0, toeY},        Point{toeX, toeY},    Point{crestX, crestY},
                                     Point{width, crestY}, Point{width, height}, Point{0, height}};
  dc.SelectPen(Pen::Solid(0, RGB(90, 65, 40)));
  dc.SelectBrush(Brush::Solid(RGB(196, 160, 100)));
  dc.Polygon(soil);
  Fill(dc, 0, toeY, width, height, RGB(150, 115, 75));
  // The reinforced zone behind the face, a little darker.
  const std::array<Point, 4> zone = {Point{toeX, toeY}, Point{crestX, crestY}, Point{600, crestY}, Point{600, toeY}};
  dc.SelectBrush(Brush::Solid(RGB(180, 140, 85)));
  dc.Polygon(zone);
  // Geosynthetic layers.
  dc.SelectPen(Pen::Solid(3, RGB(255, 215, 0)));
  for (int i = 0; i < 8; ++i) {
    const int y = toeY - 12 - i * 29;
    const int faceX = toeX + (toeY - y) * (crestX - toeX) / (toeY - crestY);
    dc.MoveTo(faceX + 3, y);
    dc.LineTo(598, y);
  }
  // Grass on the crest and in front of the toe.
  Fill(dc, 0, toeY - 4, toeX, toeY, RGB(60, 140, 50));
  Fill(dc, crestX, crestY - 4, width, crestY, RGB(60, 140, 50));
  // A deep-seated slip circle under the reinforced mass, dashed in white.
  const std::array<Point, 17> circle = {
      Point{230, 430}, Point{266, 439}, Point{302, 445}, Point{339, 446}, Point{376, 445}, Point{413, 439},
      Point{449, 430}, Point{483, 418}, Point{517, 402}, Point{548, 383}, Point{578, 361}, Point{606, 337},
      Point{630, 309}, Point{653, 280}, Point{672, 248}, Point{687, 215}, Point{700, 180}};
  dc.SelectPen(Pen::Solid(2, RGB(255, 255, 255)));
  for (std::size_t i = 0; i + 1 < circle.size(); i += 2) {
    dc.MoveTo(circle[i]);
    dc.LineTo(circle[i + 1]);
  }
  dc.SelectBrush(Brush::Hollow());
  // Titles.
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Arial Bold", 64));
  dc.SetTextColor(RGB(20, 40, 80));
  dc.TextOut(33, 23, "Tervane");
  dc.SetTextColor(RGB(255, 255, 255));
  dc.TextOut(30, 20, "Tervane");
  dc.SelectFont(MakeFont("Arial", 20, false, true));
  dc.TextOut(34, 100, "Design of Geosynthetic-Reinforced Steep Soil Slopes");
  dc.SelectFont(MakeFont("Arial Bold", 16));
  dc.TextOut(34, 132, "Version 4.0");
  dc.SelectFont(MakeFont("Arial Bold", 14));
  dc.SetTextColor(RGB(255, 255, 255));
  dc.TextOut(20, height - 30, kMakerName);
  dc.SelectFont(MakeFont("Arial", 12));
  const std::string rights = std::string(kRightsNotice) + "  " + kAllRightsReserved;
  const fw::Size size = dc.GetTextExtent(rights);
  dc.TextOut(width - 20 - size.cx, height - 28, rights);
  dc.SelectPen(Pen::Solid(0, RGB(0, 0, 0)));
  dc.Rectangle(0, 0, width, height);
}

const PictureRegistration registration({
    Picture{kPictureToolbar, "IDR_MAINFRAME", 160, 15, kFace, &DrawToolbar},
    Picture{kPictureSplash, "IDB_SPLASH", 731, 491, RGB(60, 110, 170), &DrawSplash},
    Picture{kPictureMainMenuTitle, "IDB_MAIN_MENU", 170, 25, kMainMenuBlue, &DrawMainMenuTitle},
    Picture{kPictureMakerLogo, "IDB_MAKER_LOGO", 75, 75, kLogoBlue, &DrawLogo},
    Picture{kPictureProgramTitle, "IDB_PROGRAM_TITLE", 472, 67, kNoticeGrey, &DrawProgramTitle},
});

}  // namespace

}  // namespace tervane::res
