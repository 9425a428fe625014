#pragma once
// Capture of a drawing dialog's figure to a bitmap file, and the hand-off of
// a capture to the desktop's image editor, shared by both drawing dialogs.
//
// The figure is copied from what the dialog's own window shows (its painting
// and its controls) at the start of each command, before any dialog of the
// command opens, into a 24-bit device-independent bitmap, and written by the
// program's own bitmap writer (CDibImage, which also reads the report's logo).
//
//   BITMAP_FILE: CaptureToBitmapFile(dlg, BitmapFileRect(dlg.ClientSize(), dlg.FrameOffset()));
//   CALL_PAINT:  CaptureToImageEditor(dlg, CallPaintRect(dlg.ClientSize(), dlg.FrameOffset()));
//
// Every failure (nothing to capture, a file that cannot be written, no
// program for the file) is reported in a message box.

#include <string>

#include "framework/Dialog.h"
#include "common/DibImage.h"

namespace tervane {

// The one-line flag of the notice before the image editor, and the capture
// handed to the editor; both in the data directory.
inline constexpr const char* kShowPaintFlagFile = "SHOWPAINT.INF";
inline constexpr const char* kTemporaryBitmapFile = "TemporaryBitmapTervane.bmp";

// Result codes of SaveDibToFile.
inline constexpr int kDibSaved = 0;
inline constexpr int kDibNoImage = 11;
inline constexpr int kDibNotWritten = 12;   // the file cannot be created, or not every byte was written
inline constexpr int kDibNotLocked = 13;    // kept for the table of codes; an image in memory is never locked
inline constexpr int kDibBadHeader = 14;    // not a 40-byte information header (the program makes none)

// What the user sees when no program of the desktop takes the bitmap.
inline constexpr const char* kNoImageEditorMessage =
    "Tervane could NOT locate an image editor for bitmap files on this desktop.\n"
    "To overcome this problem, it is suggested that the desired drawing be first captured as\n"
    "a bitmap file.  Then, invoke a drawing program (or word processor) that can read bitmap\n"
    "files, retrieve the captured file, and use that program features to print the figure.";

// The rectangles of the figure are given in pixels of a drawing dialog from
// the top-left corner of its outer frame, so they count the dialog's frame:
// its border and caption, as the window manager draws them (`frame`, the
// client area's corner within the frame: Dialog::FrameOffset). The capture
// takes the dialog's own client area, in which the same part of the figure
// lies that much higher and further left; without a frame the two agree.
//
// The part of the client area that BITMAP_FILE copies: from (0.09 W, 0.045 H)
// less the frame, 550 pixels wide and 340 high (the figure's height at the
// dialog's size); and the part that CALL_PAINT of the results drawing
// copies: from the same corner to (0.98 W, 0.777 H) less the frame. Fractions
// are truncated to whole pixels.
fw::Rect BitmapFileRect(fw::Size client, fw::Point frame);
fw::Rect CallPaintRect(fw::Size client, fw::Point frame);

// The figure inside `rect` of the dialog's client area (cut to the client
// area) as a 24-bit bitmap without a colour table; an empty one when no part
// of it lies inside or the window shows no pixels.
CDibImage CaptureDib(const fw::Dialog& dialog, const fw::Rect& rect);

// Writes the bitmap as a ".bmp" file, whole or not at all (through a
// temporary file beside it): the 14-byte file header, the information
// header, the colour table (bitmaps of 8 bits per pixel or fewer only) and
// the pixels. kDibSaved, or the code of the failure (an empty image counts
// as none) with its reason in `error`.
int SaveDibToFile(const CDibImage* image, const std::string& path, std::string* error = nullptr);

// BITMAP_FILE: captures, asks for a ".bmp" file (asking before an existing
// file is replaced) and writes it. Cancel writes nothing.
void CaptureToBitmapFile(fw::Dialog& dialog, const fw::Rect& rect);

// CALL_PAINT: captures, shows the notice unless "SHOWPAINT.INF" says
// "NOSHOW", writes "TemporaryBitmapTervane.bmp" anew (an older one is deleted
// first) and opens it with the desktop's program for ".bmp" files; when no
// program takes it, kNoImageEditorMessage says so.
void CaptureToImageEditor(fw::Dialog& dialog, const fw::Rect& rect);

// The flag of "SHOWPAINT.INF": its first line without its line end, "SHOW"
// when the file cannot be read.
std::string ReadShowPaintFlag();

// IDD_SHOW_OR_NOT_PAINT: what the image editor offers, and a box that stops
// the notice for good.
class CShowOrNotPaintDlg : public fw::Dialog {
 public:
  CShowOrNotPaintDlg();

  // The box "Do NOT show this window in subsequent runs": 1 ticked.
  int doNotShow = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  // Every click writes "SHOWPAINT.INF" at once: "NOSHOW" ticked, "SHOW" not.
  void OnDoNotShow();
};

}  // namespace tervane
