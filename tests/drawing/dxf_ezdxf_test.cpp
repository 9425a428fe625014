// The DXF files as another program reads them: Debian's python3-ezdxf with
// its strict reader (ezdxf.readfile) takes every file the export writes, with
// the expected entities on the expected layers, and refuses a cut file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DxfTestSupport.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using dxftest::kEzdxfLayers;

void Write(const std::string& path, const ProjectData& data, const DxfSelection& selection) {
  std::ofstream(path, std::ios::binary) << dxftest::DrawingBytes(data, selection, 1.0);
}

std::string Count(int n) { return std::to_string(n); }

TEST(DxfEzdxfTest, TheReaderTakesEveryFileWithItsEntitiesPerLayer) {
  dxftest::TempDir dir;
  const std::string data = TERVANE_TEST_DATA;

  ProjectData si;
  dxftest::SetUpSiFixture(si.input);
  dxftest::RunProject(si);
  const int n = si.results.resultLayerCount;
  ASSERT_GT(n, 2);
  const ClippedCircle circle = ClipDeepSeatedCircle(si.runInput, si.results, 1.0);
  ASSERT_TRUE(circle.drawn);
  const int circleVertices = 2 + (circle.endIndex - circle.entryIndex - 1) + (circle.leftThroughFace ? 0 : 2);

  ProjectData english;
  dxftest::SetUpEnglishFixture(english.input);
  dxftest::RunProject(english);
  const int m = english.results.resultLayerCount;

  // Nothing chosen; and a run without layers whose deep-seated analysis was
  // not conducted, every element chosen, with a backslope beyond the edge.
  Write(dir.File("nothing.DXF"), si, DxfSelection{0, 0, 0, 0, 0, 0, 0});
  ProjectData bare;
  bare.runInput.crestLengthB = 80;
  bare.runInput.surchargeQ2 = 10;
  bare.results.deepSeatedNotConducted = 1;
  Write(dir.File("bare.DXF"), bare, DxfSelection{});

  int status = 0;
  const std::string summary = dxftest::EzdxfSummary(
      {data + "/dxf_si_all.dxf", data + "/dxf_english_some.dxf", dir.File("nothing.DXF"), dir.File("bare.DXF")},
      status);
  EXPECT_EQ(status, 0) << summary;
  // SI: 10 arrows over A, 10 over B and 240 over the 48 m beyond B.
  const std::string expected =
      "FILE dxf_si_all.dxf\n" + std::string(kEzdxfLayers) +
      "POLYLINE POLY1 1 9\n"
      "LINE LINES 780\n"
      "POLYLINE POLY_W 1 9\n"
      "POLYLINE POLY2 " + Count(1 + n) + " " + Count(51 * (1 + n)) + "\n"
      "POLYLINE POLY3 " + Count(1 + n) + " " + Count(51 * (1 + n)) + "\n"
      "POLYLINE POLY4 " + Count(2 + n) + " " + Count(3 + 51 * (1 + n)) + "\n"
      "POLYLINE POLY5 1 " + Count(circleVertices) + "\n"
      "LINE LINES_W " + Count(2 * n) + "\n"
      "LINE LINES_R " + Count(n) + "\n"
      "EXTENTS -50 -20 58 9.1547 MATCH\n"
      // Feet: 50 arrows along the 9.84 ft of A.
      "FILE dxf_english_some.dxf\n" + kEzdxfLayers +
      "POLYLINE POLY1 1 9\n"
      "LINE LINES 150\n"
      "LINE LINES_W " + Count(2 * m) + "\n"
      "LINE LINES_R " + Count(m) + "\n"
      "POLYLINE POLY3 " + Count(m) + " " + Count(51 * m) + "\n"
      "EXTENTS -50 -20 68.3664 16.7638 MATCH\n"
      "FILE nothing.DXF\n" + kEzdxfLayers +
      "EXTENTS 0 0 0 0 EMPTY\n" +
      // Q2 arrows along the 50 m of backslope that stand inside the edge.
      "FILE bare.DXF\n" + kEzdxfLayers +
      "POLYLINE POLY1 1 9\n"
      "LINE LINES 750\n"
      "POLYLINE POLY2 1 51\n"
      "POLYLINE POLY3 1 51\n"
      "POLYLINE POLY4 2 54\n"
      "EXTENTS -50 -20 58 36.752 MATCH\n";
  EXPECT_EQ(summary, expected);
}

// The extents of the HEADER are the bounding box of what is drawn, as the
// reader finds it, for the default project in SI and in English units with
// every element chosen: a program that fits the drawing to its extents shows
// all of it (the English drawing's crest and surcharges stand above 15 ft).
TEST(DxfEzdxfTest, TheHeaderExtentsAreTheBoundingBoxOfTheDrawing) {
  dxftest::TempDir dir;
  ProjectData data;
  data.input.designerName = "A. Engineer";
  dxftest::RunProject(data);
  std::ofstream(dir.File("default_si.DXF"), std::ios::binary) << dxftest::DrawingBytes(data, DxfSelection{}, 1.0);
  std::ofstream(dir.File("default_feet.DXF"), std::ios::binary)
      << dxftest::DrawingBytes(data, DxfSelection{}, 3.28084);
  int status = 0;
  const std::string summary =
      dxftest::EzdxfSummary({dir.File("default_si.DXF"), dir.File("default_feet.DXF")}, status);
  EXPECT_EQ(status, 0) << summary;
  std::string extents;
  for (std::size_t at = summary.find("EXTENTS"); at != std::string::npos; at = summary.find("EXTENTS", at + 1))
    extents += summary.substr(at, summary.find('\n', at) + 1 - at);
  // The English drawing reaches 23.6 ft, above the old fixed 15.
  EXPECT_EQ(extents, "EXTENTS -50 -20 58 7.19761 MATCH\nEXTENTS -50 -20 76.2467 23.6142 MATCH\n");
  if (const char* keep = std::getenv("TERVANE_KEEP_DXF")) {
    // For a look with another program: the two files, kept where asked.
    std::filesystem::copy_file(dir.File("default_si.DXF"), std::string(keep) + "/default_si.DXF",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(dir.File("default_feet.DXF"), std::string(keep) + "/default_feet.DXF",
                               std::filesystem::copy_options::overwrite_existing);
  }
}

// The check can fail: a file cut short anywhere is refused by the reader.
TEST(DxfEzdxfTest, TheReaderRefusesACutFile) {
  dxftest::TempDir dir;
  const std::string whole = fw::golden::ReadFile(std::string(TERVANE_TEST_DATA) + "/dxf_si_all.dxf");
  ASSERT_GT(whole.size(), 10000u);
  ASSERT_NE(whole.find("ENTITIES\r\n"), std::string::npos);
  struct Cut {
    const char* name;
    std::size_t size;
  };
  const Cut cuts[] = {
      {"no_eof.DXF", whole.size() - 8},        // without 0 EOF
      {"half.DXF", whole.size() / 2},          // inside the entities
      {"prologue.DXF", whole.find("ENTITIES\r\n") + 10},  // at the opening of the entities
  };
  std::vector<std::string> paths;
  std::string expected;
  for (const Cut& c : cuts) {
    std::ofstream(dir.File(c.name), std::ios::binary) << whole.substr(0, c.size);
    paths.push_back(dir.File(c.name));
    expected += std::string("REFUSED ") + c.name + " DXFStructureError\n";
  }
  int status = 0;
  EXPECT_EQ(dxftest::EzdxfSummary(paths, status), expected);
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace tervane
