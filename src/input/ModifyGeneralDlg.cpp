#include "input/ModifyGeneralDlg.h"

#include <optional>

#include "model/DataFiles.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "common/DibImage.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace {

constexpr const char* kLogoFile = "CoLogoT.INF";
constexpr const char* kNoticeFlagFile = "SHOWLOGO.INF";
// Room for any path: the saved logo path is read whole.
constexpr std::size_t kLogoPathMaxCharacters = 4096;
constexpr std::size_t kFlagMaxCharacters = 8;

}  // namespace

std::string FormatProjectDate(const fw::LocalDateTime& now) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* day = (now.dayOfWeek >= 0 && now.dayOfWeek < 7) ? kDays[now.dayOfWeek] : "???";
  const char* month = (now.month >= 1 && now.month <= 12) ? kMonths[now.month - 1] : "???";
  return Format("%s %s %02d %02d:%02d:%02d %d", day, month, now.day, now.hour, now.minute, now.second, now.year);
}

namespace input {

const DialogFields& GeneralFields() {
  using namespace ids::general;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_GENERAL";
    s.helpTopic = "Modify_General.htm";
    s.fields = {
        TextField(kTitle, &ProjectInput::projectTitle, 100),
        TextField(kNumber, &ProjectInput::projectNumber, 100),
        TextField(kDate, &ProjectInput::projectDate, 100),
        TextField(kDescription, &ProjectInput::projectDescription, 500),
        TextField(kDesigner, &ProjectInput::designerName, 100),
    };
    s.enterCycle = {{kTitle, kNumber}, {kNumber, kDescription}, {kDescription, kDesigner}, {kDesigner, kTitle}};
    // Blanks count as a name.
    s.checks = {
        ErrorCheck(1120, [](const CheckContext& c) { return c.Text(kDesigner).empty(); },
                   Fixed("Designer name must be input."), FocusOn(kDesigner)),
    };
    return s;
  }();
  return fields;
}

}  // namespace input

CModifyGeneralDlg::CModifyGeneralDlg() : CInputDialog(input::GeneralFields()) {
  OnClicked(ids::general::kRetrieveLogo, &CModifyGeneralDlg::OnRetrieveLogo);
  OnClicked(ids::general::kSaveLogo, &CModifyGeneralDlg::OnSaveLogo);
}

void CModifyGeneralDlg::InitControls() {
  // A new project proposes today's date; nothing is stored before OK.
  if (Project().input.projectDate.empty()) Text(ids::general::kDate) = FormatProjectDate(fw::Clock().Now());
  // A project without a logo takes the one kept for future runs, at once.
  if (Project().settings.logoPath.empty()) {
    if (std::optional<std::string> saved = ReadDataFileLine(kLogoFile, kLogoPathMaxCharacters))
      Project().settings.logoPath = *saved;
  }
}

void CModifyGeneralDlg::OnRetrieveLogo() {
  std::string flag = "SHOW";
  if (std::optional<std::string> line = ReadDataFileLine(kNoticeFlagFile, kFlagMaxCharacters))
    flag = *line;
  if (flag == "SHOW") {
    CShowOrNotLogoDlg notice;
    notice.DoModal();
  }
  // Only bitmap files are offered, as the proposed name "*.bmp" does on the
  // system the program came from.
  fw::FileDialogOptions options;
  options.filters = {fw::FileFilter{"Bitmap files (*.bmp)", "*.bmp"}};
  options.defaultExtension = "bmp";
  options.mustExist = true;
  std::optional<std::string> path = fw::FileDialogs().OpenFile(options);
  if (!path) return;
  Project().settings.logoPath = *path;
  // The choice stands, but a bitmap that cannot be printed is named now, not
  // only missed on the title page.
  if (const std::string problem = LogoProblem(*path); !problem.empty())
    fw::ShowMessage(UnusableLogoMessage(*path, problem), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
}

void CModifyGeneralDlg::OnSaveLogo() { WriteDataFileLine(kLogoFile, Project().settings.logoPath); }

// ---- CShowOrNotLogoDlg ---------------------------------------------------------------

CShowOrNotLogoDlg::CShowOrNotLogoDlg() : fw::Dialog(DialogTemplateNamed("IDD_SHOW_OR_NOT_LOGO")) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(ids::general::kDoNotShow, &CShowOrNotLogoDlg::OnDoNotShow);
}

bool CShowOrNotLogoDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CShowOrNotLogoDlg::DoDataExchange(fw::DataExchange& dx) { dx.Check(ids::general::kDoNotShow, doNotShow); }

// Every click writes the flag at once; the last one decides.
void CShowOrNotLogoDlg::OnDoNotShow() {
  UpdateData(true);
  WriteDataFileLine(kNoticeFlagFile, doNotShow != 0 ? "NOSHOW" : "SHOW");
}

}  // namespace tervane
