#pragma once
// Helpers of the DXF tests: the records of a run computed by the engine, the
// fixture projects, a reader of DXF groups and entities, the strict reader of
// python3-ezdxf, and temporary folders.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <stdlib.h>
#include <sys/wait.h>

#include "model/ProjectData.h"
#include "model/StrengthFunctions.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"
#include "support/Commands.h"
#include "support/EngineRun.h"
#include "support/TempDir.h"

namespace tervane::dxftest {

// ---- a run of the engine ------------------------------------------------------

using testsupport::RunProject;

// The SI fixture: the default slope with a phreatic surface, three
// surcharges and ground falling away in front of the toe.
inline void SetUpSiFixture(ProjectInput& in) {
  in.unitSystem = 0;
  in.waterMode = 0;
  in.surchargeQ1 = 10.0;
  in.surchargeQ2 = 5.0;
  in.surchargeQ3 = 20.0;
  in.bottomSlopeAngle = 5.0;
  in.maxPenetrationDepth = 6.0;
}

// The second fixture: a steeper slope of 4.5 m without backslope, one
// surcharge over the crest, no water; shown in English units.
inline void SetUpEnglishFixture(ProjectInput& in) {
  in.unitSystem = 1;
  in.slopeHeight = 4.5;
  in.slopeAngle = 60.0;
  in.crestLengthA = 3.0;
  in.crestLengthB = 0.0;
  in.backslopeAngle = 0.0;
  in.surchargeQ1 = 12.0;
  in.waterMode = 2;
  in.maxPenetrationDepth = 5.0;
}

// ---- the drawing as the export writes it ------------------------------------------

// The bytes of every file before its entities.
inline std::string PrologueBytes() {
  DxfStream dxf;
  dxf.Open("unused");
  WriteDxfPrologue(dxf);
  return dxf.Bytes();
}

// The whole file of the chosen elements of a run, in drawing units of L.
inline std::string DrawingBytes(const ProjectInput& runInput, const AnalysisResults& results,
                                const DxfSelection& selection, double L, int layerCount) {
  DxfStream dxf;
  dxf.Open("unused");
  WriteDxfPrologue(dxf);
  WriteDxfEntities(dxf, selection, DxfScene{runInput, results, L, layerCount});
  WriteDxfEpilogue(dxf);
  return dxf.Bytes();
}

inline std::string DrawingBytes(const ProjectData& data, const DxfSelection& selection, double L) {
  return DrawingBytes(data.runInput, data.results, selection, L, data.results.resultLayerCount);
}

// ---- reading a DXF file back ------------------------------------------------------

struct Group {
  int code = 0;
  std::string value;
};

// The groups of a DXF text; every line must end with CR LF. Sets `ok` false
// on a malformed text.
inline std::vector<Group> ParseGroups(std::string_view bytes, bool& ok) {
  ok = true;
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string_view::npos) {
      ok = false;
      break;
    }
    lines.emplace_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  std::vector<Group> groups;
  if (lines.size() % 2 != 0) ok = false;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    char* rest = nullptr;
    const long code = std::strtol(lines[i].c_str(), &rest, 10);
    if (lines[i].empty() || *rest != '\0') ok = false;
    groups.push_back(Group{static_cast<int>(code), lines[i + 1]});
  }
  return groups;
}

struct Vertex {
  double x = 0;
  double y = 0;
  friend bool operator==(const Vertex&, const Vertex&) = default;
};

// One entity of the ENTITIES section: a LINE (two points) or a POLYLINE with
// its vertices (as written, six significant digits).
struct Entity {
  std::string type;
  std::string layer;
  std::vector<Vertex> points;
  std::vector<double> widths;  // polylines: header width, then start and end width per vertex
};

inline double Num(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

inline std::vector<Entity> ParseEntities(std::string_view bytes) {
  bool ok = true;
  const std::vector<Group> groups = ParseGroups(bytes, ok);
  std::vector<Entity> entities;
  std::size_t i = 0;
  while (i < groups.size() && !(groups[i].code == 2 && groups[i].value == "ENTITIES")) ++i;
  ++i;
  while (i < groups.size()) {
    const Group& g = groups[i];
    if (g.code == 0 && g.value == "ENDSEC") break;
    if (g.code == 0 && (g.value == "LINE" || g.value == "POLYLINE")) {
      Entity e;
      e.type = g.value;
      entities.push_back(e);
      ++i;
      Vertex a, b;
      bool polyline = g.value == "POLYLINE";
      while (i < groups.size() && groups[i].code != 0) {
        const Group& h = groups[i];
        if (h.code == 8) entities.back().layer = h.value;
        if (!polyline) {
          if (h.code == 10) a.x = Num(h.value);
          if (h.code == 20) a.y = Num(h.value);
          if (h.code == 11) b.x = Num(h.value);
          if (h.code == 21) b.y = Num(h.value);
        } else if (h.code == 40) {
          entities.back().widths.push_back(Num(h.value));
        }
        ++i;
      }
      if (!polyline) entities.back().points = {a, b};
      continue;
    }
    if (g.code == 0 && g.value == "VERTEX") {
      Vertex v;
      ++i;
      while (i < groups.size() && groups[i].code != 0) {
        const Group& h = groups[i];
        if (h.code == 10) v.x = Num(h.value);
        if (h.code == 20) v.y = Num(h.value);
        if (h.code == 40 || h.code == 41) entities.back().widths.push_back(Num(h.value));
        ++i;
      }
      entities.back().points.push_back(v);
      continue;
    }
    ++i;
  }
  return entities;
}

// The entities on one layer and of one type.
inline std::vector<Entity> OnLayer(const std::vector<Entity>& all, const std::string& type,
                                   const std::string& layer) {
  std::vector<Entity> out;
  for (const Entity& e : all)
    if (e.type == type && e.layer == layer) out.push_back(e);
  return out;
}

// ---- the strict reader of python3-ezdxf -------------------------------------------

#if defined(TERVANE_PYTHON3) && defined(TERVANE_DXF_CHECK_SCRIPT)

// What tests/drawing/check_dxf.py prints for the files (see there), with its
// exit status: 0 when the reader took every file.
inline std::string EzdxfSummary(const std::vector<std::string>& paths, int& status) {
  status = -1;
  const std::string python = TERVANE_PYTHON3;
  if (python.empty() || python.find("NOTFOUND") != std::string::npos) return "no python3 found";
  std::string command = "'" + python + "' '" TERVANE_DXF_CHECK_SCRIPT "'";
  for (const std::string& p : paths) command += " '" + p + "'";
  command += " 2>&1";
  return testsupport::RunAndRead(command, &status);
}
#endif

// The layer table as the reader lists it: the fourteen of the file, then the
// two a reader always adds.
inline constexpr const char* kEzdxfLayers =
    "LAYERS LINES TEXT ARC SOLID POLY1 POLY2 POLY3 POLY4 POLY5 LINES_W LINES_R POLY7 POLY_W BACKGROUND 0 "
    "Defpoints\n";

// ---- files ------------------------------------------------------------------------

// A fresh directory for one test, removed at the end.
using testsupport::TempDir;

}  // namespace tervane::dxftest
