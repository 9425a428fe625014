#pragma once
// Resources of the application shell: the main frame's menus, toolbar,
// accelerators and command prompts, the document string, the maker's texts
// (the notice, About, contact and disclaimer dialogs and their printouts
// show them), and the numbers of the shell's dialogs and pictures.

#include <string>
#include <vector>

#include "framework/Commands.h"

namespace tervane::res {

// ---- resource numbers ----------------------------------------------------------
inline constexpr int kMainFrameResource = 128;   // menu, toolbar, accelerators, icon, title
inline constexpr int kDocumentResource = 129;    // the document template's menu
inline constexpr int kPictureToolbar = 128;      // 10 faces of 16 x 15 pixels
inline constexpr int kPictureSplash = 102;       // 731 x 491
inline constexpr int kPictureMainMenuTitle = 131;  // 170 x 25
inline constexpr int kPictureMakerLogo = 224;    // 75 x 75
inline constexpr int kPictureProgramTitle = 240;   // 472 x 67

// ---- controls of the shell's dialogs ----------------------------------------------
// The start-up notice IDD_INTRO.
inline constexpr int kIntroBlankId = 1121;
inline constexpr int kIntroReservedId = 1122;
inline constexpr int kIntroRightsId = 1123;
inline constexpr int kIntroCompanyId = 1124;
inline constexpr int kIntroBeforeUsingId = 1126;
inline constexpr int kIntroDisclaimerNoteId = 1127;
inline constexpr int kIntroLimitationNoteId = 1128;
inline constexpr int kIntroUpdateLabelId = 1245;
inline constexpr int kHomePageButtonId = 2430;
inline constexpr int kUpdatePageButtonId = 2431;
inline constexpr int kDisclaimerButtonId = 2139;  // also in IDD_ABOUTBOX
// The About box IDD_ABOUTBOX.
inline constexpr int kAboutRightsId = 1121;
inline constexpr int kAboutCompanyId = 1122;
inline constexpr int kAboutReservedId = 1123;
inline constexpr int kAboutTitleId = 1124;
inline constexpr int kAboutVersionId = 1125;
inline constexpr int kContactButtonId = 2138;
// The PRINT buttons of IDD_DISCLAIMER and IDD_CONTACT_INFO.
inline constexpr int kDisclaimerPrintId = 2140;
inline constexpr int kContactPrintId = 2141;
// The main menu IDD_START.
inline constexpr int kModifyInputId = 1000;
inline constexpr int kRunOptimizedId = 1001;
inline constexpr int kRunUserSpecifiedId = 1002;
inline constexpr int kViewTablesId = 1003;
inline constexpr int kViewLayoutId = 1004;
inline constexpr int kQuantitiesId = 1006;
inline constexpr int kSaveResultsAsTextId = 1007;

// The program's own command: start the desktop's calculator.
inline constexpr int ID_CALCULATOR = 32772;

inline constexpr const char* kProgramTitle = "Tervane";
inline constexpr const char* kDocumentString =
    "\nTervane\nTervane\nTervane Files (*.NAT)\n.NAT\nTervane.Document\nTervane Document";

// Menu 128 (no project open) and 129 (a project open).
fw::MenuTemplate MainFrameMenu();
fw::MenuTemplate DocumentMenu();
fw::ToolbarTemplate MainToolbar();
std::vector<fw::Accelerator> MainAccelerators();
// The status-bar panes: the message pane and the three lock-key indicators.
std::vector<int> StatusIndicators();
// The prompt of a command, "status text\ntool tip", or "" when it has none.
std::string CommandPrompt(int id);

// ---- the maker -------------------------------------------------------------------
// One maker everywhere: the notice, About, contact, the report's title page
// and footer, and the text report all name it with these texts.
inline constexpr const char* kMakerName = "Mirelo Engineering Inc.";
inline constexpr const char* kMakerNameThreeLines = "Mirelo\nEngineering\nInc.";
inline constexpr const char* kMakerYears = "1998-2026";
inline constexpr const char* kMakerStreet = "417 Quarry Lane, Suite 200";
inline constexpr const char* kMakerTown = "Harbourton, NV 89000";
inline constexpr const char* kRightsNotice = "Copyright (c) 1998-2026";
inline constexpr const char* kAllRightsReserved = "All Rights Reserved";
inline constexpr const char* kMakerWebAddress = "www.mirelo.example.com";
// Who developed the design philosophy and the program, as the report's title
// page and the text report credit it: the developer's name with his title,
// then the maker's postal address in two lines.
inline constexpr const char* kDeveloperNameAndTitle = "Dr.-Ing. Halvard Quennell";
inline std::string MakerAddressLine1() { return std::string(kMakerName) + ", " + kMakerStreet; }
inline std::string MakerAddressLine2() { return std::string(kMakerTown) + ", " + kMakerWebAddress; }
inline constexpr const char* kMakerHomePage = "https://www.mirelo.example.com/";
inline constexpr const char* kMakerUpdatePage = "https://www.mirelo.example.com/tervane/updates/";
inline constexpr const char* kAboutCitation =
    "The design follows the procedure for geosynthetic-reinforced steep slopes of the Mirelo "
    "Slope Design Guide, Part 3: Reinforced Slopes (Mirelo Technical Publication MT-104, 2005).";

// The contact lines, as the contact dialog shows them and its printout
// prints them (eleven lines, two of them empty).
std::vector<std::string> ContactPrintLines();
// The disclaimer's three paragraphs as printed: 10, 12 and 5 lines.
std::vector<std::vector<std::string>> DisclaimerParagraphs();
inline constexpr const char* kDisclaimerTitle = "D I S C L A I M E R";

}  // namespace tervane::res
