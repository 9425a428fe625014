#include "common/DibImage.h"

#include <bit>
#include <cerrno>
#include <algorithm>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/FileIo.h"

namespace tervane {

// Where the bytes of a bitmap come from: a file or memory, read at offsets.
class CDibImage::Source {
 public:
  virtual ~Source() = default;
  virtual std::uint64_t Size() const = 0;
  // Exactly n bytes at the offset, or false.
  virtual bool ReadAt(std::uint64_t offset, void* to, std::size_t n) = 0;
};

namespace {

constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kV4InfoHeaderBytes = 108;
constexpr std::size_t kV5InfoHeaderBytes = 124;

class MemorySource final : public CDibImage::Source {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* to, std::size_t n) override {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    if (n > 0) std::memcpy(to, bytes_.data() + offset, n);
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

class FileSource final : public CDibImage::Source {
 public:
  FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* to, std::size_t n) override {
    if (offset > size_ || n > size_ - offset) return false;
    auto* out = static_cast<std::uint8_t*>(to);
    std::size_t done = 0;
    while (done < n) {
      const ssize_t got = ::pread(fd_, out + done, n - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
  std::uint64_t size_;
};

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

// Colour-table entries for a header: 2, 16 or 256 for 1, 4 and 8 bits (a
// smaller non-zero colours-used field replaces the number), the three masks
// for bit fields, none otherwise.
int ColorTableEntries(const DibInfoHeader& h) {
  int entries = 0;
  switch (h.bitCount) {
    case 1: entries = 2; break;
    case 4: entries = 16; break;
    case 8: entries = 256; break;
    case 16:
    case 32:
      // The masks always come as three; a colours-used field does not cut them.
      return h.compression == kDibBitFields ? 3 : 0;
    default: return 0;
  }
  if (h.clrUsed != 0 && h.clrUsed < static_cast<std::uint32_t>(entries)) entries = static_cast<int>(h.clrUsed);
  return entries;
}

bool DrawableFormat(const DibInfoHeader& h) {
  if (h.planes != 1) return false;
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24: return h.compression == kDibRgb;
    case 16:
    case 32: return h.compression == kDibRgb || h.compression == kDibBitFields;
    default: return false;
  }
}

bool SizeAccepted(const DibInfoHeader& h) {
  if (h.width < 1 || h.height < 1) return false;
  if (h.width > fw::Image::kMaxDimension || h.height > fw::Image::kMaxDimension) return false;
  return static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.height) <= fw::Image::kMaxPixels;
}

// One channel of a bit-field pixel scaled to 8 bits.
std::uint8_t MaskChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = 32 - std::countl_zero(mask) - shift;
  const std::uint64_t max = (std::uint64_t{1} << bits) - 1;
  const std::uint64_t v = (value & mask) >> shift;
  return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
}

std::uint32_t MaskOf(const DibColor& c) {
  return static_cast<std::uint32_t>(c.blue) | (static_cast<std::uint32_t>(c.green) << 8) |
         (static_cast<std::uint32_t>(c.red) << 16) | (static_cast<std::uint32_t>(c.reserved) << 24);
}

// The fixed palettes of images without a colour table (they matter only on
// palette devices): black and white; the sixteen standard colours; the
// twenty static colours, a 6 x 6 x 6 cube and greys.
std::vector<fw::ColorRef> FixedPalette(int colorCount) {
  static constexpr fw::ColorRef kSixteen[16] = {
      fw::RGB(0, 0, 0),       fw::RGB(128, 0, 0),   fw::RGB(0, 128, 0),   fw::RGB(128, 128, 0),
      fw::RGB(0, 0, 128),     fw::RGB(128, 0, 128), fw::RGB(0, 128, 128), fw::RGB(192, 192, 192),
      fw::RGB(128, 128, 128), fw::RGB(255, 0, 0),   fw::RGB(0, 255, 0),   fw::RGB(255, 255, 0),
      fw::RGB(0, 0, 255),     fw::RGB(255, 0, 255), fw::RGB(0, 255, 255), fw::RGB(255, 255, 255)};
  if (colorCount >= 1 && colorCount <= 2) return {fw::kBlack, fw::kWhite};
  if (colorCount >= 3 && colorCount <= 16) return std::vector<fw::ColorRef>(std::begin(kSixteen), std::end(kSixteen));
  std::vector<fw::ColorRef> palette(std::begin(kSixteen), std::end(kSixteen));
  for (fw::ColorRef c : {fw::RGB(192, 220, 192), fw::RGB(166, 202, 240), fw::RGB(255, 251, 240),
                         fw::RGB(160, 160, 164)}) {
    palette.push_back(c);
  }
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) palette.push_back(fw::RGB(r * 51, g * 51, b * 51));
  for (int i = 1; palette.size() < 256; ++i) palette.push_back(fw::RGB(i * 12, i * 12, i * 12));
  return palette;
}

}  // namespace

CDibImage::~CDibImage() = default;

std::uint64_t CDibImage::RowBytes(std::int64_t width, int bitCount) {
  if (width <= 0 || bitCount <= 0) return 0;
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

void CDibImage::Release() {
  problem_.clear();
  header_ = DibInfoHeader{};
  colors_.clear();
  pixels_.clear();
  palette_.clear();
}

bool CDibImage::Load(const std::string& path) {
  Release();
  // Without blocking: a pipe opens at once and is then refused as not regular.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Fail("the file cannot be opened");
  struct stat st {};
  bool loaded = false;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0) {
    FileSource source(fd, static_cast<std::uint64_t>(st.st_size));
    loaded = LoadFrom(source);
  } else {
    Fail("it is not a file");
  }
  ::close(fd);
  return loaded;
}

bool CDibImage::LoadFromMemory(std::span<const std::uint8_t> bytes) {
  Release();
  MemorySource source(bytes);
  return LoadFrom(source);
}

bool CDibImage::Fail(const char* problem) {
  Release();
  problem_ = problem;
  return false;
}

bool CDibImage::LoadFrom(Source& source) {
  std::uint8_t fileHeader[kFileHeaderBytes];
  if (!source.ReadAt(0, fileHeader, kFileHeaderBytes) || U16(fileHeader) != kBitmapType)
    return Fail("it is not a bitmap (.bmp) file");
  const std::uint64_t fileSizeField = U32(fileHeader + 2);
  const std::uint64_t pixelOffset = U32(fileHeader + 10);
  std::uint8_t info[kV5InfoHeaderBytes];
  if (!source.ReadAt(kFileHeaderBytes, info, 4)) return Fail("the file ends inside its header");
  const std::uint32_t infoSize = U32(info);
  if (infoSize != kInfoHeaderBytes && infoSize != kV4InfoHeaderBytes && infoSize != kV5InfoHeaderBytes)
    return Fail("its kind of bitmap header cannot be read");
  if (!source.ReadAt(kFileHeaderBytes, info, infoSize)) return Fail("the file ends inside its header");
  DibInfoHeader h;
  h.width = I32(info + 4);
  h.height = I32(info + 8);
  h.planes = U16(info + 12);
  h.bitCount = U16(info + 14);
  h.compression = U32(info + 16);
  h.sizeImage = U32(info + 20);
  h.xPelsPerMeter = I32(info + 24);
  h.yPelsPerMeter = I32(info + 28);
  h.clrUsed = U32(info + 32);
  h.clrImportant = U32(info + 36);
  // A negative height stores the rows top-down.
  const bool topDown = h.height < 0 && h.height != std::numeric_limits<std::int32_t>::min();
  if (topDown) h.height = -h.height;
  if (!SizeAccepted(h)) return Fail("its width or height is zero, negative or too large");
  if (h.compression != kDibRgb && h.compression != kDibBitFields) return Fail("it is compressed");
  if (!DrawableFormat(h)) return Fail("its kind of pixels cannot be drawn");

  // The colour table follows the information header; the masks of bit
  // fields follow the 40-byte header, and are part of the longer ones.
  const bool masksInHeader = h.compression == kDibBitFields && infoSize > kInfoHeaderBytes;
  const int entries = masksInHeader ? 0 : ColorTableEntries(h);
  const std::uint64_t tableStart = kFileHeaderBytes + infoSize;
  const std::uint64_t tableEnd = tableStart + static_cast<std::uint64_t>(entries) * 4;
  const std::uint64_t rowBytes = RowBytes(h.width, h.bitCount);
  const std::uint64_t imageBytes = rowBytes * static_cast<std::uint64_t>(h.height);
  // A file size field of 0 leaves the size to the file itself. The file
  // must hold what its headers announce, the pixels at their offset.
  const std::uint64_t fileSize = fileSizeField == 0 ? source.Size() : fileSizeField;
  if (fileSize > source.Size()) return Fail("the file is shorter than its header says");
  if (pixelOffset < tableEnd) return Fail("its colour table is missing");
  if (pixelOffset >= fileSize || fileSize - pixelOffset < imageBytes) return Fail("the file ends before its pixels");

  std::vector<DibColor> colors(static_cast<std::size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    std::uint8_t entry[4];
    if (!source.ReadAt(tableStart + static_cast<std::uint64_t>(i) * 4, entry, 4))
      return Fail("the file ends inside its colour table");
    colors[static_cast<std::size_t>(i)] = DibColor{entry[0], entry[1], entry[2], entry[3]};
  }
  if (masksInHeader) {
    for (int i = 0; i < 3; ++i) {
      const std::uint8_t* mask = info + 40 + 4 * i;
      colors.push_back(DibColor{mask[0], mask[1], mask[2], mask[3]});
    }
  }
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(imageBytes));
  if (!source.ReadAt(pixelOffset, pixels.data(), pixels.size())) return Fail("the file ends before its pixels");
  if (topDown) {
    // Kept bottom-up, as every other image.
    const std::size_t row = static_cast<std::size_t>(rowBytes);
    for (std::size_t top = 0, bottom = static_cast<std::size_t>(h.height) - 1; top < bottom; ++top, --bottom)
      std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(top * row),
                       pixels.begin() + static_cast<std::ptrdiff_t>((top + 1) * row),
                       pixels.begin() + static_cast<std::ptrdiff_t>(bottom * row));
  }

  header_ = h;
  header_.size = kInfoHeaderBytes;
  header_.sizeImage = static_cast<std::uint32_t>(imageBytes);
  colors_ = std::move(colors);
  pixels_ = std::move(pixels);
  problem_.clear();
  MakePalette();
  return true;
}

void CDibImage::MakePalette() {
  palette_.clear();
  if (colors_.empty() || header_.compression == kDibBitFields) {
    palette_ = FixedPalette(static_cast<int>(colors_.size()));
    return;
  }
  for (const DibColor& c : colors_) palette_.push_back(fw::RGB(c.red, c.green, c.blue));
}

void CDibImage::SetColorTable(std::span<const DibColor> colors) {
  if (header_.compression == kDibBitFields) return;
  for (std::size_t i = 0; i < colors.size() && i < colors_.size(); ++i) colors_[i] = colors[i];
  MakePalette();
}

fw::Image CDibImage::ToImage() const {
  if (IsEmpty()) return fw::Image();
  const int width = header_.width;
  const int height = header_.height;
  fw::Image image(width, height, fw::kBlack);
  if (image.IsNull()) return image;
  const std::uint64_t rowBytes = RowBytes(width, header_.bitCount);
  const bool fields = header_.compression == kDibBitFields;
  const std::uint32_t redMask = fields ? MaskOf(colors_[0]) : (header_.bitCount == 16 ? 0x7C00u : 0xFF0000u);
  const std::uint32_t greenMask = fields ? MaskOf(colors_[1]) : (header_.bitCount == 16 ? 0x03E0u : 0x00FF00u);
  const std::uint32_t blueMask = fields ? MaskOf(colors_[2]) : (header_.bitCount == 16 ? 0x001Fu : 0x0000FFu);
  const auto indexed = [&](unsigned index) {
    if (index >= colors_.size()) return fw::kBlack;
    const DibColor& c = colors_[index];
    return fw::RGB(c.red, c.green, c.blue);
  };
  for (int r = 0; r < height; ++r) {
    // Rows are stored bottom-up.
    const std::uint8_t* row = pixels_.data() + static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(r);
    const int y = height - 1 - r;
    for (int x = 0; x < width; ++x) {
      fw::ColorRef color = fw::kBlack;
      switch (header_.bitCount) {
        case 1: color = indexed((row[x / 8] >> (7 - x % 8)) & 1u); break;
        case 4: color = indexed((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0Fu); break;
        case 8: color = indexed(row[x]); break;
        case 16: {
          const std::uint32_t v = U16(row + 2 * x);
          color = fw::RGB(MaskChannel(v, redMask), MaskChannel(v, greenMask), MaskChannel(v, blueMask));
          break;
        }
        case 24: color = fw::RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
        case 32: {
          const std::uint32_t v = U32(row + 4 * x);
          color = fw::RGB(MaskChannel(v, redMask), MaskChannel(v, greenMask), MaskChannel(v, blueMask));
          break;
        }
        default: break;
      }
      image.SetPixel(x, y, color);
    }
  }
  return image;
}

bool CDibImage::Stretch(fw::DeviceContext& dc, int x, int y, int width, int height, int background) const {
  (void)background;  // no palette device: nothing to realise
  if (IsEmpty()) return false;
  const fw::Image image = ToImage();
  if (image.IsNull()) return false;
  const fw::Rect dest{x, y, fw::ToDeviceCoord(static_cast<double>(x) + width),
                      fw::ToDeviceCoord(static_cast<double>(y) + height)};
  dc.StretchImage(dest, image);
  return true;
}

bool CDibImage::Draw(fw::DeviceContext& dc, int x, int y) const {
  return Stretch(dc, x, y, Width(), Height(), 0);
}

bool CDibImage::Create(const fw::Image& picture) {
  Release();
  if (picture.IsNull()) return Fail("there is no picture");
  DibInfoHeader h;
  h.width = picture.Width();
  h.height = picture.Height();
  h.bitCount = 24;
  const std::uint64_t rowBytes = RowBytes(h.width, 24);
  h.sizeImage = static_cast<std::uint32_t>(rowBytes * static_cast<std::uint64_t>(h.height));
  std::vector<std::uint8_t> pixels(h.sizeImage, 0);
  for (int r = 0; r < h.height; ++r) {
    std::uint8_t* row = pixels.data() + static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(r);
    const int y = h.height - 1 - r;
    for (int x = 0; x < h.width; ++x) {
      const fw::ColorRef c = picture.Pixel(x, y);
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  header_ = h;
  pixels_ = std::move(pixels);
  MakePalette();
  return true;
}

std::vector<std::uint8_t> CDibImage::SaveToBytes() const {
  std::vector<std::uint8_t> out;
  if (IsEmpty()) return out;
  const std::uint32_t offset = static_cast<std::uint32_t>(kFileHeaderBytes + kInfoHeaderBytes + colors_.size() * 4);
  const std::uint32_t size = offset + static_cast<std::uint32_t>(pixels_.size());
  out.reserve(size);
  Put16(out, kBitmapType);
  Put32(out, size);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderBytes);
  Put32(out, static_cast<std::uint32_t>(header_.width));
  Put32(out, static_cast<std::uint32_t>(header_.height));
  Put16(out, 1);
  Put16(out, header_.bitCount);
  Put32(out, header_.compression);
  Put32(out, static_cast<std::uint32_t>(pixels_.size()));
  Put32(out, static_cast<std::uint32_t>(header_.xPelsPerMeter));
  Put32(out, static_cast<std::uint32_t>(header_.yPelsPerMeter));
  Put32(out, header_.compression == kDibBitFields ? 0u : static_cast<std::uint32_t>(colors_.size()));
  Put32(out, header_.clrImportant);
  for (const DibColor& c : colors_) {
    out.push_back(c.blue);
    out.push_back(c.green);
    out.push_back(c.red);
    out.push_back(c.reserved);
  }
  out.insert(out.end(), pixels_.begin(), pixels_.end());
  return out;
}

bool CDibImage::Save(const std::string& path) const {
  if (IsEmpty()) return false;
  std::string error;
  return fw::WriteFileAtomically(path, SaveToBytes(), error);
}

}  // namespace tervane

namespace tervane {

std::string LogoProblem(const std::string& path) {
  if (path.empty()) return {};
  CDibImage logo;
  if (logo.Load(path)) return {};
  return logo.Problem();
}

std::string UnusableLogoMessage(const std::string& path, const std::string& problem) {
  return "The logo \"" + path + "\" cannot be printed: " + problem +
         ".\n\nThe title page of the report is printed without a logo. A logo must be an uncompressed "
         "bitmap (.bmp) file.";
}

}  // namespace tervane
