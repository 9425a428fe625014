#include "drawing/ScreenCapture.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "model/DataFiles.h"
#include "common/MessageDialogs.h"
#include "framework/DataExchange.h"
#include "framework/FileIo.h"
#include "framework/Profile.h"
#include "framework/Services.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

namespace {

// The flag file holds "SHOW" or "NOSHOW"; a longer first line is no flag.
constexpr std::size_t kFlagMaxCharacters = 9;

void ReportCaptureFailure() {
  fw::ShowMessage("The drawing could not be captured: no part of the figure is on the window.",
                  fw::MessageButtons::Ok, fw::MessageIcon::Warning);
}

void ReportWriteFailure(const std::string& path, const std::string& error) {
  fw::ShowMessage("The bitmap file could not be written:\n" + path + (error.empty() ? "" : "\n\n" + error),
                  fw::MessageButtons::Ok, fw::MessageIcon::Warning);
}

}  // namespace

fw::Rect BitmapFileRect(fw::Size client, fw::Point frame) {
  const int left = fw::ToDeviceCoord(0.09 * client.cx) - frame.x;
  const int top = fw::ToDeviceCoord(0.045 * client.cy) - frame.y;
  return fw::Rect{left, top, left + 550, top + 340};
}

fw::Rect CallPaintRect(fw::Size client, fw::Point frame) {
  return fw::Rect{fw::ToDeviceCoord(0.09 * client.cx) - frame.x, fw::ToDeviceCoord(0.045 * client.cy) - frame.y,
                  fw::ToDeviceCoord(0.98 * client.cx) - frame.x, fw::ToDeviceCoord(0.777 * client.cy) - frame.y};
}

CDibImage CaptureDib(const fw::Dialog& dialog, const fw::Rect& rect) {
  CDibImage image;
  if (rect.right <= rect.left || rect.bottom <= rect.top) return image;
  // Every display this program runs on shows more than 8 bits per pixel:
  // the bitmap is a true-colour one, without the system palette.
  image.Create(dialog.GrabClient(rect));
  return image;
}

int SaveDibToFile(const CDibImage* image, const std::string& path, std::string* error) {
  auto fail = [error](int code, const std::string& why) {
    if (error != nullptr) *error = why;
    return code;
  };
  if (image == nullptr || image->IsEmpty()) return fail(kDibNoImage, "There is no image.");
  if (image->Header().size != 40)
    return fail(kDibBadHeader, "The image does not start with a 40-byte information header.");
  std::string why;
  if (!fw::WriteFileAtomically(path, image->SaveToBytes(), why)) return fail(kDibNotWritten, why);
  return kDibSaved;
}

void CaptureToBitmapFile(fw::Dialog& dialog, const fw::Rect& rect) {
  const CDibImage image = CaptureDib(dialog, rect);
  if (image.IsEmpty()) {
    ReportCaptureFailure();
    return;
  }
  fw::FileDialogOptions options;
  options.defaultExtension = "bmp";
  options.proposedName = "*.bmp";
  options.askOverwrite = true;
  const std::optional<std::string> path = fw::FileDialogs().SaveFile(options);
  if (!path) return;
  std::string error;
  if (SaveDibToFile(&image, *path, &error) != kDibSaved) ReportWriteFailure(*path, error);
}

std::string ReadShowPaintFlag() {
  std::string error;
  const std::optional<std::string> line = ReadFirstLine(DataFilePath(kShowPaintFlagFile), kFlagMaxCharacters, &error);
  if (!line) {
    std::cerr << "open failed on input file" << std::endl;
    // Something that is no flag file stands there: the user hears of it.
    if (!error.empty()) fw::ShowMessage(DataFileReadFailureText(error), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
    return "SHOW";
  }
  return *line;
}

void CaptureToImageEditor(fw::Dialog& dialog, const fw::Rect& rect) {
  const CDibImage image = CaptureDib(dialog, rect);
  if (image.IsEmpty()) {
    ReportCaptureFailure();
    return;
  }
  if (ReadShowPaintFlag() == "SHOW") {
    CShowOrNotPaintDlg notice;
    notice.DoModal();  // however it closes, the command goes on
  }
  // The editor must never open an older drawing: the old file goes first.
  const std::string path = DataFilePath(kTemporaryBitmapFile);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  std::string error;
  if (SaveDibToFile(&image, path, &error) != kDibSaved) {
    ReportWriteFailure(path, error);
    return;
  }
  if (!fw::Shell().OpenWithDesktop(path))
    fw::ShowMessage(kNoImageEditorMessage, fw::MessageButtons::Ok, fw::MessageIcon::Warning);
}

CShowOrNotPaintDlg::CShowOrNotPaintDlg() : fw::Dialog(DialogTemplateNamed("IDD_SHOW_OR_NOT_PAINT")) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(res::kDoNotShowPaintId, &CShowOrNotPaintDlg::OnDoNotShow);
}

bool CShowOrNotPaintDlg::OnInitDialog() {
  ApplyDialogIdLabelRule(*this);
  return fw::Dialog::OnInitDialog();
}

void CShowOrNotPaintDlg::DoDataExchange(fw::DataExchange& dx) { dx.Check(res::kDoNotShowPaintId, doNotShow); }

void CShowOrNotPaintDlg::OnDoNotShow() {
  doNotShow = GetCheck(res::kDoNotShowPaintId) == 1 ? 1 : 0;
  std::string error;
  if (!WriteSingleLine(DataFilePath(kShowPaintFlagFile), doNotShow == 1 ? "NOSHOW" : "SHOW", &error)) {
    std::cerr << "open failed on input file" << std::endl;
    fw::ShowMessage(fw::SettingNotKeptText(error), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  }
}

}  // namespace tervane
