// The project file's field order, checked against a writer of its own: the
// test gives every saved field a value of its own and writes the file from the
// layout tables field by field, in their order, without the program's walker.
// The program must save exactly these bytes and read every value back into
// its own field, so two fields swapped in either direction show.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/ProjectFile.h"
#include "RecordFill.h"

namespace tervane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The items of the archive: little-endian ints and doubles, texts of single
// bytes after a length prefix (one byte below 255, else 0xFF and two bytes).
class ByteWriter {
 public:
  void Int(std::int32_t v) { Raw(&v, 4); }
  void Double(double v) { Raw(&v, 8); }
  void Text(const std::string& s) {
    ASSERT_LT(s.size(), 65534u);
    for (char c : s) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "ASCII texts only";
    if (s.size() < 255) {
      bytes.push_back(static_cast<std::uint8_t>(s.size()));
    } else {
      bytes.push_back(0xFF);
      const std::uint16_t n = static_cast<std::uint16_t>(s.size());
      Raw(&n, 2);
    }
    bytes.insert(bytes.end(), s.begin(), s.end());
  }
  void Ints(int count, std::int32_t v) {
    for (int i = 0; i < count; ++i) Int(v);
  }
  void Doubles(int count, double v) {
    for (int i = 0; i < count; ++i) Double(v);
  }
  void Texts(int count) {
    for (int i = 0; i < count; ++i) Text("");
  }

  Bytes bytes;

 private:
  void Raw(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    bytes.insert(bytes.end(), b, b + n);
  }
};

// A value of its own for every field: doubles and ints from one counter, so no
// two fields (and no two entries of an array) are alike; the counts the reader
// checks stay in their ranges.
class DistinctValues {
 public:
  double D() { return 0.0625 + 1.5 * ++n_; }
  int I() { return 7000 + ++n_; }
  std::string T(const char* base) { return std::string(base) + " #" + std::to_string(++n_); }

  void Fill(ProjectInput& p) {
    p.unitSystem = I();
    p.runMode = I();
    p.currencyUnit = T("CHF");
    p.projectTitle = T("Title");
    p.projectNumber = T("Number");
    p.projectDate = T("Date");
    // Long enough for the escaped length prefix.
    p.projectDescription = T("Description") + std::string(300, 'd');
    p.designerName = T("Designer");
    recordfill::FillInputNumbers(p, *this, [this] { return 37 + ++n_ % 50; });
  }

  void Fill(AnalysisResults& r) { recordfill::FillResults(r, *this); }

  void Fill(ProjectData& d) {
    Fill(d.input);
    Fill(d.runInput);
    Fill(d.results);
    d.settings.logoPath = T("/srv/logos/firm");
    d.settings.includeLogo = I();
    d.settings.symbolStyle = I();
    d.programUpdateLabel = T("Update");
    d.geosyntheticTypes.typeOverflow = I();
    d.geosyntheticTypes.typeCount = 4;
    for (auto* a : {&d.geosyntheticTypes.typeUltimateStrength, &d.geosyntheticTypes.typeRfInstallation,
                    &d.geosyntheticTypes.typeRfDurability, &d.geosyntheticTypes.typeRfCreep})
      for (double& v : *a) v = D();
    // Types run from 1 to 5: a pattern that no other run of ints repeats.
    for (int i = 0; i < kMaxLayers; ++i) d.geosyntheticTypes.layerType[i] = 1 + (i * 3 + i / 5) % kMaxGeosyntheticTypes;
  }

 private:
  int n_ = 0;
};

// Record 1 and record 2 of a version-11 file, field by field as the layout
// tables list them.
Bytes WriteByTheTables(const ProjectData& d) {
  ByteWriter w;
  const ProjectInput& in = d.input;
  const ProjectInput& run = d.runInput;
  const AnalysisResults& r = d.results;
  const GeosyntheticTypeTable& types = d.geosyntheticTypes;

  // The fields that both records hold in the same order (record 1 rows 8-60).
  auto common = [&w](const ProjectInput& p, std::int32_t versionSlot) {
    for (double v : {p.slopeHeight, p.slopeAngle, p.crestLengthA, p.crestLengthB, p.backslopeAngle, p.surchargeQ1,
                     p.surchargeQ2, p.surchargeQ3, p.bottomSlopeAngle})
      w.Double(v);
    w.Int(p.waterMode);
    for (double v : {p.poreWaterCoefficient, p.phreaticX2, p.phreaticX3, p.phreaticX4, p.phreaticY2, p.phreaticY3,
                     p.phreaticY4})
      w.Double(v);
    for (double v : {p.reinforcedPhi, p.reinforcedCohesion, p.reinforcedUnitWeight, p.backfillPhi,
                     p.backfillCohesion, p.backfillUnitWeight, p.foundationPhi, p.foundationCohesion,
                     p.foundationUnitWeight})
      w.Double(v);
    for (double v : {p.interwedgeAngle, p.pulloutCoefficientReinforced, p.pulloutCoefficientFoundation,
                     p.slidingCoefficientReinforced, p.slidingCoefficientFoundation})
      w.Double(v);
    w.Int(p.lengthLayout);
    w.Double(p.seismicKh);
    w.Double(p.seismicKv);
    w.Int(p.seismicOnReinforcedMass);
    w.Int(p.penetrationForbidden);
    w.Int(versionSlot);
    for (double v : {p.maxPenetrationDepth, p.ultimateStrength, p.maxSpacing, p.minSpacing, p.bottomLayerHeight,
                     p.rfInstallation, p.rfDurability, p.rfCreep, p.coverageRatio})
      w.Double(v);
    w.Int(p.orientationMode);
    for (double v : {p.aorAngle, p.rorValue, p.fsSoilStrength, p.fsGeosyntheticStrength, p.fsPullout,
                     p.fsDirectSliding})
      w.Double(v);
  };
  auto layers = [&w](const ProjectInput& p) {
    for (int i = 0; i < kMaxLayers; ++i)
      for (double v : {p.layerElevation[i], p.layerUltimateStrength[i], p.layerRfInstallation[i],
                       p.layerRfDurability[i], p.layerRfCreep[i]})
        w.Double(v);
  };

  // ---- record 1
  w.Int(in.unitSystem);
  for (const std::string* t : {&in.currencyUnit, &in.projectTitle, &in.projectNumber, &in.projectDate,
                               &in.projectDescription, &in.designerName})
    w.Text(*t);
  common(in, 11);
  w.Int(in.layerCount);
  layers(in);
  // version > 1
  w.Text(d.settings.logoPath);
  w.Int(d.settings.includeLogo);
  w.Int(d.settings.symbolStyle);
  w.Int(0);
  w.Ints(20, 0);
  w.Int(in.khHalved);
  w.Int(run.khHalved);
  w.Int(r.deepSeatedNotConducted);
  w.Ints(75, 0);
  w.Doubles(100, 0.0);
  w.Text("");
  w.Texts(99);
  // version >= 11
  w.Text("");
  w.Double(in.targetFsDeepSeated);
  w.Text(d.programUpdateLabel);
  w.Int(types.typeOverflow);
  w.Int(types.typeCount);
  for (int i = 0; i < kMaxGeosyntheticTypes; ++i)
    for (double v : {types.typeUltimateStrength[i], types.typeRfInstallation[i], types.typeRfDurability[i],
                     types.typeRfCreep[i]})
      w.Double(v);
  for (int t : types.layerType) w.Int(t);

  // ---- record 2
  w.Int(run.unitSystem);
  w.Int(run.runMode);
  for (const std::string* t : {&run.currencyUnit, &run.projectTitle, &run.projectNumber, &run.projectDate,
                               &run.projectDescription, &run.designerName})
    w.Text(*t);
  common(run, 0);
  layers(run);
  w.Double(r.criticalCircleX);
  w.Double(r.criticalCircleY);
  w.Double(r.criticalCircleRadius);
  for (int i = 0; i < kMaxLayers; ++i)
    for (double v : {r.requiredTiebackStrength[i], r.resultLayerElevation[i], r.layerFaceX[i]}) w.Double(v);
  w.Int(r.resultLayerCount);
  w.Int(r.engineLayerCursor);
  for (int i = 0; i < kMaxLayers; ++i)
    for (double v : {r.layerFrontX[i], r.layerRearX[i], r.requiredTiebackStrengthFloored[i]}) w.Double(v);
  for (int i = 0; i < kSurfacePoints; ++i) {
    w.Double(r.outermostTiebackSurfaceX[i]);
    w.Double(r.outermostTiebackSurfaceY[i]);
  }
  for (int i = 0; i < kMaxLayers; ++i) {
    w.Double(r.availableCompoundStrength[i]);
    w.Int(r.controllingMode[i]);
  }
  for (double v : r.tiebackTr) w.Double(v);
  w.Int(r.lastCompoundLayer);
  w.Double(r.lastCompoundStartAngle);
  w.Double(r.lastCompoundEndAngle);
  for (int i = 0; i < kMaxLayers; ++i) {
    w.Double(r.embeddedLength[i]);
    w.Double(r.lengthToSlipSurface[i]);
  }
  w.Double(r.directSlidingLength);
  w.Double(r.maxTiebackCompoundLength);
  w.Double(r.deepSeatedFactor);
  for (int i = 0; i < kSurfacePoints; ++i) {
    w.Double(r.outermostCompoundSurfaceX[i]);
    w.Double(r.outermostCompoundSurfaceY[i]);
  }
  for (int i = 0; i < 3; ++i) {
    w.Double(r.directSlidingWedgeX[i]);
    w.Double(r.directSlidingWedgeY[i]);
  }
  for (int i = 0; i < kCirclePoints; ++i) {
    w.Double(r.deepSeatedCircleX[i]);
    w.Double(r.deepSeatedCircleY[i]);
  }
  w.Double(r.deepSeatedCutElevation);
  for (int row = 0; row < kMaxLayers; ++row)
    for (int k = 0; k < kSurfacePoints; ++k) {
      w.Double(r.tiebackSurfaceX[row][k]);
      w.Double(r.tiebackSurfaceY[row][k]);
    }
  for (int row = 0; row < kMaxLayers; ++row)
    for (int k = 0; k < kSurfacePoints; ++k)
      for (double v : {r.toeCompoundSurfaceX[row][k], r.toeCompoundSurfaceY[row][k], r.layerCompoundSurfaceX[row][k],
                       r.layerCompoundSurfaceY[row][k]})
        w.Double(v);
  // version > 1
  w.Ints(100, 0);
  w.Doubles(100, 0.0);
  w.Texts(100);
  // version >= 11
  w.Int(r.runCallCount);
  w.Double(run.targetFsDeepSeated);
  w.Double(r.finalFsDirectSliding);
  w.Double(r.runFsSoilStrength);
  for (double v : r.layerLongTermStrength) w.Double(v);
  return w.bytes;
}

// The first offset where two byte strings differ, for a readable failure.
std::string FirstDifference(const Bytes& a, const Bytes& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return "equal";
  return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(a.size()) + " and " +
         std::to_string(b.size()) + ")";
}

TEST(ProjectFileLayout, SavedBytesAreTheTablesFieldByField) {
  auto data = std::make_unique<ProjectData>();
  DistinctValues().Fill(*data);
  const Bytes golden = WriteByTheTables(*data);

  // The sizes of the tables: 269,403 bytes with every text at its one-byte
  // prefix, plus the characters of the texts and two bytes more for the
  // description's escaped prefix in both records.
  std::size_t characters = data->settings.logoPath.size() + data->programUpdateLabel.size();
  for (const ProjectInput* p : {&data->input, &data->runInput})
    for (const std::string* t : {&p->currencyUnit, &p->projectTitle, &p->projectNumber, &p->projectDate,
                                 &p->projectDescription, &p->designerName})
      characters += t->size();
  EXPECT_EQ(golden.size(), 269403u + characters + 2 * 2);

  const Bytes saved = SaveProjectToBytes(*data);
  EXPECT_TRUE(saved == golden) << FirstDifference(saved, golden);
}

TEST(ProjectFileLayout, ReadingTheTablesBytesPutsEveryValueInItsField) {
  auto expected = std::make_unique<ProjectData>();
  DistinctValues().Fill(*expected);
  const Bytes golden = WriteByTheTables(*expected);

  auto loaded = std::make_unique<ProjectData>();
  loaded->input.runMode = -5;  // not in the file: kept
  loaded->runInput.layerCount = -6;
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(golden.data(), golden.size(), *loaded, error)) << error;

  // What the file does not hold keeps its value; the update label of the file
  // is read aside.
  expected->input.runMode = -5;
  expected->runInput.layerCount = -6;
  expected->loadedUpdateLabel = expected->programUpdateLabel;
  expected->programUpdateLabel = loaded->programUpdateLabel;
  EXPECT_EQ(loaded->programUpdateLabel, "Update #1.1");

  // Spot checks of neighbours a slip would mix up, then the records whole.
  const ProjectInput& in = loaded->input;
  EXPECT_EQ(in.projectTitle, expected->input.projectTitle);
  EXPECT_EQ(in.projectNumber, expected->input.projectNumber);
  EXPECT_EQ(in.projectDate, expected->input.projectDate);
  EXPECT_EQ(in.designerName, expected->input.designerName);
  EXPECT_EQ(loaded->runInput.projectTitle, expected->runInput.projectTitle);
  EXPECT_EQ(in.phreaticX3, expected->input.phreaticX3);
  EXPECT_EQ(in.phreaticY2, expected->input.phreaticY2);
  EXPECT_EQ(loaded->results.embeddedLength[7], expected->results.embeddedLength[7]);
  EXPECT_EQ(loaded->results.lengthToSlipSurface[7], expected->results.lengthToSlipSurface[7]);
  EXPECT_EQ(loaded->input.khHalved, expected->input.khHalved);
  EXPECT_EQ(loaded->runInput.khHalved, expected->runInput.khHalved);
  EXPECT_EQ(loaded->runInput.targetFsDeepSeated, expected->runInput.targetFsDeepSeated);
  EXPECT_TRUE(loaded->input == expected->input);
  EXPECT_TRUE(loaded->runInput == expected->runInput);
  EXPECT_TRUE(loaded->results == expected->results);
  EXPECT_TRUE(loaded->settings == expected->settings);
  EXPECT_TRUE(loaded->geosyntheticTypes == expected->geosyntheticTypes);
  EXPECT_TRUE(*loaded == *expected);
}

}  // namespace
}  // namespace tervane
