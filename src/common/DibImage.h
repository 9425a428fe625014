#pragma once
// A device-independent bitmap: the report's logo. It reads ".bmp" files with
// the 40-byte information header or the longer 108- and 124-byte ones (their
// colour masks taken from the header), rows stored bottom-up or top-down (a
// negative height), and keeps the 40-byte header, the colour table (the three
// masks for bit fields), the pixels bottom-up (each row padded to 4 bytes)
// and a palette, and draws itself stretched onto any device context. The
// alpha channel of a longer header is not drawn.
//
// Loading trusts nothing in the file. It reads only a regular file, opened
// without blocking (a folder, a pipe or a device of that name is refused at
// once), and refuses, leaving the image empty and saying why (Problem()):
// - a file that does not start with "BM", or whose information header is of
//   another size (the old 12-byte one among them);
// - a width or height of zero or below (a negative height is top-down), or
//   above fw::Image::kMaxDimension, or more than fw::Image::kMaxPixels pixels
//   (so no size multiplies past range and no allocation goes beyond what the
//   file holds);
// - one plane other than 1, a bit count other than 1, 4, 8, 16, 24 or 32, a
//   compression other than none (or bit fields for 16 and 32 bits);
// - a file size field larger than the file, or too small for the pixel
//   offset and the pixels its header announces (a field of 0 stands for the
//   file's own size); a pixel offset inside the headers or the colour table
//   (an indexed image without its table); a file that ends before its colour
//   table or its pixels.
// A refused file leaves nothing to draw: never a partly black picture.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/Image.h"

namespace tervane {

// The 40-byte information header, as stored.
struct DibInfoHeader {
  std::uint32_t size = 40;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// A colour-table entry: blue, green, red, reserved.
struct DibColor {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t reserved = 0;
  friend bool operator==(const DibColor&, const DibColor&) = default;
};

inline constexpr std::uint32_t kDibRgb = 0;        // no compression
inline constexpr std::uint32_t kDibBitFields = 3;  // 16 or 32 bits with three colour masks

class CDibImage {
 public:
  CDibImage() = default;
  virtual ~CDibImage();
  CDibImage(const CDibImage&) = default;
  CDibImage& operator=(const CDibImage&) = default;

  // Reads a ".bmp" file into the image, releasing the previous one first.
  // False (and an empty image) for any file the rules above refuse.
  bool Load(const std::string& path);
  // The same rules on the bytes of a file already in memory.
  bool LoadFromMemory(std::span<const std::uint8_t> bytes);

  // Draws the whole bitmap stretched into the rectangle with corners (x, y)
  // and (x + width, y + height) in the device context's logical units, its
  // top row at the rectangle's upper edge as the device shows it, whatever
  // its proportions. False when the image is empty. `background` chooses how
  // a palette would be realised on a palette device (none here).
  bool Stretch(fw::DeviceContext& dc, int x, int y, int width, int height, int background = 0) const;
  // Draws it at its natural size, one logical unit per pixel, at (x, y).
  bool Draw(fw::DeviceContext& dc, int x, int y) const;

  // Makes a 24-bit image from the pixels of a device-dependent picture.
  bool Create(const fw::Image& picture);
  // Writes the image as a ".bmp" file (file header, information header,
  // colour table, pixels); false when empty or not written.
  bool Save(const std::string& path) const;
  std::vector<std::uint8_t> SaveToBytes() const;

  // Replaces the first entries of the colour table (as many as it has) and
  // makes the palette again.
  void SetColorTable(std::span<const DibColor> colors);
  // Drawing through the system's DIB library: it draws the same pixels here;
  // kept for the option that the report leaves off.
  void SetDirectDraw(bool on) { directDraw_ = on; }
  bool DirectDraw() const { return directDraw_; }

  // Why the last Load, LoadFromMemory or Create left the image empty, in
  // words for the user ("it is compressed"); empty after a success.
  const std::string& Problem() const { return problem_; }

  bool IsEmpty() const { return pixels_.empty(); }
  int Width() const { return IsEmpty() ? 0 : header_.width; }
  int Height() const { return IsEmpty() ? 0 : header_.height; }
  int BitCount() const { return IsEmpty() ? 0 : header_.bitCount; }
  const DibInfoHeader& Header() const { return header_; }
  // Entries of the colour table in use (the three masks for bit fields).
  int ColorCount() const { return static_cast<int>(colors_.size()); }
  std::span<const DibColor> ColorTable() const { return colors_; }
  const std::uint8_t* Pixels() const { return pixels_.data(); }
  std::size_t PixelBytes() const { return pixels_.size(); }
  // The palette made from the colour table, or the fixed one of 2, 16 or 256
  // colours for images without a table.
  std::span<const fw::ColorRef> Palette() const { return palette_; }

  // The pixels as an RGB image, top row first (null when empty).
  fw::Image ToImage() const;

  // Bytes of one stored row: ((width x bits per pixel + 31) / 32) x 4.
  static std::uint64_t RowBytes(std::int64_t width, int bitCount);

  // Where the loader reads from (a file or memory); internal.
  class Source;

 private:
  bool LoadFrom(Source& source);
  // Empties the image and keeps the reason; returns false.
  bool Fail(const char* problem);
  void Release();
  void MakePalette();

  DibInfoHeader header_;
  std::vector<DibColor> colors_;
  std::vector<std::uint8_t> pixels_;
  std::vector<fw::ColorRef> palette_;
  bool directDraw_ = false;
  std::string problem_;
};

// Why the bitmap file `path` cannot be the report's logo, or "" when it can
// (and when no logo is chosen: an empty path).
std::string LogoProblem(const std::string& path);
// The message that tells the user a chosen logo cannot be printed.
std::string UnusableLogoMessage(const std::string& path, const std::string& problem);

}  // namespace tervane
