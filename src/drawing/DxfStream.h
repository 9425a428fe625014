#pragma once
// The text DXF drawing file: groups of two lines (the group code, then the
// value), every line ended by CR LF, numbers in the "%g" form with six
// significant digits and C-locale decimals.
//
// The drawing is collected in memory and written as a whole by Close: the
// bytes go to a temporary file beside the target, which replaces the target
// only when every byte was written, so a failed export never leaves a
// truncated drawing behind or spoils the file it would have replaced.

#include <cstddef>
#include <string>
#include <string_view>

namespace tervane {

class DxfStream {
 public:
  // Starts a new drawing for `path`; whatever was collected before is dropped.
  void Open(std::string path);
  bool IsOpen() const { return open_; }
  // Writes the collected drawing to the path. False, with the reason in
  // `error`, when the file could not be written whole (the target is then
  // untouched) or when the drawing holds a number that is not finite.
  bool Close(std::string& error);
  // The bytes collected since Open.
  const std::string& Bytes() const { return bytes_; }

  // A number as the file writes it: "%g" in the C locale, with zero (of
  // either sign) written "0".
  static std::string Number(double value);

  // One group with a fixed text value, or with a number.
  void Group(int code, std::string_view value);
  void Group(int code, double value);

  // The emitters of the drawing, each appending its groups.
  void DxfHeader(double xmin, double ymin, double xmax, double ymax);
  void DxfBeginTables(int layerCount);
  void DxfLineTypes();
  void DxfTextStyles();
  void DxfLayer(std::string_view name, int colour);
  void DxfBeginViewTable(int viewCount);
  void DxfEndTables();
  void DxfBeginBlocks();
  void DxfBeginBlock(double x, double y, double z, std::string_view name);
  void DxfEndBlock();
  void DxfEndSection();
  void DxfBeginEntities();
  void DxfLine(double x1, double y1, double z1, double x2, double y2, double z2,
               std::string_view layer);
  void DxfBeginPolyline(std::string_view layer, double width);
  void DxfVertex(double x, double y, double z, double startWidth, double endWidth,
                 std::string_view layer);
  void DxfEndSequence();

  // Rewrites the extents of the HEADER (written by DxfHeader) as the
  // bounding box of the points the ENTITIES section holds so far (LINE ends
  // and VERTEX points, as written), or of the origin alone when it holds
  // none. The blocks' points are not drawn and do not count.
  void DxfWriteExtents();

 private:
  void Line(std::string_view text);
  void Extend(double x, double y);

  std::string path_;
  std::string bytes_;
  bool open_ = false;
  bool nonFinite_ = false;
  // Where the HEADER stands in bytes_.
  std::size_t headerStart_ = 0;
  std::size_t headerLength_ = 0;
  // The bounding box of the entities, in the numbers as written.
  bool inEntities_ = false;
  bool haveExtent_ = false;
  double minX_ = 0.0;
  double minY_ = 0.0;
  double maxX_ = 0.0;
  double maxY_ = 0.0;
};

}  // namespace tervane
