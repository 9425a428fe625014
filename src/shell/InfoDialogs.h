#pragma once
// The dialogs that inform the user: the start-up notice IDD_INTRO (which must
// be confirmed with OK for the program to go on), the About box
// IDD_ABOUTBOX, and the contact information IDD_CONTACT_INFO and the
// disclaimer IDD_DISCLAIMER reached from both, each with a PRINT button that
// prints its content on one page.

#include <string>

#include "framework/Dialog.h"

namespace tervane {

class CIntroDlg : public fw::Dialog {
 public:
  CIntroDlg();

  std::string companyText;      // 1124
  std::string reservedText;     // 1122
  std::string updateLabelText;  // 1245, programUpdateLabel when the notice opens

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnHomePage();
  void OnUpdatePage();
  void OnDisclaimer();
};

class CAboutDlg : public fw::Dialog {
 public:
  CAboutDlg();

  std::string companyText;   // 1122
  std::string reservedText;  // 1123

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnContactInfo();
  void OnDisclaimer();
};

class CContactInfoDlg : public fw::Dialog {
 public:
  CContactInfoDlg();

 private:
  void OnPrint();
};

class CDisclaimerDlg : public fw::Dialog {
 public:
  CDisclaimerDlg();

 private:
  void OnPrint();
};

}  // namespace tervane
