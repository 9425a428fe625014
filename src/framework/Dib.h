#pragma once
// Device-independent bitmaps as the ".bmp" file holds them: the 40-byte
// information header, the colour table (4 bytes per entry: blue, green, red,
// 0) and the pixel rows from the bottom up, each padded to a multiple of 4
// bytes. Our own writer and reader of the format: captures of the drawings
// are written with it, byte for byte the layout other programs expect, and
// any ".bmp" can be read back into an Image.
//
//   std::optional<PackedDib> dib = DibFromImage(image);        // 24 bits
//   std::vector<std::uint8_t> file = EncodeBmpFile(*dib);      // "BM" ...
//   std::optional<PackedDib> again = DecodeBmpFile(file);
//   Image shown = ImageFromDib(*again);

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/Image.h"

namespace tervane::fw {

inline constexpr std::size_t kBitmapFileHeaderSize = 14;
inline constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

// The information header, field by field as it is stored (little-endian).
struct BitmapInfoHeader {
  std::uint32_t size = kBitmapInfoHeaderSize;
  std::int32_t width = 0;
  std::int32_t height = 0;  // above 0: rows from the bottom up; below 0: from the top down
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;  // 0 none, 1 and 2 run-length coded, 3 bit fields
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
  friend bool operator==(const BitmapInfoHeader&, const BitmapInfoHeader&) = default;
};

// A bitmap in memory: the header, its colour table as stored (4 bytes per
// entry) and its pixel rows.
struct PackedDib {
  BitmapInfoHeader header;
  std::vector<std::uint8_t> colourTable;
  std::vector<std::uint8_t> bits;
};

// Bytes of one pixel row: ((bitCount x width + 31) / 32) x 4; 0 for a width
// or bit count below 1 or a row beyond any image this program makes.
std::size_t DibRowBytes(std::int64_t width, int bitCount);
// Colour-table entries of a header as a writer counts them: the colours-used
// field when it is not 0, else 2, 16 or 256 for 1, 4 or 8 bits per pixel;
// never any above 8 bits per pixel (a true-colour bitmap has no table).
std::size_t DibColourCount(const BitmapInfoHeader& header);

// The image as a bitmap of `bitCount` bits per pixel: 24 without a colour
// table, or 1, 4 or 8 with `palette` as its colour table (colours used = the
// palette's size when it is smaller than the bit count allows) and every
// pixel the nearest colour of the palette. Nothing for a null image, another
// bit count, or a palette that is empty or larger than the bit count can
// address.
std::optional<PackedDib> DibFromImage(const Image& image, int bitCount = 24,
                                      std::span<const ColorRef> palette = {});

// The bytes of a ".bmp" file: the 14-byte file header (type "BM", the file
// size, two reserved words 0, the offset of the pixels), the information
// header, the colour table (only for 8 bits per pixel or fewer) and the
// pixels. The image size is the header's for run-length coded bitmaps, else
// the row size times the height, which is also written into the header.
// Empty when the bitmap does not hold that many pixel bytes, or when its
// header is not a 40-byte one.
std::vector<std::uint8_t> EncodeBmpFile(const PackedDib& dib);

// Reads a ".bmp" file: a file header of type "BM", a 40-byte information
// header (longer headers are not read), the colour table (2, 16 or 256
// entries for 1, 4 or 8 bits, 3 masks for 16 or 32 bits with bit fields,
// fewer when the colours-used field says so) and the pixels from their
// offset, at most the file size of the file header less that offset and at
// most the row size times the height. Nothing, with the reason in `error`,
// when the file is shorter than what it announces or is not such a bitmap.
std::optional<PackedDib> DecodeBmpFile(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

// The pixels of a bitmap without compression: 1, 4 and 8 bits through its
// colour table, 24 and 32 bits as they stand. A null image for any other
// bitmap, one whose pixels are missing, or one larger than an Image may be.
Image ImageFromDib(const PackedDib& dib);

}  // namespace tervane::fw
