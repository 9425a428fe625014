#pragma once
// Helpers of the report tests: a project with a run of N layers (in the
// records, in a file), a temporary data directory, a print
// service that prints into recording device contexts, small bitmap files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <algorithm>
#include <string>
#include <vector>

#include "model/ProjectData.h"
#include "model/ProjectFile.h"
#include "framework/DocManager.h"
#include "framework/Frame.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Services.h"
#include "report/ReportPrinter.h"
#include "support/TempDir.h"

namespace tervane::reporttest {

// A run of `layers` user-specified layers of a 6 m slope, as the run would
// have left it: the layer table of the snapshot and the per-layer results.
inline void SetUpRun(ProjectData& data, int layers) {
  ProjectInput& run = data.runInput;
  run.runMode = 0;
  run.unitSystem = 0;
  run.projectTitle = "Riverside embankment";
  run.projectNumber = "TV-2026-014";
  run.designerName = "A. Example";
  run.projectDate = "12/05/2026";
  run.projectDescription = "Steep reinforced slope above the new access road.";
  AnalysisResults& r = data.results;
  r.resultLayerCount = layers;
  for (int k = 0; k < kMaxLayers; ++k) {
    run.layerUltimateStrength[k] = 43.8;
    run.layerRfInstallation[k] = 1.2;
    run.layerRfDurability[k] = 1.1;
    run.layerRfCreep[k] = 2.5;
    r.resultLayerElevation[k] = 0.3 * k;
    r.layerFrontX[k] = 0.3 * k;
    r.layerRearX[k] = 0.3 * k + 4.2;
    r.requiredTiebackStrength[k] = 10.0 + k;
    r.tiebackTr[k] = 10.0 + k;
    r.availableCompoundStrength[k] = 8.0 + k;
    r.controllingMode[k] = k % 2;
  }
}

// A data directory of the test's own, removed afterwards.
using testsupport::TempDir;

// A recording printer that hands its log to `sink` when the job's device
// context goes away.
class KeptRecordingDC : public fw::RecordingDC {
 public:
  KeptRecordingDC(const Options& options, std::vector<std::string>& sink) : RecordingDC(options), sink_(sink) {}
  ~KeptRecordingDC() override { sink_ = Lines(); }

 private:
  std::vector<std::string>& sink_;
};

inline fw::RecordingDC::Options PrinterOptions() {
  fw::RecordingDC::Options o;
  o.dpiX = 600;
  o.dpiY = 600;
  o.deviceSize = {4658, 6716};
  o.printer = true;
  return o;
}

// The printer dialog: prints into a recording printer (the pages asked for,
// all by default) or is cancelled.
class RecordingPrintService : public fw::PrintService {
 public:
  fw::PrinterSelection PrintSetup() override { return {}; }
  fw::PrinterSelection Print(const fw::PrintDialogOptions& options) override {
    requests.push_back(options);
    if (cancel) return {};
    fw::PrinterSelection selection;
    selection.page.fromPage = fromPage > 0 ? fromPage : options.minPage;
    selection.page.toPage = toPage > 0 ? toPage : options.maxPage;
    selection.dc = std::make_unique<KeptRecordingDC>(PrinterOptions(), log);
    return selection;
  }

  // Printing without a dialog: a recording printer, whatever its name.
  fw::PrinterSelection DirectPrinter(const std::string& printerName) override {
    directRequests.push_back(printerName);
    fw::PrinterSelection selection;
    selection.dc = std::make_unique<KeptRecordingDC>(PrinterOptions(), log);
    return selection;
  }

  bool cancel = false;
  int fromPage = 0;
  int toPage = 0;
  std::vector<fw::PrintDialogOptions> requests;
  std::vector<std::string> directRequests;  // the printer names asked for
  std::vector<std::string> log;  // of the last job, once it has ended
};

// Installs a print service for the life of the object (beside other services).
class ScopedPrintService {
 public:
  explicit ScopedPrintService(fw::PrintService& service) {
    fw::Services s = fw::CurrentServices();
    s.printing = &service;
    previous_ = fw::InstallServices(s);
  }
  ~ScopedPrintService() { fw::InstallServices(previous_); }

 private:
  fw::Services previous_;
};

// A project file whose last run had `layers` layers, saved as the program
// saves it.
inline std::string WriteProjectWithRun(const std::string& path, int layers) {
  auto data = std::make_unique<ProjectData>();
  SetUpRun(*data, layers);
  data->runInput.layerCount = layers;
  data->input = data->runInput;
  std::string error;
  EXPECT_TRUE(SaveProjectFile(path, *data, error)) << error;
  return path;
}

// A bitmap file: the 14-byte file header, the 40-byte information header,
// the colour table and the pixel bytes, with every field settable.
struct BitmapBytes {
  std::uint16_t type = 0x4D42;
  std::int64_t fileSize = -1;     // -1: the real size
  std::int64_t pixelOffset = -1;  // -1: right after the colour table
  std::uint32_t infoSize = 40;
  std::int32_t width = 2;
  std::int32_t height = 2;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::vector<std::uint32_t> table;   // entries 0x00RRGGBB (stored B, G, R, 0)
  std::vector<std::uint8_t> pixels;   // as stored, rows bottom-up
  std::size_t cut = 0;                // bytes removed from the end
  // A 108- or 124-byte header: the red, green, blue and alpha masks it holds
  // (the rest of it, colour space and profile, is written as zeros).
  std::uint32_t headerMasks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    const auto put16 = [&](std::uint32_t v) {
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    const auto put32 = [&](std::uint32_t v) {
      put16(v & 0xFFFF);
      put16(v >> 16);
    };
    const std::uint32_t headerEnd = 14 + std::max<std::uint32_t>(infoSize, 40);
    const std::uint32_t offset = headerEnd + static_cast<std::uint32_t>(table.size()) * 4;
    const std::uint32_t size = offset + static_cast<std::uint32_t>(pixels.size());
    put16(type);
    put32(fileSize >= 0 ? static_cast<std::uint32_t>(fileSize) : size);
    put32(0);
    put32(pixelOffset >= 0 ? static_cast<std::uint32_t>(pixelOffset) : offset);
    put32(infoSize);
    put32(static_cast<std::uint32_t>(width));
    put32(static_cast<std::uint32_t>(height));
    put16(planes);
    put16(bitCount);
    put32(compression);
    put32(static_cast<std::uint32_t>(pixels.size()));
    put32(2835);
    put32(2835);
    put32(clrUsed);
    put32(0);
    if (infoSize > 40) {
      for (std::uint32_t mask : headerMasks) put32(mask);
      while (out.size() < headerEnd) out.push_back(0);
    }
    for (std::uint32_t c : table) put32(c);
    out.insert(out.end(), pixels.begin(), pixels.end());
    out.resize(out.size() - std::min(cut, out.size()));
    return out;
  }
};

// A small 24-bit logo, 4 x 2 pixels: top row red, green, blue, white; bottom
// row black, grey, yellow, cyan.
inline BitmapBytes Logo24() {
  BitmapBytes b;
  b.width = 4;
  b.height = 2;
  b.bitCount = 24;
  // Rows bottom-up, B G R, 12 bytes a row (already a multiple of 4).
  b.pixels = {0, 0, 0,   128, 128, 128, 0, 255, 255, 255, 255, 0,
              0, 0, 255, 0,   255, 0,   255, 0, 0,   255, 255, 255};
  return b;
}

// A small 8-bit logo, 3 x 2 pixels, with a colour table of 4 entries.
inline BitmapBytes Logo8() {
  BitmapBytes b;
  b.width = 3;
  b.height = 2;
  b.bitCount = 8;
  b.clrUsed = 4;
  b.table = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  // Rows of 3 bytes padded to 4: bottom row 3 2 1, top row 0 1 2.
  b.pixels = {3, 2, 1, 0, 0, 1, 2, 0};
  return b;
}

// The lines of each page of a job log, without the job's own calls.
inline std::vector<std::vector<std::string>> JobPages(const std::vector<std::string>& log) {
  std::vector<std::vector<std::string>> pages;
  for (const std::string& line : log) {
    if (line == "StartPage") {
      pages.emplace_back();
    } else if (!pages.empty() && line != "EndPage" && line != "EndDoc") {
      pages.back().push_back(line);
    }
  }
  return pages;
}

// True when one of the lines holds `part`.
inline bool AnyLineHolds(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

}  // namespace tervane::reporttest
