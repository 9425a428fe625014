#include "model/ProjectFile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "framework/Text.h"
#include "RecordFill.h"
#include "support/NumericLocale.h"

namespace tervane {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<ProjectData> Fresh() { return std::make_unique<ProjectData>(); }

double DoubleAt(const Bytes& b, std::size_t offset) {
  double v;
  std::memcpy(&v, b.data() + offset, 8);
  return v;
}

std::int32_t IntAt(const Bytes& b, std::size_t offset) {
  std::int32_t v;
  std::memcpy(&v, b.data() + offset, 4);
  return v;
}

void PutInt(Bytes& b, std::size_t offset, std::int32_t v) { std::memcpy(b.data() + offset, &v, 4); }

// Gives every saved field of the records a value of its own, so a field read
// into the wrong place cannot go unnoticed.
class Filler {
 public:
  double D() { return 0.5 + 1.25 * static_cast<double>(++n_); }
  int I() { return 1000 + ++n_; }
  std::string T(const char* base) { return std::string(base) + " " + std::to_string(++n_) + " \u00E9\u20AC"; }

  void Fill(ProjectInput& p) {
    p.runMode = 0;
    p.unitSystem = I();
    p.currencyUnit = T("EUR");
    p.projectDate = T("date");
    p.projectDescription = T("description");
    p.designerName = T("designer");
    p.projectNumber = T("number");
    p.projectTitle = T("title");
    recordfill::FillInputNumbers(p, *this, [] { return 37; });
  }

  void Fill(AnalysisResults& r) { recordfill::FillResults(r, *this); }

  void Fill(ProjectData& d) {
    Fill(d.input);
    Fill(d.runInput);
    Fill(d.results);
    d.settings.logoPath = T("/home/user/logo.bmp");
    d.settings.includeLogo = 0;
    d.settings.symbolStyle = 1;
    d.geosyntheticTypes.typeOverflow = 1;
    d.geosyntheticTypes.typeCount = 4;
    for (auto* a : {&d.geosyntheticTypes.typeUltimateStrength, &d.geosyntheticTypes.typeRfInstallation,
                    &d.geosyntheticTypes.typeRfDurability, &d.geosyntheticTypes.typeRfCreep})
      for (double& v : *a) v = D();
    for (int& t : d.geosyntheticTypes.layerType) t = 1 + I() % kMaxGeosyntheticTypes;
  }

 private:
  int n_ = 0;
};

TEST(ProjectFile, DefaultProjectHasTheDocumentedSizeAndOffsets) {
  const Bytes b = SaveProjectToBytes(*Fresh());
  ASSERT_EQ(b.size(), 269416u);
  EXPECT_EQ(IntAt(b, 0), 0);                // unitSystem
  EXPECT_EQ(b[4], 1);                       // "$"
  EXPECT_EQ(b[5], '$');
  EXPECT_EQ(DoubleAt(b, 11), 6.0);          // slopeHeight
  EXPECT_EQ(DoubleAt(b, 19), 45.0);         // slopeAngle
  EXPECT_EQ(IntAt(b, 283), 11);             // formatVersion
  EXPECT_EQ(DoubleAt(b, 287), 12.0);        // maxPenetrationDepth
  EXPECT_EQ(IntAt(b, 411), 0);              // layerCount
  EXPECT_EQ(DoubleAt(b, 415 + 8), 10.0);    // layerUltimateStrength[0] of the input
  // Record 2 starts at 6309: unitSystem, runMode, then the snapshot's texts.
  EXPECT_EQ(IntAt(b, 6309), 0);
  EXPECT_EQ(IntAt(b, 6313), 1);
  EXPECT_EQ(b[6317], 1);
  EXPECT_EQ(b[6318], '$');
  // The snapshot differs from the input in its own defaults.
  const std::size_t snapshotGeometry = 6309 + 8 + 2 + 5;
  EXPECT_EQ(DoubleAt(b, snapshotGeometry), 6.0);
  EXPECT_EQ(DoubleAt(b, snapshotGeometry + 8 * 9 + 4 + 8 * 7 + 8 * 2), 18.9);  // reinforcedUnitWeight
  EXPECT_EQ(IntAt(b, snapshotGeometry + 272), 0);                              // version slot written 0
  // The update label closes record 1's newest block.
  const std::string label = "Update #1.1";
  const std::size_t labelAt = 4415 + 1305 + 1 + 8;
  EXPECT_EQ(b[labelAt], label.size());
  EXPECT_EQ(std::string(b.begin() + labelAt + 1, b.begin() + labelAt + 1 + label.size()), label);
}

TEST(ProjectFile, RoundTripRestoresEverySavedFieldBitForBit) {
  auto saved = Fresh();
  Filler().Fill(*saved);
  saved->input.runMode = 0;
  const Bytes bytes = SaveProjectToBytes(*saved);

  auto loaded = Fresh();
  loaded->input.runMode = 1;
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error)) << error;

  auto expected = std::make_unique<ProjectData>(*saved);
  expected->input.runMode = 1;  // not in the file: keeps the value it had
  // The snapshot's layer count is neither saved nor read.
  expected->runInput.layerCount = loaded->runInput.layerCount;
  expected->loadedUpdateLabel = "Update #1.1";
  EXPECT_TRUE(loaded->input == expected->input);
  EXPECT_TRUE(loaded->runInput == expected->runInput);
  EXPECT_TRUE(loaded->results == expected->results);
  EXPECT_TRUE(loaded->settings == expected->settings);
  EXPECT_TRUE(loaded->geosyntheticTypes == expected->geosyntheticTypes);
  EXPECT_EQ(loaded->programUpdateLabel, "Update #1.1");
  EXPECT_TRUE(*loaded == *expected);
  EXPECT_EQ(SaveProjectToBytes(*loaded), bytes);
}

TEST(ProjectFile, UnsavedStateIsKept) {
  auto loaded = Fresh();
  loaded->settings.printColorMode = 1;
  loaded->settings.screenColorMode = 1;
  loaded->settings.reportLanguage = "German";
  loaded->projectPath = "/tmp/x.NAT";
  loaded->quantitiesUnitCost = "3.00";
  auto other = Fresh();
  Filler().Fill(*other);
  const Bytes bytes = SaveProjectToBytes(*other);
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error));
  EXPECT_EQ(loaded->settings.printColorMode, 1);
  EXPECT_EQ(loaded->settings.screenColorMode, 1);
  EXPECT_EQ(loaded->settings.reportLanguage, "German");
  EXPECT_EQ(loaded->projectPath, "/tmp/x.NAT");
  EXPECT_EQ(loaded->quantitiesUnitCost, "3.00");
}

// A file of an older version: the written file with its newer blocks cut out
// and the version field set.
Bytes OlderFile(const ProjectData& d, std::int32_t version) {
  const Bytes full = SaveProjectToBytes(d);
  auto textBytes = [](const std::string& s) { return Utf8ToCp1252(s).size(); };
  const std::size_t r1 = 4414 + textBytes(d.input.currencyUnit) + textBytes(d.input.projectTitle) +
                         textBytes(d.input.projectNumber) + textBytes(d.input.projectDate) +
                         textBytes(d.input.projectDescription) + textBytes(d.input.designerName);
  const std::size_t r1v2 = 1305 + textBytes(d.settings.logoPath);
  const std::size_t r1v11 = 578 + textBytes(d.programUpdateLabel);
  const std::size_t r2 = 260978 + textBytes(d.runInput.currencyUnit) + textBytes(d.runInput.projectTitle) +
                         textBytes(d.runInput.projectNumber) + textBytes(d.runInput.projectDate) +
                         textBytes(d.runInput.projectDescription) + textBytes(d.runInput.designerName);
  const std::size_t r2v2 = 1300;
  EXPECT_EQ(full.size(), r1 + r1v2 + r1v11 + r2 + r2v2 + 828);
  auto at = [&](std::size_t a, std::size_t n) { return Bytes(full.begin() + a, full.begin() + a + n); };
  Bytes out = at(0, r1);
  if (version > 1) {
    const Bytes b = at(r1, r1v2);
    out.insert(out.end(), b.begin(), b.end());
  }
  const Bytes rec2 = at(r1 + r1v2 + r1v11, r2);
  out.insert(out.end(), rec2.begin(), rec2.end());
  if (version > 1) {
    const Bytes b = at(r1 + r1v2 + r1v11 + r2, r2v2);
    out.insert(out.end(), b.begin(), b.end());
  }
  const std::size_t versionAt = 283 + (r1 - 4415);
  PutInt(out, versionAt, version);
  return out;
}

TEST(ProjectFile, OlderVersionsKeepTheFieldsTheyLack) {
  auto source = Fresh();
  Filler().Fill(*source);
  for (std::int32_t version : {1, 0, -3, 5, 10}) {
    const Bytes file = OlderFile(*source, version);
    auto current = Fresh();
    current->settings.logoPath = "keep.bmp";
    current->settings.symbolStyle = 0;
    current->input.khHalved = 0;
    current->input.targetFsDeepSeated = 1.7;
    current->runInput.targetFsDeepSeated = 1.8;
    current->geosyntheticTypes.typeCount = 2;
    current->results.runCallCount = 9;
    current->loadedUpdateLabel = "***";
    std::string error;
    ASSERT_TRUE(LoadProjectFromBytes(file.data(), file.size(), *current, error)) << version;
    EXPECT_EQ(current->input.slopeHeight, source->input.slopeHeight);
    EXPECT_TRUE(current->results.tiebackSurfaceX == source->results.tiebackSurfaceX);
    // Never in a file before version 11.
    EXPECT_EQ(current->input.targetFsDeepSeated, 1.7);
    EXPECT_EQ(current->runInput.targetFsDeepSeated, 1.8);
    EXPECT_EQ(current->geosyntheticTypes.typeCount, 2);
    EXPECT_EQ(current->results.runCallCount, 9);
    EXPECT_EQ(current->loadedUpdateLabel, "***");
    if (version > 1) {
      EXPECT_EQ(current->settings.logoPath, source->settings.logoPath) << version;
      EXPECT_EQ(current->settings.symbolStyle, 1);
      EXPECT_EQ(current->input.khHalved, source->input.khHalved);
    } else {
      EXPECT_EQ(current->settings.logoPath, "keep.bmp") << version;
      EXPECT_EQ(current->settings.symbolStyle, 0);
      EXPECT_EQ(current->input.khHalved, 0);
    }
  }
}

TEST(ProjectFile, BadFilesAreRefusedAndChangeNothing) {
  auto source = Fresh();
  Filler().Fill(*source);
  const Bytes good = SaveProjectToBytes(*source);

  std::vector<std::pair<std::string, Bytes>> bad;
  bad.emplace_back("empty", Bytes());
  for (std::size_t cut : {std::size_t(1), std::size_t(3), std::size_t(100), std::size_t(2000), std::size_t(5000),
                          std::size_t(7000), std::size_t(50000), std::size_t(200000), good.size() - 500,
                          good.size() - 1})
    bad.emplace_back("cut at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut));

  // The layer count sits after the first texts and the 53 fields of geometry.
  const std::size_t titleStart = 4;
  std::size_t offset = titleStart;
  for (const std::string* t : {&source->input.currencyUnit, &source->input.projectTitle,
                               &source->input.projectNumber, &source->input.projectDate,
                               &source->input.projectDescription, &source->input.designerName})
    offset += 1 + Utf8ToCp1252(*t).size();
  const std::size_t layerCountAt = offset + 400;
  ASSERT_EQ(IntAt(good, layerCountAt), 37);
  for (std::int32_t count : {101, -1, 1 << 30}) {
    Bytes b = good;
    PutInt(b, layerCountAt, count);
    bad.emplace_back("layerCount " + std::to_string(count), b);
  }
  {
    Bytes b = good;  // the currency text claims 200 bytes that are not there
    b[4] = 0xFF;
    b[5] = 0xF0;
    b[6] = 0xFF;
    bad.emplace_back("text longer than the file", Bytes(b.begin(), b.begin() + 100));
  }
  {
    Bytes b = good;  // the currency text claims nearly 4 GB
    Bytes huge = {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF};
    b.erase(b.begin() + 4, b.begin() + 5);
    b.insert(b.begin() + 4, huge.begin(), huge.end());
    bad.emplace_back("4 GB text", b);
  }

  for (const auto& [name, bytes] : bad) {
    auto current = Fresh();
    current->input.slopeHeight = 9.5;
    current->projectPath = "/kept.NAT";
    const auto before = std::make_unique<ProjectData>(*current);
    std::string error;
    EXPECT_FALSE(LoadProjectFromBytes(bytes.data(), bytes.size(), *current, error)) << name;
    EXPECT_EQ(error, "Unexpected file format.") << name;
    EXPECT_TRUE(*current == *before) << name;
  }
}

TEST(ProjectFile, CountsAtTheirLimitsAreAccepted) {
  auto source = Fresh();
  source->input.layerCount = kMaxLayers;
  source->results.resultLayerCount = kMaxLayers;
  source->geosyntheticTypes.typeCount = kMaxGeosyntheticTypes + 1;
  const Bytes bytes = SaveProjectToBytes(*source);
  auto loaded = Fresh();
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error));
  EXPECT_EQ(loaded->input.layerCount, kMaxLayers);
  EXPECT_EQ(loaded->results.resultLayerCount, kMaxLayers);

  source->geosyntheticTypes.typeCount = 7;
  const Bytes tooMany = SaveProjectToBytes(*source);
  EXPECT_FALSE(LoadProjectFromBytes(tooMany.data(), tooMany.size(), *loaded, error));

  // Every layer's type number names an entry of the type table.
  source->geosyntheticTypes.typeCount = 5;
  source->geosyntheticTypes.layerType[99] = kMaxGeosyntheticTypes;
  const Bytes lastType = SaveProjectToBytes(*source);
  EXPECT_TRUE(LoadProjectFromBytes(lastType.data(), lastType.size(), *loaded, error));
  for (int bad : {0, kMaxGeosyntheticTypes + 1, -4}) {
    source->geosyntheticTypes.layerType[42] = bad;
    const Bytes b = SaveProjectToBytes(*source);
    EXPECT_FALSE(LoadProjectFromBytes(b.data(), b.size(), *loaded, error)) << bad;
  }
}

TEST(ProjectFile, LongTextsUseTheEscapedPrefix) {
  auto source = Fresh();
  source->input.projectDescription = std::string(300, 'd');
  const Bytes b = SaveProjectToBytes(*source);
  EXPECT_EQ(b.size(), 269416u + 300 + 2);
  // currency (2 bytes), then title, number and date empty, then the description.
  EXPECT_EQ(b[9], 0xFF);
  EXPECT_EQ(b[10] | (b[11] << 8), 300);
  auto loaded = Fresh();
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(b.data(), b.size(), *loaded, error));
  EXPECT_EQ(loaded->input.projectDescription, source->input.projectDescription);
}

// Every text of the file, in the input, the run snapshot and the settings.
std::vector<std::string*> EveryText(ProjectData& d) {
  std::vector<std::string*> texts;
  for (ProjectInput* p : {&d.input, &d.runInput})
    for (std::string* t : {&p->currencyUnit, &p->projectTitle, &p->projectNumber, &p->projectDate,
                           &p->projectDescription, &p->designerName})
      texts.push_back(t);
  texts.push_back(&d.settings.logoPath);
  texts.push_back(&d.programUpdateLabel);
  return texts;
}

TEST(ProjectFile, EveryTextKeepsCharactersTheCodePageLacks) {
  const std::string samples[] = {
      "\u041E\u0442\u043A\u043E\u0441 \u21161",                  // Cyrillic
      "Pawe\u0142 \u015Awi\u0105tek",                             // Polish
      "\u03C6",                                                   // Greek
      "\u6CD5\u9762\u88DC\u5F37 \u7B2C3\u671F",                   // CJK
      "\u20AC 12.5 \U0001D711 \u00E9",                            // beyond U+FFFF, with Western ones
      "\u0416 long: " + std::string(300, 'x'),                    // a wide text of 2-byte length
  };
  for (const std::string& sample : samples) {
    SCOPED_TRACE(sample);
    auto saved = Fresh();
    Filler().Fill(*saved);
    int n = 0;
    for (std::string* t : EveryText(*saved)) *t = sample + " " + std::to_string(++n);
    const Bytes bytes = SaveProjectToBytes(*saved);

    auto loaded = Fresh();
    std::string error;
    ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error)) << error;
    const std::vector<std::string*> back = EveryText(*loaded);
    const std::vector<std::string*> want = EveryText(*saved);
    for (std::size_t i = 0; i + 1 < want.size(); ++i) EXPECT_EQ(*back[i], *want[i]) << i;
    EXPECT_EQ(loaded->loadedUpdateLabel, saved->programUpdateLabel);
    EXPECT_TRUE(loaded->results == saved->results);
    EXPECT_EQ(loaded->input.slopeHeight, saved->input.slopeHeight);
    // Saved again it is the same file.
    loaded->programUpdateLabel = saved->programUpdateLabel;
    EXPECT_EQ(SaveProjectToBytes(*loaded), bytes);
  }
}

// Western texts keep the one-byte form: files that could be written before
// are written the same, byte for byte.
TEST(ProjectFile, WesternTextsKeepTheirOneByteForm) {
  auto d = Fresh();
  d->input.projectTitle = "B\u00F6schung S\u00FCd \u2013 \u20AC5";
  const Bytes b = SaveProjectToBytes(*d);
  EXPECT_EQ(b.size(), 269416u + 17);
  const Bytes title(b.begin() + 6, b.begin() + 6 + 18);
  EXPECT_EQ(title, (Bytes{17, 'B', 0xF6, 's', 'c', 'h', 'u', 'n', 'g', ' ', 'S', 0xFC, 'd', ' ', 0x96, ' ', 0x80, '5'}));
}

// A Western text in the wide form (an older writer may have written one) is
// read, and saved again in the one-byte form; that file reads and saves to
// itself.
TEST(ProjectFile, AWideWesternTextIsSavedAgainInTheOneByteForm) {
  const Bytes plain = SaveProjectToBytes(*Fresh());
  Bytes wide = plain;
  ASSERT_EQ(wide[6], 0);  // the empty title
  const Bytes title = {0xFF, 0xFE, 0xFF, 3, 'A', 0, 0xE9, 0, 0xAC, 0x20};
  wide.erase(wide.begin() + 6);
  wide.insert(wide.begin() + 6, title.begin(), title.end());
  auto loaded = Fresh();
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(wide.data(), wide.size(), *loaded, error)) << error;
  EXPECT_EQ(loaded->input.projectTitle, "A\u00E9\u20AC");
  const Bytes once = SaveProjectToBytes(*loaded);
  EXPECT_EQ(once.size(), plain.size() + 3);
  EXPECT_EQ(Bytes(once.begin() + 6, once.begin() + 10), (Bytes{3, 'A', 0xE9, 0x80}));
  auto again = Fresh();
  ASSERT_TRUE(LoadProjectFromBytes(once.data(), once.size(), *again, error)) << error;
  EXPECT_EQ(SaveProjectToBytes(*again), once);
}

// A run record with a NaN or an infinity anywhere is dropped: the input is
// kept, the snapshot and the results are those of a project never run.
TEST(ProjectFile, NonFiniteResultsAreDroppedAndTheInputKept) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* field;
    std::function<void(ProjectData&)> spoil;
  };
  const Case cases[] = {
      {"deepSeatedFactor", [&](ProjectData& d) { d.results.deepSeatedFactor = nan; }},
      {"criticalCircleX", [&](ProjectData& d) { d.results.criticalCircleX = inf; }},
      {"requiredTiebackStrength", [&](ProjectData& d) { d.results.requiredTiebackStrength[57] = -inf; }},
      {"layerCompoundSurfaceY", [&](ProjectData& d) { d.results.layerCompoundSurfaceY[99][50] = nan; }},
      {"deepSeatedCutElevation", [&](ProjectData& d) { d.results.deepSeatedCutElevation = nan; }},
      {"finalFsDirectSliding", [&](ProjectData& d) { d.results.finalFsDirectSliding = inf; }},
      {"runFsSoilStrength", [&](ProjectData& d) { d.results.runFsSoilStrength = nan; }},
      {"layerLongTermStrength", [&](ProjectData& d) { d.results.layerLongTermStrength[99] = nan; }},
      {"snapshot slopeHeight", [&](ProjectData& d) { d.runInput.slopeHeight = nan; }},
      {"snapshot layerRfCreep", [&](ProjectData& d) { d.runInput.layerRfCreep[0] = inf; }},
      {"snapshot targetFsDeepSeated", [&](ProjectData& d) { d.runInput.targetFsDeepSeated = nan; }},
  };
  auto source = Fresh();
  Filler().Fill(*source);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    auto spoilt = std::make_unique<ProjectData>(*source);
    c.spoil(*spoilt);
    const Bytes bytes = SaveProjectToBytes(*spoilt);
    auto loaded = Fresh();
    loaded->input.runMode = source->input.runMode;  // not in the file
    loaded->results.runCallCount = 3;
    loaded->projectPath = "/kept.NAT";
    std::string error;
    ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error)) << error;
    EXPECT_EQ(loaded->resultsDropped, 1);
    EXPECT_TRUE(loaded->input == source->input);
    EXPECT_TRUE(loaded->settings.logoPath == source->settings.logoPath);
    EXPECT_TRUE(loaded->geosyntheticTypes == source->geosyntheticTypes);
    EXPECT_TRUE(loaded->runInput == ProjectInput(ProjectInput::Defaults::kRunSnapshot));
    EXPECT_TRUE(loaded->results == AnalysisResults());
    EXPECT_EQ(loaded->projectPath, "/kept.NAT");
    // Saved again, the file holds no results and reads back as it was saved.
    const Bytes resaved = SaveProjectToBytes(*loaded);
    auto again = Fresh();
    ASSERT_TRUE(LoadProjectFromBytes(resaved.data(), resaved.size(), *again, error));
    EXPECT_EQ(again->resultsDropped, 0);
    EXPECT_EQ(SaveProjectToBytes(*again), resaved);
    // A sound file read next clears the mark.
    const Bytes good = SaveProjectToBytes(*source);
    ASSERT_TRUE(LoadProjectFromBytes(good.data(), good.size(), *loaded, error));
    EXPECT_EQ(loaded->resultsDropped, 0);
    EXPECT_TRUE(loaded->results == source->results);
  }
}

// What no reader uses is not judged: a NaN in the reserved doubles, and
// bytes after the last record (older writers may pad).
TEST(ProjectFile, ReservedValuesAndTrailingBytesAreIgnored) {
  auto source = Fresh();
  Filler().Fill(*source);
  Bytes bytes = SaveProjectToBytes(*source);
  const std::size_t reservedDoubles = bytes.size() - 828 - 100 * 8 - 100;  // record 2's reserved block
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ASSERT_EQ(DoubleAt(bytes, reservedDoubles), 0.0);
  std::memcpy(bytes.data() + reservedDoubles, &nan, 8);
  bytes.insert(bytes.end(), 16, 0xAB);
  auto loaded = Fresh();
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), *loaded, error)) << error;
  EXPECT_EQ(loaded->resultsDropped, 0);
  EXPECT_TRUE(loaded->results == source->results);
  EXPECT_EQ(SaveProjectToBytes(*loaded), SaveProjectToBytes(*source));
}

// The file holds binary numbers and code-page texts: no desktop locale
// changes a byte, of a Western file or of one with wide texts.
TEST(ProjectFile, EveryDesktopLocaleWritesAndReadsTheSameBytes) {
  auto source = Fresh();
  Filler().Fill(*source);
  const Bytes western = SaveProjectToBytes(*source);
  source->input.designerName = "Pawe\u0142 \u015Awi\u0105tek";
  const Bytes wide = SaveProjectToBytes(*source);
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    for (const Bytes* b : {&western, &wide}) {
      auto loaded = Fresh();
      std::string error;
      ASSERT_TRUE(LoadProjectFromBytes(b->data(), b->size(), *loaded, error)) << locale;
      EXPECT_EQ(SaveProjectToBytes(*loaded), *b) << locale;
    }
  }
}

class ProjectFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tervane_project_file_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t EntriesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

TEST_F(ProjectFileOnDisk, SaveAndOpen) {
  auto source = Fresh();
  Filler().Fill(*source);
  const std::string path = (dir_ / "slope.NAT").string();
  std::string error;
  ASSERT_TRUE(SaveProjectFile(path, *source, error)) << error;
  EXPECT_EQ(fs::file_size(path), SaveProjectToBytes(*source).size());
  EXPECT_EQ(EntriesInDir(), 1u);
  auto loaded = Fresh();
  loaded->input.runMode = source->input.runMode;
  ASSERT_TRUE(LoadProjectFile(path, *loaded, error)) << error;
  EXPECT_TRUE(loaded->input == source->input);
  EXPECT_FALSE(LoadProjectFile((dir_ / "missing.NAT").string(), *loaded, error));
}

TEST_F(ProjectFileOnDisk, AFailedSaveLeavesTheOldFile) {
  const fs::path target = dir_ / "old.NAT";
  {
    std::ofstream(target, std::ios::binary) << "old contents";
  }
  // A save whose rename cannot succeed: the target's name is taken by a
  // non-empty folder in a second case, the folder does not exist in a third.
  std::string error;
  auto data = Fresh();
  const fs::path folder = dir_ / "folder.NAT";
  fs::create_directories(folder / "inside");
  EXPECT_FALSE(SaveProjectFile(folder.string(), *data, error));
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
  EXPECT_FALSE(SaveProjectFile((dir_ / "no" / "such.NAT").string(), *data, error));
  EXPECT_FALSE(error.empty());
  std::ifstream in(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "old contents");
  EXPECT_EQ(EntriesInDir(), 2u) << "no temporary file may be left behind";

  ASSERT_TRUE(SaveProjectFile(target.string(), *data, error)) << error;
  EXPECT_EQ(fs::file_size(target), 269416u);
  EXPECT_EQ(EntriesInDir(), 2u);
}

}  // namespace
}  // namespace tervane
