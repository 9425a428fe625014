// Writes a seed corpus of small logo bitmaps (1, 4, 8, 16, 24 and 32 bits per
// pixel, with and without bit fields; the 40-byte header and the 124-byte
// one, rows bottom-up and top-down) into the folder given as argument.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/DibImage.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

// A bitmap of 5 x 3 pixels with `colors` table entries (or masks) and a
// pattern of pixel bytes. A 124-byte header holds the masks of bit fields
// itself; a top-down bitmap stores a negative height.
std::vector<std::uint8_t> Bitmap(int bits, std::uint32_t compression, const std::vector<std::uint32_t>& table,
                                 std::uint32_t headerSize = 40, bool topDown = false) {
  const int width = 5;
  const int height = 3;
  const bool masksInHeader = compression == 3 && headerSize > 40;
  const std::vector<std::uint32_t> after = masksInHeader ? std::vector<std::uint32_t>{} : table;
  const std::uint32_t row = static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
  const std::uint32_t offset = 14 + headerSize + static_cast<std::uint32_t>(after.size()) * 4;
  const std::uint32_t size = offset + row * height;
  std::vector<std::uint8_t> out;
  Put16(out, 0x4D42);
  Put32(out, size);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, headerSize);
  Put32(out, width);
  Put32(out, static_cast<std::uint32_t>(topDown ? -height : height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, compression);
  Put32(out, row * height);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, compression == 3 ? 0 : static_cast<std::uint32_t>(table.size()));
  Put32(out, 0);
  if (headerSize > 40) {
    // Red, green, blue and alpha masks, then colour space and profile as zeros.
    for (int i = 0; i < 3; ++i) Put32(out, masksInHeader ? table[static_cast<std::size_t>(i)] : 0);
    Put32(out, masksInHeader ? 0xFF000000u : 0);
    while (out.size() < 14 + headerSize) out.push_back(0);
  }
  for (std::uint32_t entry : after) Put32(out, entry);
  for (std::uint32_t i = 0; i < row * height; ++i) out.push_back(static_cast<std::uint8_t>(i * 37 + 11));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
    return 2;
  }
  std::vector<std::uint32_t> colors;
  for (std::uint32_t i = 0; i < 256; ++i) colors.push_back(i * 0x010203u);
  const std::vector<std::vector<std::uint8_t>> seeds = {
      Bitmap(1, 0, {0x000000, 0xFFFFFF}),
      Bitmap(4, 0, std::vector<std::uint32_t>(colors.begin(), colors.begin() + 16)),
      Bitmap(8, 0, colors),
      Bitmap(8, 0, std::vector<std::uint32_t>(colors.begin(), colors.begin() + 16)),
      Bitmap(16, 0, {}),
      Bitmap(16, 3, {0xF800, 0x07E0, 0x001F}),
      Bitmap(24, 0, {}),
      Bitmap(32, 0, {}),
      Bitmap(32, 3, {0xFF0000, 0x00FF00, 0x0000FF}),
      Bitmap(24, 0, {}, 124, true),
      Bitmap(32, 3, {0xFF0000, 0x00FF00, 0x0000FF}, 124, true),
      Bitmap(8, 0, colors, 124, false),
      Bitmap(16, 3, {0xF800, 0x07E0, 0x001F}, 108, true),
  };
  int written = 0;
  for (const auto& seed : seeds) {
    const std::string path = std::string(argv[1]) + "/seed" + std::to_string(written) + ".bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 1;
    const bool ok = std::fwrite(seed.data(), 1, seed.size(), f) == seed.size();
    if (std::fclose(f) != 0 || !ok) return 1;
    ++written;
  }
  // Every seed must be a bitmap the loader takes.
  for (const auto& seed : seeds) {
    tervane::CDibImage image;
    if (!image.LoadFromMemory(seed)) return 1;
  }
  return 0;
}
