#pragma once
// A device context that draws nothing and records every call, one line per
// call, for tests that pin a painting exactly (golden logs).
//
// Every operation that changes state, draws, measures or drives a print job is
// recorded; pure queries (Current*, the attributes, mapping and resolution
// getters, LogicalToDevice) are not. Numbers are decimal ints, colours
// "RGB(r,g,b)", texts in double quotes with '"' and '\' escaped by a
// backslash and control bytes as \xNN; UTF-8 passes unchanged. Examples:
//   SelectPen solid 2 RGB(255,0,0)        SelectPen null
//   SelectBrush solid RGB(222,222,222)    SelectBrush hollow
//   SelectFont "Arial" height=-250 weight=400 italic=0 charset=0
//   SetTextColor RGB(0,0,255)   SetBkMode transparent   SetTextAlign left baseline
//   SetMapMode twips   SetWindowOrg 0 0   SetViewportOrg 100 100   Save   Restore
//   MoveTo 10 20   LineTo 30 40   Polyline 3 (0,0) (10,0) (10,10)   Polygon ...
//   Rectangle 0 0 100 50   Ellipse 0 0 8 8   FillRect 0 0 10 10 solid RGB(255,255,255)
//   TextOut 10 10 "H=6.00 m"   GetTextExtent "abc" -> 15 10
//   StretchImage 0 0 100 50 238x69   StartDoc "test"   StartPage   EndPage   EndDoc
//
// Text metric (deterministic, in logical units): the cell height is the
// absolute font height (the default height 0 counts as an 8-point character
// height on this device); every character (code point) is half the cell
// height wide, rounded up. So "abc" in a font of height -10 measures 15 x 10.
//
// Printing: a RecordingDC made as a printer accepts StartDoc, StartPage,
// EndPage and EndDoc in that order (pages repeat) and refuses calls out of
// order; otherwise it refuses them all, as a screen device does. Refused calls
// are recorded with " -> refused".

#include <string>
#include <string_view>
#include <vector>

#include "framework/DeviceContext.h"

namespace tervane::fw {

class RecordingDC : public DeviceContextBase {
 public:
  struct Options {
    int dpiX = 96;
    int dpiY = 96;
    Size deviceSize{800, 600};
    MapMode mapMode = MapMode::Text;  // set without being recorded
    bool printer = false;
  };

  RecordingDC();
  explicit RecordingDC(const Options& options);

  // The recorded lines, and all of them joined with '\n' after each line.
  const std::vector<std::string>& Lines() const { return lines_; }
  std::string Text() const;
  void Clear() { lines_.clear(); }

  // Pages ended by EndPage since the object was made.
  int PagesPrinted() const { return pagesPrinted_; }

  using DeviceContextBase::Ellipse;
  using DeviceContextBase::LineTo;
  using DeviceContextBase::MoveTo;
  using DeviceContextBase::Rectangle;
  using DeviceContextBase::TextOut;

  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  Font SelectFont(const Font& font) override;
  ColorRef SetTextColor(ColorRef color) override;
  ColorRef SetBkColor(ColorRef color) override;
  BkMode SetBkMode(BkMode mode) override;
  TextAlign SetTextAlign(TextAlign align) override;
  MapMode SetMapMode(MapMode mode) override;
  Point SetWindowOrg(Point origin) override;
  Point SetViewportOrg(Point origin) override;
  void Save() override;
  bool Restore() override;

  Point MoveTo(Point to) override;
  void LineTo(Point to) override;
  void Polyline(std::span<const Point> points) override;
  void Polygon(std::span<const Point> points) override;
  void Rectangle(const Rect& rect) override;
  void Ellipse(const Rect& box) override;
  void FillRect(const Rect& rect, const Brush& brush) override;
  void TextOut(Point at, std::string_view utf8) override;
  Size GetTextExtent(std::string_view utf8) override;
  void StretchImage(const Rect& dest, const Image& image) override;

  bool StartDoc(std::string_view documentName) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;
  void AbortDoc() override;

  // The forms the log uses, for tests that build expected lines.
  static std::string Describe(const Pen& pen);
  static std::string Describe(const Brush& brush);
  static std::string Describe(const Font& font);
  static std::string Describe(ColorRef color);
  static std::string Quote(std::string_view text);

 private:
  void Record(std::string line) { lines_.push_back(std::move(line)); }
  bool RecordJob(std::string line, bool accepted);

  std::vector<std::string> lines_;
  bool printer_ = false;
  bool inDoc_ = false;
  bool inPage_ = false;
  int pagesPrinted_ = 0;
};

}  // namespace tervane::fw
