// Where the controls of the two drawing dialogs and of the geometry details
// stand (dialog units), control by control, and the notice before the image
// editor, which names no program of another system.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogTemplate.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {
namespace {

// One line a control: its id (or its picture for an unnamed picture), its
// text, its place and whether it is hidden.
std::vector<std::string> Layout(const char* name) {
  const fw::DialogTemplate* t = FindDialogTemplate(name);
  EXPECT_NE(t, nullptr) << name;
  std::vector<std::string> lines;
  if (t == nullptr) return lines;
  for (const fw::ControlTemplate& c : t->controls) {
    std::string line = c.kind == fw::ControlKind::Picture ? "picture " + std::to_string(c.pictureId)
                                                          : std::to_string(c.id);
    if (!c.text.empty() && c.kind != fw::ControlKind::Spreadsheet) line += " \"" + c.text + "\"";
    line += " " + std::to_string(c.x) + "," + std::to_string(c.y) + "," + std::to_string(c.width) + "," +
            std::to_string(c.height);
    if (c.flags & fw::kHidden) line += " hidden";
    lines.push_back(line);
  }
  return lines;
}

TEST(DrawingTemplates, TheResultsDrawingDialog) {
  EXPECT_EQ(Layout("IDD_GRAPHIC_RESULTS"),
            (std::vector<std::string>{
                "1133 5,1,24,209",  // the list: wide enough for "100" beside its scroll bar
                "-1 25,209,389,1",
                "-1 4,212,68,38",  // the hint keeps the list's picture clear of its text
                "picture 210 7,216,24,18",
                "-1 \"Click on layer number to view results.\" 32,216,38,32",
                "1145 \"Outer-most slip surfaces emerging through toe + deepseated circle\" 76,213,88,30",
                "1151 \"View tieback and compound results\" 76,244,88,21",
                "1152 \"BITMAP_FILE\" 183,212,105,18",
                "1162 \"Geometry Details\" 7,270,66,16",
                "-1 182,234,99,53",
                "-1 \"Figure:\" 189,239,35,8",
                "1176 \"SCALE_LARGE\" 189,253,17,16",
                "1177 \"SCALE_SMALL\" 207,253,17,16",
                "1178 \"Default Scale\" 189,270,84,12",
                "1248 \"Up\" 227,238,21,13",
                "1249 \"Down\" 250,238,24,13",
                "1246 \"Left\" 227,253,21,13",
                "1247 \"Right\" 250,253,24,13",
                "1181 \"B/W\" 283,234,21,14",
                "2305 \"CALL_PAINT\" 283,255,66,14",
                "2306 \"CALL_DXF\" 283,272,66,14",
                "-1 307,214,102,32 hidden",
                "1 \"&RETURN\" 365,271,50,15",
                "1244 \"IDD_GRAPHIC_RESULTS\" 83,278,90,8",
            }));
}

TEST(DrawingTemplates, TheCompoundAndTiebackDrawingDialog) {
  EXPECT_EQ(Layout("IDD_GRAPHIC_RESULTS_EXTRA"),
            (std::vector<std::string>{
                "1133 5,1,24,209",
                "-1 25,209,390,1",
                "-1 4,212,64,74",
                "picture 210 12,216,24,18",
                "-1 \"Click on layer number to view results + tieback and compound (outer most) slip surfaces\" "
                "8,236,58,48",
                "picture 180 70,221,65,21",
                "1146 \"View all tieback slip surfaces\" 73,249,60,30",
                "-1 139,212,113,74",
                "-1 \"View all compound slip surfaces passing through:\" 145,218,56,38",
                "1147 \"... the Toe\" 202,219,45,16",
                "1148 \"... all layers\" 202,238,45,16",
                "1150 \"EXPLANATION\" 144,259,103,16",
                "1152 \"BITMAP_FILE\" 309,212,105,18",
                "1181 \"B/W\" 258,212,21,14",
                "-1 256,233,94,53",
                "-1 \"Figure:\" 263,237,35,8",
                "1248 \"Up\" 302,237,21,13",
                "1249 \"Down\" 324,237,24,13",
                "1176 \"SCALE_LARGE\" 260,253,17,16",
                "1177 \"SCALE_SMALL\" 278,253,17,16",
                "1246 \"Left\" 302,252,21,13",
                "1247 \"Right\" 324,252,24,13",
                "1178 \"Default Scale\" 260,270,87,12",
                "2305 \"CALL_PAINT\" 351,233,66,14",
                "1 \"&RETURN\" 365,271,50,15",
                "1244 \"IDD_GRAPHIC_RESULTS_EXTRA\" 38,191,100,8",
            }));
}

// The figures beside the values: the slope drawn for this dialog's size, and
// the surcharges.
TEST(DrawingTemplates, TheGeometryDetailsFigures) {
  std::vector<std::string> pictures;
  for (const std::string& line : Layout("IDD_GEOMETRY_DETAILS"))
    if (line.rfind("picture ", 0) == 0) pictures.push_back(line);
  EXPECT_EQ(pictures, (std::vector<std::string>{"picture 136 25,76,8,10", "picture 165 25,88,8,10",
                                                "picture 3210 133,7,124,68", "picture 192 133,84,124,42"}));
}

TEST(DrawingTemplates, TheNoticeNamesTheDesktopsImageEditor) {
  const std::vector<std::string> lines = Layout("IDD_SHOW_OR_NOT_PAINT");
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0],
            "-1 \"Clicking on OK will open the drawing in the image editor of this desktop (its program for bitmap "
            "files).\" 7,7,327,8");
  EXPECT_EQ(lines[1],
            "-1 \"This graphics program will automatically display the drawing.  Using the image editor you can:\" "
            "7,19,327,8");
  EXPECT_EQ(lines[5],
            "-1 \"To reduce the use of computer resources, it is recommended to exit the image editor, upon "
            "completion \" 7,69,327,8");
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("Paint"), std::string::npos) << line;
    EXPECT_EQ(line.find("Windows"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tervane
