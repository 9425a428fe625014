#include "drawing/DxfStream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/FileIo.h"
#include "framework/Text.h"

namespace tervane {

void DxfStream::Open(std::string path) {
  path_ = std::move(path);
  bytes_.clear();
  open_ = true;
  nonFinite_ = false;
  headerStart_ = 0;
  headerLength_ = 0;
  inEntities_ = false;
  haveExtent_ = false;
}

bool DxfStream::Close(std::string& error) {
  if (!open_) {
    error = "No drawing was started.";
    return false;
  }
  open_ = false;
  if (nonFinite_) {
    // A reader would refuse such a file; better no file than a broken one.
    error = "The drawing holds a number that is not finite.";
    return false;
  }
  const std::vector<std::uint8_t> bytes(bytes_.begin(), bytes_.end());
  return fw::WriteFileAtomically(path_, bytes, error);
}

std::string DxfStream::Number(double value) {
  // "%g" would write a negative zero (such as -50 x tan(0)) as "-0".
  if (value == 0.0) return "0";
  return Format("%g", value);
}

void DxfStream::Line(std::string_view text) {
  bytes_.append(text);
  bytes_.append("\r\n");
}

void DxfStream::Group(int code, std::string_view value) {
  Line(Format("%d", code));
  Line(value);
}

void DxfStream::Group(int code, double value) {
  if (!std::isfinite(value)) nonFinite_ = true;
  Group(code, Number(value));
}

void DxfStream::DxfHeader(double xmin, double ymin, double xmax, double ymax) {
  headerStart_ = bytes_.size();
  Group(0, "SECTION");
  Group(2, "HEADER");
  Group(9, "$EXTMIN");
  Group(10, xmin);
  Group(20, ymin);
  Group(9, "$EXTMAX");
  Group(10, xmax);
  Group(20, ymax);
  Group(0, "ENDSEC");
  headerLength_ = bytes_.size() - headerStart_;
}

void DxfStream::Extend(double x, double y) {
  if (!inEntities_ || !std::isfinite(x) || !std::isfinite(y)) return;
  // The numbers a reader gets: the written text read back (without the locale).
  const auto written = [](double v) {
    const std::string text = Number(v);
    double read = v;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read;
  };
  const double wx = written(x);
  const double wy = written(y);
  if (!haveExtent_) {
    minX_ = maxX_ = wx;
    minY_ = maxY_ = wy;
    haveExtent_ = true;
    return;
  }
  minX_ = std::min(minX_, wx);
  minY_ = std::min(minY_, wy);
  maxX_ = std::max(maxX_, wx);
  maxY_ = std::max(maxY_, wy);
}

void DxfStream::DxfWriteExtents() {
  if (headerLength_ == 0) return;  // no header written
  std::string rest = bytes_.substr(headerStart_ + headerLength_);
  bytes_.resize(headerStart_);
  if (haveExtent_)
    DxfHeader(minX_, minY_, maxX_, maxY_);
  else
    DxfHeader(0, 0, 0, 0);
  bytes_ += rest;
}

void DxfStream::DxfBeginTables(int layerCount) {
  Group(0, "SECTION");
  Group(2, "TABLES");
  DxfLineTypes();
  DxfTextStyles();
  Group(0, "TABLE");
  Group(2, "LAYER");
  Group(70, static_cast<double>(layerCount));
}

void DxfStream::DxfLineTypes() {
  struct LineType {
    const char* name;
    const char* description;
    const char* count;
    const char* total;
    std::vector<const char*> dashes;
  };
  const LineType types[] = {
      {"CONTINUOUS", "Solid line", "0", "0.0", {}},
      {"DASHED", "Dashed line", "2", "0.8", {"0.5", "-0.3"}},
      {"DOT", "Dotted line", "2", "0.2", {"0.1", "-0.1"}},
      // The description of DASHDOT is that of DOT; readers show it as it stands.
      {"DASHDOT", "Dotted line", "4", "1", {"0.5", "-0.2", "0.1", "-0.2"}},
      {"SMALLDOT", "Small dotted", "2", "0.1", {"0", "-0.1"}},
      {"CENTER", "Centerline", "4", "1.1", {"0.8", "-0.1", "0.1", "-0.1"}},
  };
  Group(0, "TABLE");
  Group(2, "LTYPE");
  Group(70, "4");
  for (const LineType& t : types) {
    Group(0, "LTYPE");
    Group(2, t.name);
    Group(70, "64");
    Group(3, t.description);
    Group(72, "65");
    Group(73, t.count);
    Group(40, t.total);
    for (const char* dash : t.dashes) Group(49, dash);
  }
  Group(0, "ENDTAB");
}

void DxfStream::DxfTextStyles() {
  struct TextStyle {
    const char* name;
    const char* fontFile;
  };
  const TextStyle styles[] = {
      {"STANDARD", "TXT"},
      {"ROMAN", "ROMANS.SHX"},
      {"TECHNIC", "te______.pfb"},
      {"BLUEPRINT", "cibt____.pfb"},
  };
  Group(0, "TABLE");
  Group(2, "STYLE");
  Group(70, "2");
  for (const TextStyle& s : styles) {
    Group(0, "STYLE");
    Group(2, s.name);
    Group(70, "64");
    Group(40, "0");
    Group(41, "1");
    Group(50, "0");
    Group(71, "0");
    Group(3, s.fontFile);
    Group(42, "1");
    Group(4, "");  // no big font
  }
  Group(0, "ENDTAB");
}

void DxfStream::DxfLayer(std::string_view name, int colour) {
  Group(0, "LAYER");
  Group(2, name);
  Group(70, "0");
  Group(62, static_cast<double>(colour));
  Group(6, "CONTINUOUS");
}

void DxfStream::DxfBeginViewTable(int viewCount) {
  Group(0, "ENDTAB");
  Group(0, "TABLE");
  Group(2, "VIEW");
  Group(70, static_cast<double>(viewCount));
}

void DxfStream::DxfEndTables() {
  Group(0, "ENDTAB");
  Group(0, "ENDSEC");
}

void DxfStream::DxfBeginBlocks() {
  Group(0, "SECTION");
  Group(2, "BLOCKS");
}

void DxfStream::DxfBeginBlock(double x, double y, double z, std::string_view name) {
  Group(0, "BLOCK");
  Group(10, x);
  Group(20, y);
  Group(30, z);
  Group(70, "0");
  Group(2, name);
}

void DxfStream::DxfEndBlock() { Group(0, "ENDBLK"); }

void DxfStream::DxfEndSection() {
  Group(0, "ENDSEC");
  inEntities_ = false;
}

void DxfStream::DxfBeginEntities() {
  Group(0, "SECTION");
  Group(2, "ENTITIES");
  inEntities_ = true;
}

void DxfStream::DxfLine(double x1, double y1, double z1, double x2, double y2, double z2,
                        std::string_view layer) {
  Extend(x1, y1);
  Extend(x2, y2);
  Group(0, "LINE");
  Group(8, layer);
  Group(10, x1);
  Group(20, y1);
  Group(30, z1);
  Group(11, x2);
  Group(21, y2);
  Group(31, z2);
}

void DxfStream::DxfBeginPolyline(std::string_view layer, double width) {
  Group(0, "POLYLINE");
  Group(8, layer);
  Group(40, width);
  Group(41, width);
  Group(66, "1");
}

void DxfStream::DxfVertex(double x, double y, double z, double startWidth, double endWidth,
                          std::string_view layer) {
  Extend(x, y);
  Group(0, "VERTEX");
  Group(8, layer);
  Group(10, x);
  Group(20, y);
  Group(30, z);
  Group(40, startWidth);
  Group(41, endWidth);
}

void DxfStream::DxfEndSequence() { Group(0, "SEQEND"); }

}  // namespace tervane
