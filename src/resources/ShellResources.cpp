#include "resources/ShellResources.h"

#include <map>

namespace tervane::res {

using fw::MenuCommand;
using fw::MenuItem;
using fw::MenuPopup;
using fw::MenuSeparator;

namespace {

MenuItem ViewMenu() {
  return MenuPopup("&View", {MenuCommand(fw::ID_VIEW_TOOLBAR, "&Toolbar"),
                             MenuCommand(fw::ID_VIEW_STATUS_BAR, "&Status Bar")});
}

MenuItem HelpMenu() {
  return MenuPopup("&Help", {MenuCommand(fw::ID_HELP_FINDER, "&Help Topics"), MenuSeparator(),
                             MenuCommand(fw::ID_APP_ABOUT, "&About Tervane...")});
}

}  // namespace

fw::MenuTemplate MainFrameMenu() {
  fw::MenuTemplate menu;
  menu.number = kMainFrameResource;
  menu.popups = {
      MenuPopup("&File",
                {MenuCommand(fw::ID_FILE_NEW, "&New\tCtrl+N"), MenuCommand(fw::ID_FILE_OPEN, "&Open...\tCtrl+O"),
                 MenuSeparator(), MenuCommand(fw::ID_FILE_PRINT_SETUP, "P&rint Setup..."), MenuSeparator(),
                 MenuCommand(fw::ID_FILE_MRU_FILE1, "Recent File"), MenuSeparator(),
                 MenuCommand(fw::ID_APP_EXIT, "E&xit")}),
      ViewMenu(),
      HelpMenu(),
  };
  return menu;
}

fw::MenuTemplate DocumentMenu() {
  fw::MenuTemplate menu;
  menu.number = kDocumentResource;
  menu.popups = {
      MenuPopup("&File",
                {MenuCommand(fw::ID_FILE_NEW, "&New\tCtrl+N"), MenuCommand(fw::ID_FILE_OPEN, "&Open...\tCtrl+O"),
                 MenuCommand(fw::ID_FILE_CLOSE, "&Close"), MenuCommand(fw::ID_FILE_SAVE, "&Save\tCtrl+S"),
                 MenuCommand(fw::ID_FILE_SAVE_AS, "Save &As..."), MenuSeparator(),
                 MenuCommand(fw::ID_FILE_PRINT, "&Print...\tCtrl+P"),
                 MenuCommand(fw::ID_FILE_PRINT_PREVIEW, "Print Pre&view"),
                 MenuCommand(fw::ID_FILE_PRINT_SETUP, "P&rint Setup..."), MenuSeparator(),
                 MenuCommand(fw::ID_FILE_MRU_FILE1, "Recent File"), MenuSeparator(),
                 MenuCommand(fw::ID_APP_EXIT, "E&xit")}),
      ViewMenu(),
      HelpMenu(),
  };
  return menu;
}

fw::ToolbarTemplate MainToolbar() {
  fw::ToolbarTemplate toolbar;
  toolbar.number = kMainFrameResource;
  toolbar.pictureId = kPictureToolbar;
  toolbar.buttonWidth = 16;
  toolbar.buttonHeight = 15;
  toolbar.buttons = {fw::ID_FILE_NEW,  fw::ID_FILE_OPEN,          fw::ID_FILE_CLOSE,   fw::ID_FILE_SAVE,
                     0,                fw::ID_FILE_PRINT,         fw::ID_FILE_PRINT_PREVIEW, 0,
                     fw::ID_APP_ABOUT, fw::ID_CONTEXT_HELP,       0,                   ID_CALCULATOR,
                     0,                fw::ID_APP_EXIT};
  return toolbar;
}

std::vector<fw::Accelerator> MainAccelerators() {
  using fw::kAlt;
  using fw::kCtrl;
  using fw::kShift;
  return {
      {'N', kCtrl, fw::ID_FILE_NEW},
      {'O', kCtrl, fw::ID_FILE_OPEN},
      {'S', kCtrl, fw::ID_FILE_SAVE},
      {'P', kCtrl, fw::ID_FILE_PRINT},
      {'Z', kCtrl, fw::ID_EDIT_UNDO},
      {fw::kKeyBack, kAlt, fw::ID_EDIT_UNDO},
      {'X', kCtrl, fw::ID_EDIT_CUT},
      {fw::kKeyDelete, kShift, fw::ID_EDIT_CUT},
      {'C', kCtrl, fw::ID_EDIT_COPY},
      {fw::kKeyInsert, kCtrl, fw::ID_EDIT_COPY},
      {'V', kCtrl, fw::ID_EDIT_PASTE},
      {fw::kKeyInsert, kShift, fw::ID_EDIT_PASTE},
      {fw::kKeyF6, 0, fw::ID_NEXT_PANE},
      {fw::kKeyF6, kShift, fw::ID_PREV_PANE},
      {fw::kKeyF1, kShift, fw::ID_CONTEXT_HELP},
      {fw::kKeyF1, 0, fw::ID_HELP},
  };
}

std::vector<int> StatusIndicators() {
  return {fw::ID_SEPARATOR, fw::ID_INDICATOR_CAPS, fw::ID_INDICATOR_NUM, fw::ID_INDICATOR_SCRL};
}

std::string CommandPrompt(int id) {
  static const std::map<int, const char*> prompts = {
      {fw::ID_FILE_NEW, "Create a new project\nNew"},
      {fw::ID_FILE_OPEN, "Open an existing project\nOpen"},
      {fw::ID_FILE_CLOSE, "Close the open project\nClose"},
      {fw::ID_FILE_SAVE, "Save the open project\nSave"},
      {fw::ID_FILE_SAVE_AS, "Save the open project under a new name\nSave As"},
      {fw::ID_FILE_PRINT_SETUP, "Choose the printer and its options\nPrint Setup"},
      {fw::ID_FILE_PRINT, "Print the report of the open project\nPrint"},
      {fw::ID_FILE_PRINT_PREVIEW, "Show the pages of the report as they will be printed\nPrint Preview"},
      {fw::ID_APP_ABOUT, "Show the version of the program and its maker\nAbout"},
      {fw::ID_APP_EXIT, "Quit Tervane (you are asked to save a changed project)\nExit"},
      {fw::ID_HELP_FINDER, "List the help topics\nHelp Topics"},
      {fw::ID_CONTEXT_HELP, "Show help\nHelp"},
      {fw::ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle Toolbar"},
      {fw::ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
      {ID_CALCULATOR, "Use the calculator\nCalculator"},
  };
  if (id >= fw::ID_FILE_MRU_FILE1 && id < fw::ID_FILE_MRU_FILE1 + fw::kMaxRecentFileCommands)
    return "Open this project";
  const auto it = prompts.find(id);
  return it != prompts.end() ? it->second : "";
}

std::vector<std::string> ContactPrintLines() {
  return {
      kMakerName,
      kMakerStreet,
      kMakerTown,
      "United States of America",
      "",
      "Telephone: +1 (702) 555-0142",
      "Fax: +1 (702) 555-0143",
      "Support: support@mirelo.example.com",
      "Sales: sales@mirelo.example.com",
      "",
      std::string("Web: ") + kMakerWebAddress,
  };
}

std::vector<std::vector<std::string>> DisclaimerParagraphs() {
  return {
      {
          "Tervane only assists engineers in the design",
          "of geosynthetic-reinforced steep slopes. The",
          "user, an experienced engineer, is responsible",
          "for the appropriateness and accuracy of the",
          "input and for reviewing and verifying the",
          "results. Mirelo Engineering Inc. assumes no",
          "liability for damages resulting from the use",
          "or misuse of the program. Settlement is not",
          "considered in the analysis and should be",
          "assessed separately if deemed necessary.",
      },
      {
          "Mirelo Engineering Inc. does not warrant that",
          "the program is free of defects and omissions,",
          "that it meets the requirements of all users,",
          "or that it will run uninterrupted or error",
          "free. Neither Mirelo Engineering Inc. nor its",
          "distributors are obliged to provide the user",
          "with information on errors found in the",
          "program or with corrections of such errors,",
          "whether in a later version of the program or",
          "otherwise. The user bears the whole risk of",
          "relying on the results of the program, and",
          "should check them by independent means.",
      },
      {
          "EVERYTHING THE PROGRAM PROVIDES IS PROVIDED",
          "\"AS IS\". NO WARRANTY OF ANY KIND IS GIVEN,",
          "EXPRESS OR IMPLIED, INCLUDING THE WARRANTIES",
          "OF MERCHANTABILITY AND FITNESS FOR A",
          "PARTICULAR PURPOSE.",
      },
  };
}

}  // namespace tervane::res
