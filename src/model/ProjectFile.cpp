#include "model/ProjectFile.h"

#include <memory>

#include "framework/Archive.h"
#include "framework/FileIo.h"

namespace tervane {
namespace {

using fw::Archive;

// Reserved items are written as zeros and empty texts, and read and dropped.
void ReservedInts(Archive& ar, int count) {
  for (int i = 0; i < count; ++i) {
    std::int32_t v = 0;
    ar.Exchange(v);
  }
}

void ReservedDoubles(Archive& ar, int count) {
  for (int i = 0; i < count; ++i) {
    double v = 0.0;
    ar.Exchange(v);
  }
}

void ReservedTexts(Archive& ar, int count) {
  for (int i = 0; i < count; ++i) {
    std::string v;
    ar.Exchange(v);
  }
}

// The currency and the five project texts, in the order both records hold them.
void ProjectTexts(Archive& ar, ProjectInput& p) {
  ar.Exchange(p.currencyUnit);
  ar.Exchange(p.projectTitle);
  ar.Exchange(p.projectNumber);
  ar.Exchange(p.projectDate);
  ar.Exchange(p.projectDescription);
  ar.Exchange(p.designerName);
}

// Geometry to the factors of safety, the same run of fields in both records. `versionSlot` is the int written in place of row 44.
void GeometryToFactors(Archive& ar, ProjectInput& p, std::int32_t& versionSlot) {
  ar.Exchange(p.slopeHeight);
  ar.Exchange(p.slopeAngle);
  ar.Exchange(p.crestLengthA);
  ar.Exchange(p.crestLengthB);
  ar.Exchange(p.backslopeAngle);
  ar.Exchange(p.surchargeQ1);
  ar.Exchange(p.surchargeQ2);
  ar.Exchange(p.surchargeQ3);
  ar.Exchange(p.bottomSlopeAngle);
  ar.Exchange(p.waterMode);
  ar.Exchange(p.poreWaterCoefficient);
  ar.Exchange(p.phreaticX2);
  ar.Exchange(p.phreaticX3);
  ar.Exchange(p.phreaticX4);
  ar.Exchange(p.phreaticY2);
  ar.Exchange(p.phreaticY3);
  ar.Exchange(p.phreaticY4);
  ar.Exchange(p.reinforcedPhi);
  ar.Exchange(p.reinforcedCohesion);
  ar.Exchange(p.reinforcedUnitWeight);
  ar.Exchange(p.backfillPhi);
  ar.Exchange(p.backfillCohesion);
  ar.Exchange(p.backfillUnitWeight);
  ar.Exchange(p.foundationPhi);
  ar.Exchange(p.foundationCohesion);
  ar.Exchange(p.foundationUnitWeight);
  ar.Exchange(p.interwedgeAngle);
  ar.Exchange(p.pulloutCoefficientReinforced);
  ar.Exchange(p.pulloutCoefficientFoundation);
  ar.Exchange(p.slidingCoefficientReinforced);
  ar.Exchange(p.slidingCoefficientFoundation);
  ar.Exchange(p.lengthLayout);
  ar.Exchange(p.seismicKh);
  ar.Exchange(p.seismicKv);
  ar.Exchange(p.seismicOnReinforcedMass);
  ar.Exchange(p.penetrationForbidden);
  ar.Exchange(versionSlot);
  ar.Exchange(p.maxPenetrationDepth);
  ar.Exchange(p.ultimateStrength);
  ar.Exchange(p.maxSpacing);
  ar.Exchange(p.minSpacing);
  ar.Exchange(p.bottomLayerHeight);
  ar.Exchange(p.rfInstallation);
  ar.Exchange(p.rfDurability);
  ar.Exchange(p.rfCreep);
  ar.Exchange(p.coverageRatio);
  ar.Exchange(p.orientationMode);
  ar.Exchange(p.aorAngle);
  ar.Exchange(p.rorValue);
  ar.Exchange(p.fsSoilStrength);
  ar.Exchange(p.fsGeosyntheticStrength);
  ar.Exchange(p.fsPullout);
  ar.Exchange(p.fsDirectSliding);
}

void LayerTable(Archive& ar, ProjectInput& p) {
  for (int i = 0; i < kMaxLayers; ++i) {
    ar.Exchange(p.layerElevation[i]);
    ar.Exchange(p.layerUltimateStrength[i]);
    ar.Exchange(p.layerRfInstallation[i]);
    ar.Exchange(p.layerRfDurability[i]);
    ar.Exchange(p.layerRfCreep[i]);
  }
}

void TracePair(Archive& ar, SurfaceTrace& x, SurfaceTrace& y) {
  for (int i = 0; i < kSurfacePoints; ++i) {
    ar.Exchange(x[i]);
    ar.Exchange(y[i]);
  }
}

// Record 1 up to its layer table; returns the format version (written 11,
// read from the file).
std::int32_t Record1Base(Archive& ar, ProjectData& d) {
  ProjectInput& p = d.input;
  ar.Exchange(p.unitSystem);
  ProjectTexts(ar, p);
  std::int32_t version = kProjectFormatVersion;
  GeometryToFactors(ar, p, version);
  ar.Exchange(p.layerCount);
  LayerTable(ar, p);
  return ar.IsStoring() ? kProjectFormatVersion : version;
}

void Record1Version2(Archive& ar, ProjectData& d) {
  ar.Exchange(d.settings.logoPath);
  ar.Exchange(d.settings.includeLogo);
  ar.Exchange(d.settings.symbolStyle);
  ReservedInts(ar, 1);
  ReservedInts(ar, 20);
  ar.Exchange(d.input.khHalved);
  ar.Exchange(d.runInput.khHalved);
  ar.Exchange(d.results.deepSeatedNotConducted);
  ReservedInts(ar, 75);
  ReservedDoubles(ar, 100);
  ReservedTexts(ar, 1);
  ReservedTexts(ar, 99);
}

void Record1Version11(Archive& ar, ProjectData& d) {
  ReservedTexts(ar, 1);
  ar.Exchange(d.input.targetFsDeepSeated);
  if (ar.IsStoring()) {
    ar.Exchange(d.programUpdateLabel);
  } else {
    ar.Exchange(d.loadedUpdateLabel);
  }
  GeosyntheticTypeTable& t = d.geosyntheticTypes;
  ar.Exchange(t.typeOverflow);
  ar.Exchange(t.typeCount);
  for (int i = 0; i < kMaxGeosyntheticTypes; ++i) {
    ar.Exchange(t.typeUltimateStrength[i]);
    ar.Exchange(t.typeRfInstallation[i]);
    ar.Exchange(t.typeRfDurability[i]);
    ar.Exchange(t.typeRfCreep[i]);
  }
  for (int i = 0; i < kMaxLayers; ++i) ar.Exchange(t.layerType[i]);
}

void Record2Base(Archive& ar, ProjectData& d) {
  ProjectInput& p = d.runInput;
  AnalysisResults& r = d.results;
  ar.Exchange(p.unitSystem);
  ar.Exchange(p.runMode);
  ProjectTexts(ar, p);
  std::int32_t unusedVersion = 0;  // written 0, read and dropped
  GeometryToFactors(ar, p, unusedVersion);
  LayerTable(ar, p);

  ar.Exchange(r.criticalCircleX);
  ar.Exchange(r.criticalCircleY);
  ar.Exchange(r.criticalCircleRadius);
  for (int i = 0; i < kMaxLayers; ++i) {
    ar.Exchange(r.requiredTiebackStrength[i]);
    ar.Exchange(r.resultLayerElevation[i]);
    ar.Exchange(r.layerFaceX[i]);
  }
  ar.Exchange(r.resultLayerCount);
  ar.Exchange(r.engineLayerCursor);
  for (int i = 0; i < kMaxLayers; ++i) {
    ar.Exchange(r.layerFrontX[i]);
    ar.Exchange(r.layerRearX[i]);
    ar.Exchange(r.requiredTiebackStrengthFloored[i]);
  }
  TracePair(ar, r.outermostTiebackSurfaceX, r.outermostTiebackSurfaceY);
  for (int i = 0; i < kMaxLayers; ++i) {
    ar.Exchange(r.availableCompoundStrength[i]);
    ar.Exchange(r.controllingMode[i]);
  }
  for (int i = 0; i < kMaxLayers; ++i) ar.Exchange(r.tiebackTr[i]);
  ar.Exchange(r.lastCompoundLayer);
  ar.Exchange(r.lastCompoundStartAngle);
  ar.Exchange(r.lastCompoundEndAngle);
  for (int i = 0; i < kMaxLayers; ++i) {
    ar.Exchange(r.embeddedLength[i]);
    ar.Exchange(r.lengthToSlipSurface[i]);
  }
  ar.Exchange(r.directSlidingLength);
  ar.Exchange(r.maxTiebackCompoundLength);
  ar.Exchange(r.deepSeatedFactor);
  TracePair(ar, r.outermostCompoundSurfaceX, r.outermostCompoundSurfaceY);
  for (int i = 0; i < 3; ++i) {
    ar.Exchange(r.directSlidingWedgeX[i]);
    ar.Exchange(r.directSlidingWedgeY[i]);
  }
  for (int i = 0; i < kCirclePoints; ++i) {
    ar.Exchange(r.deepSeatedCircleX[i]);
    ar.Exchange(r.deepSeatedCircleY[i]);
  }
  ar.Exchange(r.deepSeatedCutElevation);
  for (int row = 0; row < kMaxLayers; ++row) TracePair(ar, r.tiebackSurfaceX[row], r.tiebackSurfaceY[row]);
  for (int row = 0; row < kMaxLayers; ++row) {
    for (int i = 0; i < kSurfacePoints; ++i) {
      ar.Exchange(r.toeCompoundSurfaceX[row][i]);
      ar.Exchange(r.toeCompoundSurfaceY[row][i]);
      ar.Exchange(r.layerCompoundSurfaceX[row][i]);
      ar.Exchange(r.layerCompoundSurfaceY[row][i]);
    }
  }
}

void Record2Version2(Archive& ar) {
  ReservedInts(ar, 100);
  ReservedDoubles(ar, 100);
  ReservedTexts(ar, 100);
}

void Record2Version11(Archive& ar, ProjectData& d) {
  AnalysisResults& r = d.results;
  ar.Exchange(r.runCallCount);
  ar.Exchange(d.runInput.targetFsDeepSeated);
  ar.Exchange(r.finalFsDirectSliding);
  ar.Exchange(r.runFsSoilStrength);
  for (int i = 0; i < kMaxLayers; ++i) ar.Exchange(r.layerLongTermStrength[i]);
}

// The counts and type numbers every reader indexes the tables by. The type
// count reaches one more than the table holds when the last layer table needed
// too many geosynthetics; a layer's type number always names an entry.
bool CountsInRange(const ProjectData& d) {
  if (d.input.layerCount < 0 || d.input.layerCount > kMaxLayers) return false;
  if (d.results.resultLayerCount < 0 || d.results.resultLayerCount > kMaxLayers) return false;
  const GeosyntheticTypeTable& t = d.geosyntheticTypes;
  if (t.typeCount < 0 || t.typeCount > kMaxGeosyntheticTypes + 1) return false;
  for (int type : t.layerType)
    if (type < 1 || type > kMaxGeosyntheticTypes) return false;
  return true;
}

// Walks both records; returns how many doubles of the run record (the run's
// snapshot of the input and its results) were read as NaN or infinity. The
// reserved doubles are dropped and do not count.
std::size_t SerializeRecords(Archive& ar, ProjectData& d) {
  const std::int32_t version = Record1Base(ar, d);
  if (version > 1) Record1Version2(ar, d);
  if (version >= 11) Record1Version11(ar, d);
  std::size_t nonFinite = ar.NonFiniteDoubles();
  Record2Base(ar, d);
  nonFinite = ar.NonFiniteDoubles() - nonFinite;
  if (version > 1) Record2Version2(ar);
  const std::size_t beforeVersion11 = ar.NonFiniteDoubles();
  if (version >= 11) Record2Version11(ar, d);
  return nonFinite + (ar.NonFiniteDoubles() - beforeVersion11);
}

// A run cannot have made a result that is not a finite number: such a run
// record is dropped whole, as if the project had never been run.
void DropRunRecord(ProjectData& d) {
  d.runInput = ProjectInput(ProjectInput::Defaults::kRunSnapshot);
  d.results = AnalysisResults();
}

}  // namespace

void SerializeProject(fw::Archive& ar, ProjectData& d) { SerializeRecords(ar, d); }

std::vector<std::uint8_t> SaveProjectToBytes(const ProjectData& data) {
  // The walk is written once for both directions and so takes the records by
  // reference; storing works on a copy to keep `data` const.
  auto copy = std::make_unique<ProjectData>(data);
  fw::Archive ar;
  SerializeProject(ar, *copy);
  return ar.Buffer();
}

bool LoadProjectFromBytes(const std::uint8_t* bytes, std::size_t size, ProjectData& data,
                          std::string& error) {
  if (bytes == nullptr || size == 0) {
    error = kUnexpectedFileFormat;
    return false;
  }
  // Fields a file does not hold keep the values they have now, so the scratch
  // copy starts as the current project.
  auto scratch = std::make_unique<ProjectData>(data);
  fw::Archive ar(bytes, size);
  const std::size_t nonFiniteResults = SerializeRecords(ar, *scratch);
  if (ar.Failed() || !CountsInRange(*scratch)) {
    error = kUnexpectedFileFormat;
    return false;
  }
  // Bytes after the run record are left unread: older writers may pad.
  scratch->resultsDropped = nonFiniteResults != 0 ? 1 : 0;
  if (scratch->resultsDropped != 0) DropRunRecord(*scratch);
  data = *scratch;
  return true;
}

bool LoadProjectFile(const std::string& path, ProjectData& data, std::string& error) {
  std::vector<std::uint8_t> bytes;
  std::string readError;
  // No sound project file comes near this size; a larger one is not read.
  constexpr std::size_t kMaxProjectFileBytes = std::size_t(64) << 20;
  if (!fw::ReadWholeFile(path, bytes, readError, kMaxProjectFileBytes)) {
    error = readError;
    return false;
  }
  return LoadProjectFromBytes(bytes.data(), bytes.size(), data, error);
}

bool SaveProjectFile(const std::string& path, const ProjectData& data, std::string& error) {
  return fw::WriteFileAtomically(path, SaveProjectToBytes(data), error);
}

}  // namespace tervane
