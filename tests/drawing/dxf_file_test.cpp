// The DXF drawing file: how numbers are written, the fixed start of every
// file, the end, and how the file reaches the disk.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "DxfTestSupport.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"
#include "support/GoldenFile.h"
#include "support/NumericLocale.h"

namespace tervane {
namespace {

using dxftest::TempDir;

constexpr std::string_view kEntitiesOpen = "2\r\nENTITIES\r\n";
constexpr std::string_view kEnd = "0\r\nENDSEC\r\n0\r\nEOF\r\n";

std::string ReadBytes(const std::string& path) { return fw::golden::ReadFile(path); }

TEST(DxfStreamTest, NumbersAreWrittenInTheGFormWithSixDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},  // -50 x tan(0) is a negative zero
      {15, "15"},
      {-3, "-3"},
      {0.1, "0.1"},
      {-0.3, "-0.3"},
      {19.68504, "19.685"},
      {6 * 3.28084, "19.685"},
      {1e-5, "1e-05"},
      {-1e-7, "-1e-07"},
      {0.0001, "0.0001"},
      {0.00009999, "9.999e-05"},
      {123456, "123456"},
      {1234567, "1.23457e+06"},
      {2.0 / 3.0, "0.666667"},
      {-50 * std::tan(0.0), "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(DxfStream::Number(c.value), c.text) << c.value;
}

TEST(DxfStreamTest, EmittersWriteTheirGroupsWithCrLf) {
  DxfStream dxf;
  dxf.Open("unused");
  dxf.DxfLine(1.5, -2, 0, 3, 4.25, 0, "LINES_R");
  dxf.DxfBeginPolyline("POLY1", 10);
  dxf.DxfVertex(0.5, 1e-05, 0, 0.1, 0.01, "POLY1");
  dxf.DxfEndSequence();
  EXPECT_EQ(dxf.Bytes(),
            "0\r\nLINE\r\n8\r\nLINES_R\r\n10\r\n1.5\r\n20\r\n-2\r\n30\r\n0\r\n11\r\n3\r\n21\r\n4.25\r\n31\r\n0\r\n"
            "0\r\nPOLYLINE\r\n8\r\nPOLY1\r\n40\r\n10\r\n41\r\n10\r\n66\r\n1\r\n"
            "0\r\nVERTEX\r\n8\r\nPOLY1\r\n10\r\n0.5\r\n20\r\n1e-05\r\n30\r\n0\r\n40\r\n0.1\r\n41\r\n0.01\r\n"
            "0\r\nSEQEND\r\n");
}

// The start of every file up to the opening of its entities: 2,027 bytes,
// whatever the project and the units, but for the four numbers of the
// extents, which the end of the file writes (here still those of an empty
// drawing).
TEST(DxfFileTest, EveryFileStartsWithTheSameFixedSections) {
  DxfStream dxf;
  dxf.Open("unused");
  WriteDxfPrologue(dxf);
  const std::string prologue = dxf.Bytes();
  EXPECT_EQ(prologue.size(), 2027u);
  ASSERT_GE(prologue.size(), kEntitiesOpen.size());
  EXPECT_EQ(prologue.substr(prologue.size() - kEntitiesOpen.size()), kEntitiesOpen);
  EXPECT_EQ(prologue.find(kEntitiesOpen), prologue.size() - kEntitiesOpen.size());
  fw::golden::ExpectGolden(prologue, "dxf_prologue.dxf");

  // Any project, any units, any choice: the same bytes from the TABLES
  // section to the entities.
  const std::size_t tables = prologue.find("0\r\nSECTION\r\n2\r\nTABLES\r\n");
  ASSERT_NE(tables, std::string::npos);
  ProjectData data;
  dxftest::SetUpEnglishFixture(data.input);
  dxftest::RunProject(data);
  for (double L : {1.0, 3.28084}) {
    const std::string full = dxftest::DrawingBytes(data, DxfSelection{}, L);
    const std::size_t at = full.find("0\r\nSECTION\r\n2\r\nTABLES\r\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(full.substr(at, prologue.size() - tables), prologue.substr(tables));
    EXPECT_GT(full.size(), prologue.size());
  }
}

// The extents the end of the file writes: the bounding box of the points of
// the entities as written (six digits), the block's line not counted; the
// rest of the file stays as it was.
TEST(DxfFileTest, TheExtentsAreTheBoundingBoxOfTheEntities) {
  DxfStream dxf;
  dxf.Open("unused");
  dxf.DxfHeader(0, 0, 0, 0);
  dxf.DxfBeginBlocks();
  dxf.DxfBeginBlock(0, 0, 0, "NORTH");
  dxf.DxfLine(-100, -100, 0, 500, 500, 0, "LINES");  // a block: not drawn by itself
  dxf.DxfEndBlock();
  dxf.DxfEndSection();
  dxf.DxfBeginEntities();
  dxf.DxfLine(1.5, -2, 0, 3, 4.25, 0, "LINES_R");
  dxf.DxfBeginPolyline("POLY1", 10);
  dxf.DxfVertex(-7.1234567, 0.5, 0, 0.1, 0.1, "POLY1");
  dxf.DxfVertex(2, 19.6850394, 0, 0.1, 0.1, "POLY1");
  dxf.DxfEndSequence();
  const std::string before = dxf.Bytes();
  dxf.DxfWriteExtents();
  const std::string header =
      "0\r\nSECTION\r\n2\r\nHEADER\r\n9\r\n$EXTMIN\r\n10\r\n-7.12346\r\n20\r\n-2\r\n"
      "9\r\n$EXTMAX\r\n10\r\n3\r\n20\r\n19.685\r\n0\r\nENDSEC\r\n";
  EXPECT_EQ(dxf.Bytes().substr(0, header.size()), header);
  const std::string oldHeaderEnd = "0\r\nENDSEC\r\n";
  EXPECT_EQ(dxf.Bytes().substr(header.size()), before.substr(before.find(oldHeaderEnd) + oldHeaderEnd.size()));
}

// Nothing chosen: the HEADER, TABLES and BLOCKS sections, an ENTITIES
// section without entities and the end of the file.
TEST(DxfFileTest, NothingChosenGivesAFileWithoutEntities) {
  ProjectData data;
  dxftest::RunProject(data);
  EXPECT_EQ(dxftest::DrawingBytes(data, DxfSelection{0, 0, 0, 0, 0, 0, 0}, 1.0),
            dxftest::PrologueBytes() + std::string(kEnd));
}

TEST(DxfFileTest, CloseWritesTheWholeFileAndReplacesAnOldOne) {
  TempDir dir;
  const std::string path = dir.File("slope.DXF");
  std::ofstream(path, std::ios::binary) << "an older, longer drawing that must not survive in part";

  DxfStream dxf;
  dxf.Open(path);
  WriteDxfPrologue(dxf);
  WriteDxfEpilogue(dxf);
  std::string error;
  ASSERT_TRUE(dxf.Close(error)) << error;
  EXPECT_FALSE(dxf.IsOpen());
  EXPECT_EQ(ReadBytes(path), dxf.Bytes());
  int status = 0;
  EXPECT_EQ(dxftest::EzdxfSummary({path}, status),
            "FILE slope.DXF\n" + std::string(dxftest::kEzdxfLayers) + "EXTENTS 0 0 0 0 EMPTY\n");
  EXPECT_EQ(status, 0);
  // Nothing is left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(DxfFileTest, AFileThatCannotBeWrittenIsReportedAndTheOldFileKept) {
  TempDir dir;
  {
    DxfStream dxf;
    dxf.Open(dir.File("no such folder/slope.DXF"));
    WriteDxfPrologue(dxf);
    std::string error;
    EXPECT_FALSE(dxf.Close(error));
    EXPECT_NE(error.find("no such folder/slope.DXF"), std::string::npos) << error;
  }
  {
    // A number that is not finite would make a file no reader accepts.
    const std::string path = dir.File("old.DXF");
    std::ofstream(path, std::ios::binary) << "old";
    DxfStream dxf;
    dxf.Open(path);
    dxf.DxfLine(0, std::numeric_limits<double>::quiet_NaN(), 0, 1, 1, 0, "LINES");
    std::string error;
    EXPECT_FALSE(dxf.Close(error));
    EXPECT_EQ(error, "The drawing holds a number that is not finite.");
    EXPECT_EQ(ReadBytes(path), "old");
  }
  {
    DxfStream dxf;
    std::string error;
    EXPECT_FALSE(dxf.Close(error));  // never opened
  }
}

// The two fixture runs, byte for byte: SI with every element chosen, and the
// second project in feet with a few elements.
TEST(DxfFileTest, FixtureRunsMatchTheirGoldenFiles) {
  {
    ProjectData data;
    dxftest::SetUpSiFixture(data.input);
    dxftest::RunProject(data);
    fw::golden::ExpectGolden(dxftest::DrawingBytes(data, DxfSelection{}, 1.0), "dxf_si_all.dxf");
  }
  {
    ProjectData data;
    dxftest::SetUpEnglishFixture(data.input);
    dxftest::RunProject(data);
    DxfSelection some{0, 0, 0, 0, 0, 0, 0};
    some.exportGeometry = 1;
    some.exportReinforcement = 1;
    some.exportLengths = 1;
    some.exportToeCompoundSurfaces = 1;
    fw::golden::ExpectGolden(dxftest::DrawingBytes(data, some, 3.28084), "dxf_english_some.dxf");
  }
}

TEST(DxfFileTest, EveryDesktopLocaleWritesTheSameBytes) {
  ProjectData data;
  dxftest::SetUpSiFixture(data.input);
  dxftest::RunProject(data);
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    fw::golden::ExpectGolden(dxftest::DrawingBytes(data, DxfSelection{}, 1.0), "dxf_si_all.dxf");
  }
}

}  // namespace
}  // namespace tervane
