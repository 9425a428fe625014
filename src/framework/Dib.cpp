#include "framework/Dib.h"

#include <limits>

namespace tervane::fw {

namespace {

// Rows longer than this belong to no image the program makes or reads.
constexpr std::int64_t kMaxRowBytes = std::int64_t{Image::kMaxDimension} * 4 + 4;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, (v >> 16) & 0xFFFFu);
}

std::uint32_t Get16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}

std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
  return Get16(b, at) | (Get16(b, at + 2) << 16);
}

void PutHeader(std::vector<std::uint8_t>& out, const BitmapInfoHeader& h) {
  Put32(out, h.size);
  Put32(out, static_cast<std::uint32_t>(h.width));
  Put32(out, static_cast<std::uint32_t>(h.height));
  Put16(out, h.planes);
  Put16(out, h.bitCount);
  Put32(out, h.compression);
  Put32(out, h.sizeImage);
  Put32(out, static_cast<std::uint32_t>(h.xPelsPerMeter));
  Put32(out, static_cast<std::uint32_t>(h.yPelsPerMeter));
  Put32(out, h.clrUsed);
  Put32(out, h.clrImportant);
}

BitmapInfoHeader GetHeader(std::span<const std::uint8_t> b, std::size_t at) {
  BitmapInfoHeader h;
  h.size = Get32(b, at);
  h.width = static_cast<std::int32_t>(Get32(b, at + 4));
  h.height = static_cast<std::int32_t>(Get32(b, at + 8));
  h.planes = static_cast<std::uint16_t>(Get16(b, at + 12));
  h.bitCount = static_cast<std::uint16_t>(Get16(b, at + 14));
  h.compression = Get32(b, at + 16);
  h.sizeImage = Get32(b, at + 20);
  h.xPelsPerMeter = static_cast<std::int32_t>(Get32(b, at + 24));
  h.yPelsPerMeter = static_cast<std::int32_t>(Get32(b, at + 28));
  h.clrUsed = Get32(b, at + 32);
  h.clrImportant = Get32(b, at + 36);
  return h;
}

std::int64_t AbsoluteHeight(const BitmapInfoHeader& h) {
  return h.height < 0 ? -static_cast<std::int64_t>(h.height) : static_cast<std::int64_t>(h.height);
}

// Entries of the colour table as a reader counts them (see DecodeBmpFile).
std::size_t ReaderColourCount(const BitmapInfoHeader& h) {
  std::size_t n = 0;
  switch (h.bitCount) {
    case 1: n = 2; break;
    case 4: n = 16; break;
    case 8: n = 256; break;
    case 16:
    case 32: n = h.compression == 3 ? 3 : 0; break;
    default: n = 0; break;
  }
  if (h.clrUsed != 0 && h.clrUsed < n) n = h.clrUsed;
  return n;
}

std::nullopt_t Fail(std::string* error, const char* why) {
  if (error != nullptr) *error = why;
  return std::nullopt;
}

int SquaredDistance(ColorRef a, ColorRef b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

std::size_t DibRowBytes(std::int64_t width, int bitCount) {
  if (width < 1 || bitCount < 1 || bitCount > 32) return 0;
  const std::int64_t bytes = (bitCount * width + 31) / 32 * 4;
  return bytes > kMaxRowBytes ? 0 : static_cast<std::size_t>(bytes);
}

std::size_t DibColourCount(const BitmapInfoHeader& header) {
  if (header.bitCount > 8) return 0;
  if (header.clrUsed != 0) return header.clrUsed;
  switch (header.bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

std::optional<PackedDib> DibFromImage(const Image& image, int bitCount, std::span<const ColorRef> palette) {
  if (image.IsNull()) return std::nullopt;
  const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
  if (!indexed && bitCount != 24) return std::nullopt;
  if (indexed && (palette.empty() || palette.size() > (std::size_t{1} << bitCount))) return std::nullopt;
  if (!indexed && !palette.empty()) return std::nullopt;

  PackedDib dib;
  BitmapInfoHeader& h = dib.header;
  h.width = image.Width();
  h.height = image.Height();
  h.bitCount = static_cast<std::uint16_t>(bitCount);
  if (indexed && palette.size() < (std::size_t{1} << bitCount)) h.clrUsed = static_cast<std::uint32_t>(palette.size());
  for (const ColorRef& c : palette) {
    dib.colourTable.push_back(c.b);
    dib.colourTable.push_back(c.g);
    dib.colourTable.push_back(c.r);
    dib.colourTable.push_back(0);
  }
  const std::size_t row = DibRowBytes(image.Width(), bitCount);
  h.sizeImage = static_cast<std::uint32_t>(row * static_cast<std::size_t>(image.Height()));
  dib.bits.assign(h.sizeImage, 0);
  for (int y = 0; y < image.Height(); ++y) {
    // Rows from the bottom up.
    std::uint8_t* out = dib.bits.data() + static_cast<std::size_t>(image.Height() - 1 - y) * row;
    for (int x = 0; x < image.Width(); ++x) {
      const ColorRef c = image.Pixel(x, y);
      if (!indexed) {
        out[3 * x] = c.b;
        out[3 * x + 1] = c.g;
        out[3 * x + 2] = c.r;
        continue;
      }
      std::size_t best = 0;
      for (std::size_t i = 1; i < palette.size(); ++i)
        if (SquaredDistance(palette[i], c) < SquaredDistance(palette[best], c)) best = i;
      const int perByte = 8 / bitCount;
      const int shift = 8 - bitCount * (x % perByte + 1);
      out[x / perByte] = static_cast<std::uint8_t>(out[x / perByte] | (best << shift));
    }
  }
  return dib;
}

std::vector<std::uint8_t> EncodeBmpFile(const PackedDib& dib) {
  BitmapInfoHeader h = dib.header;
  if (h.size != kBitmapInfoHeaderSize) return {};
  std::uint64_t imageSize = 0;
  if (h.compression == 1 || h.compression == 2) {
    imageSize = h.sizeImage;
  } else {
    const std::size_t row = DibRowBytes(h.width, h.bitCount);
    if (row == 0) return {};
    imageSize = static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(AbsoluteHeight(h));
    h.sizeImage = static_cast<std::uint32_t>(imageSize);
  }
  // A true-colour bitmap carries no colour table, whatever its colours-used field says.
  const std::uint64_t tableSize = static_cast<std::uint64_t>(DibColourCount(h)) * 4;
  const std::uint64_t total = kBitmapFileHeaderSize + kBitmapInfoHeaderSize + tableSize + imageSize;
  if (dib.bits.size() < imageSize || dib.colourTable.size() < tableSize ||
      total > std::numeric_limits<std::uint32_t>::max())
    return {};

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(total));
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, static_cast<std::uint32_t>(kBitmapFileHeaderSize + kBitmapInfoHeaderSize + tableSize));
  PutHeader(out, h);
  out.insert(out.end(), dib.colourTable.begin(), dib.colourTable.begin() + static_cast<std::ptrdiff_t>(tableSize));
  out.insert(out.end(), dib.bits.begin(), dib.bits.begin() + static_cast<std::ptrdiff_t>(imageSize));
  return out;
}

std::optional<PackedDib> DecodeBmpFile(std::span<const std::uint8_t> bytes, std::string* error) {
  if (bytes.size() < kBitmapFileHeaderSize) return Fail(error, "the file is shorter than a bitmap file header");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, "the file is not a bitmap (no \"BM\")");
  const std::uint32_t fileSize = Get32(bytes, 2);
  const std::uint32_t offset = Get32(bytes, 10);
  if (bytes.size() < kBitmapFileHeaderSize + kBitmapInfoHeaderSize)
    return Fail(error, "the file ends inside the information header");
  PackedDib dib;
  dib.header = GetHeader(bytes, kBitmapFileHeaderSize);
  const BitmapInfoHeader& h = dib.header;
  if (h.size != kBitmapInfoHeaderSize) return Fail(error, "the information header is not of 40 bytes");
  const std::size_t row = DibRowBytes(h.width, h.bitCount);
  const std::int64_t rows = AbsoluteHeight(h);
  if (row == 0 || rows < 1 || rows > Image::kMaxDimension)
    return Fail(error, "the bitmap has no valid size");

  const std::size_t tableAt = kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
  const std::size_t tableSize = ReaderColourCount(h) * 4;
  if (bytes.size() - tableAt < tableSize) return Fail(error, "the file ends inside the colour table");
  dib.colourTable.assign(bytes.begin() + static_cast<std::ptrdiff_t>(tableAt),
                         bytes.begin() + static_cast<std::ptrdiff_t>(tableAt + tableSize));

  // The pixels: what the file header announces beyond the offset, at most a
  // full image.
  if (offset > fileSize) return Fail(error, "the pixel offset lies beyond the announced file size");
  std::uint64_t size = fileSize - offset;
  const std::uint64_t full = static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(rows);
  if (size > full) size = full;
  if (offset > bytes.size() || bytes.size() - offset < size)
    return Fail(error, "the file ends before its pixels");
  dib.bits.assign(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
  return dib;
}

Image ImageFromDib(const PackedDib& dib) {
  const BitmapInfoHeader& h = dib.header;
  if (h.compression != 0 || h.width < 1 || h.height == 0) return Image();
  const int bits = h.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return Image();
  const std::int64_t rows = AbsoluteHeight(h);
  if (h.width > Image::kMaxDimension || rows > Image::kMaxDimension) return Image();
  const std::size_t row = DibRowBytes(h.width, bits);
  if (row == 0 || dib.bits.size() < row * static_cast<std::size_t>(rows)) return Image();
  Image image(h.width, static_cast<int>(rows));
  if (image.IsNull()) return image;
  const std::size_t entries = dib.colourTable.size() / 4;
  const bool bottomUp = h.height > 0;
  for (int y = 0; y < image.Height(); ++y) {
    const std::size_t stored = bottomUp ? static_cast<std::size_t>(image.Height() - 1 - y) : static_cast<std::size_t>(y);
    const std::uint8_t* in = dib.bits.data() + stored * row;
    for (int x = 0; x < image.Width(); ++x) {
      ColorRef c;
      if (bits >= 24) {
        const std::uint8_t* p = in + static_cast<std::size_t>(x) * (bits / 8);
        c = ColorRef{p[2], p[1], p[0]};
      } else {
        const int perByte = 8 / bits;
        const int shift = 8 - bits * (x % perByte + 1);
        const std::size_t index = (in[x / perByte] >> shift) & ((1u << bits) - 1);
        if (index >= entries) return Image();  // a pixel without a colour
        const std::uint8_t* e = dib.colourTable.data() + index * 4;
        c = ColorRef{e[2], e[1], e[0]};
      }
      image.SetPixel(x, y, c);
    }
  }
  return image;
}

}  // namespace tervane::fw
