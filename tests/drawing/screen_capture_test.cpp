// The capture commands of both drawing dialogs, driven headless: what part of
// the window they copy, the bitmap file and its save dialog, the flag file of
// the notice, the temporary bitmap handed to the image editor, and every
// failure reported.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../framework/GoldenFile.h"
#include "DrawingTestSupport.h"
#include "app/TervaneApp.h"
#include "drawing/GraphicResultsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "framework/Dib.h"
#include "framework/FakeServices.h"
#include "framework/FileIo.h"
#include "framework/HeadlessBackend.h"
#include "resources/DrawingResources.h"

namespace tervane {
namespace {

using fw::HeadlessSession;
using fw::Script;

std::optional<fw::PackedDib> ReadBitmap(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!fw::ReadWholeFile(path, bytes, error)) return std::nullopt;
  return fw::DecodeBmpFile(bytes, &error);
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ScreenCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drawtest::OptimisedRun(app_.app());
    app_.app().dataDirectory = dir_.path();
  }

  std::string TemporaryBitmap() const { return dir_.File(kTemporaryBitmapFile); }
  std::string Flag() const { return dir_.File(kShowPaintFlagFile); }

  ScopedApp app_;
  fw::ScopedFakeServices fakes_;
  HeadlessSession session_;
  dxftest::TempDir dir_;
};

TEST_F(ScreenCaptureTest, TheRectanglesOfTheTwoCommands) {
  const fw::Size client{633, 476};
  // From 0.09 W and 0.045 H of the dialog at the screen's corner: its client
  // area starts 3 pixels in and 21 down, so the figure is copied from its
  // top, 340 pixels down to the frame's bottom at 0.713 H.
  EXPECT_EQ(BitmapFileRect(client), (fw::Rect{53, 0, 603, 340}));
  EXPECT_EQ(CallPaintRect(client), (fw::Rect{53, 0, 617, 348}));
  EXPECT_EQ(BitmapFileRect(fw::Size{0, 0}), (fw::Rect{-3, -21, 547, 319}));
}

// The capture takes what lies inside the client area: a rectangle that runs
// past its edges gives a smaller image, one wholly outside gives nothing.
TEST_F(ScreenCaptureTest, TheCaptureIsCutToTheClientArea) {
  CGraphicResultsDlg dlg;
  std::optional<fw::PackedDib> inside, past, outside;
  session_.Queue(Script()
                     .Inspect([&] {
                       inside = CaptureDib(dlg, BitmapFileRect(dlg.ClientSize()));
                       past = CaptureDib(dlg, fw::Rect{-20, 400, 700, 600});
                       outside = CaptureDib(dlg, fw::Rect{700, 0, 900, 100});
                     })
                     .Escape());
  dlg.DoModal();
  ASSERT_TRUE(inside.has_value());
  EXPECT_EQ(inside->header.width, 550);
  EXPECT_EQ(inside->header.height, 340);
  EXPECT_EQ(inside->header.bitCount, 24);
  EXPECT_TRUE(inside->colourTable.empty());
  ASSERT_TRUE(past.has_value());
  EXPECT_EQ(past->header.width, 633);
  EXPECT_EQ(past->header.height, 76);
  EXPECT_FALSE(outside.has_value());
  EXPECT_FALSE(CaptureDib(dlg, fw::Rect{0, 0, 10, 10}).has_value());  // no window any more
}

TEST_F(ScreenCaptureTest, SaveDibToFileCodes) {
  const fw::PackedDib good = *fw::DibFromImage(fw::Image(3, 2, fw::RGB(1, 2, 3)));
  fw::PackedDib longHeader = good;
  longHeader.header.size = 124;
  fw::PackedDib cut = good;
  cut.bits.pop_back();
  const std::string path = dir_.File("capture.bmp");
  WriteText(path, "an older file");
  struct Case {
    const char* name;
    const fw::PackedDib* image;
    std::string path;
    int code;
  };
  const Case cases[] = {
      {"no image", nullptr, path, kDibNoImage},
      {"108-byte header", &longHeader, path, kDibBadHeader},
      {"pixels missing", &cut, path, kDibNotWritten},
      {"folder missing", &good, dir_.File("none/capture.bmp"), kDibNotWritten},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(SaveDibToFile(c.image, c.path, &error), c.code) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
    EXPECT_EQ(fw::golden::ReadFile(path), "an older file") << c.name;  // untouched
  }
  EXPECT_EQ(SaveDibToFile(&good, path), kDibSaved);
  EXPECT_EQ(fw::golden::ReadFile(path), std::string(reinterpret_cast<const char*>(fw::EncodeBmpFile(good).data()), 78));
}

// BITMAP_FILE of the results drawing: the save dialog for a ".bmp" file that
// asks before it replaces one, then the 550 x 340 figure in 561,734 bytes.
TEST_F(ScreenCaptureTest, BitmapFileWritesTheFigureToTheChosenFile) {
  const std::string path = dir_.File("figure.bmp");
  fakes_.fileDialogs.QueueSave(path);
  CGraphicResultsDlg dlg;
  session_.Queue(Script().Click(res::kBitmapFileId).Escape());
  dlg.DoModal();
  ASSERT_EQ(fakes_.fileDialogs.SaveCalls().size(), 1u);
  const fw::FileDialogOptions& options = fakes_.fileDialogs.SaveCalls()[0];
  EXPECT_EQ(options.defaultExtension, "bmp");
  EXPECT_EQ(options.proposedName, "*.bmp");
  EXPECT_TRUE(options.filters.empty());
  EXPECT_TRUE(options.askOverwrite);
  EXPECT_EQ(std::filesystem::file_size(path), 561734u);
  const std::optional<fw::PackedDib> read = ReadBitmap(path);
  ASSERT_TRUE(read.has_value());
  const fw::Image image = fw::ImageFromDib(*read);
  EXPECT_EQ(image.Width(), 550);
  EXPECT_EQ(image.Height(), 340);
  EXPECT_EQ(image.Pixel(10, 10), fw::RGB(222, 222, 222));  // a headless window shows its background
  EXPECT_TRUE(session_.MessageBoxes().empty());
}

TEST_F(ScreenCaptureTest, BitmapFileCancelledOrRefused) {
  fakes_.fileDialogs.QueueSave(std::nullopt);
  const std::string refused = dir_.File("no such folder/figure.bmp");
  fakes_.fileDialogs.QueueSave(refused);
  CGraphicResultsExtraDlg dlg;  // the compound and tieback drawing has the same command
  session_.Queue(Script().Click(res::kBitmapFileId).Click(res::kBitmapFileId).Escape());
  dlg.DoModal();
  EXPECT_EQ(fakes_.fileDialogs.SaveCalls().size(), 2u);
  ASSERT_EQ(session_.MessageBoxes().size(), 1u);
  const std::string& message = session_.MessageBoxes()[0];
  EXPECT_EQ(message.rfind("The bitmap file could not be written:\n" + refused + "\n\nCannot create a file beside ", 0),
            0u)
      << message;
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

// A figure that cannot be captured is reported at once; no file is asked for.
TEST_F(ScreenCaptureTest, NothingToCaptureIsReported) {
  CGraphicResultsDlg dlg;
  session_.Queue(Script()
                     .Inspect([&] {
                       CaptureToBitmapFile(dlg, fw::Rect{900, 900, 1000, 1000});
                       CaptureToImageEditor(dlg, fw::Rect{10, 10, 10, 50});
                     })
                     .Escape());
  dlg.DoModal();
  EXPECT_TRUE(fakes_.fileDialogs.SaveCalls().empty());
  EXPECT_TRUE(fakes_.shell.Opened().empty());
  ASSERT_EQ(session_.MessageBoxes().size(), 2u);
  EXPECT_EQ(session_.MessageBoxes()[0], "The drawing could not be captured: no part of the figure is on the window.");
}

// CALL_PAINT: the notice unless the flag says otherwise, the temporary
// bitmap written anew, and the desktop asked to open it.
TEST_F(ScreenCaptureTest, CallPaintShowsTheNoticeByItsFlag) {
  struct Case {
    const char* name;
    const char* content;  // null: no flag file
    bool notice;
  };
  const Case cases[] = {
      {"no file", nullptr, true},
      {"SHOW", "SHOW\n", true},
      {"SHOW with CR LF", "SHOW\r\n", true},
      {"SHOW without a line end keeps its W", "SHOW", true},
      {"NOSHOW", "NOSHOW\n", false},
      {"NOSHOW with CR LF", "NOSHOW\r\n", false},
      {"anything else", "show\n", false},
  };
  int notices = 0;
  for (const Case& c : cases) {
    std::filesystem::remove(Flag());
    if (c.content != nullptr) WriteText(Flag(), c.content);
    EXPECT_EQ(ReadShowPaintFlag(), c.content == nullptr ? "SHOW" : std::string(c.content).substr(0, std::string(c.content).find_first_of("\r\n")))
        << c.name;
    CGraphicResultsDlg dlg;
    session_.Queue(Script().Click(res::kCallPaintId).Answer(Script().Enter()).Escape());
    dlg.DoModal();
    const fw::DialogRecord* notice = session_.Find("IDD_SHOW_OR_NOT_PAINT", notices);
    EXPECT_EQ(notice != nullptr, c.notice) << c.name;
    if (notice != nullptr) {
      ++notices;
      EXPECT_EQ(notice->caption, "IMPORTANT");
      EXPECT_EQ(notice->depth, 1);
    }
  }
  ASSERT_EQ(fakes_.shell.Opened().size(), std::size(cases));
  for (const std::string& opened : fakes_.shell.Opened()) EXPECT_EQ(opened, TemporaryBitmap());
  const std::optional<fw::PackedDib> read = ReadBitmap(TemporaryBitmap());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->header.width, 564);  // from (0.09 W, 0.045 H) to (0.98 W, 0.777 H)
  EXPECT_EQ(read->header.height, 348);
  EXPECT_TRUE(session_.MessageBoxes().empty());
}

TEST_F(ScreenCaptureTest, TheNoticesBoxWritesTheFlagAtEveryClick) {
  CShowOrNotPaintDlg notice;
  std::vector<std::string> flags;
  auto note = [&] { flags.push_back(fw::golden::ReadFile(Flag())); };
  session_.Queue(Script().Click(res::kDoNotShowPaintId).Inspect(note).Click(res::kDoNotShowPaintId).Inspect(note)
                     .Click(res::kDoNotShowPaintId).Inspect(note).Enter());
  EXPECT_EQ(notice.DoModal(), fw::IDOK);
  EXPECT_EQ(flags, (std::vector<std::string>{"NOSHOW\n", "SHOW\n", "NOSHOW\n"}));
  EXPECT_EQ(notice.doNotShow, 1);
  EXPECT_FALSE(session_.Find("IDD_SHOW_OR_NOT_PAINT")->Visible(1244));
  // The next CALL_PAINT goes straight to the editor.
  CGraphicResultsDlg dlg;
  session_.Queue(Script().Click(res::kCallPaintId).Escape());
  dlg.DoModal();
  EXPECT_EQ(session_.Find("IDD_SHOW_OR_NOT_PAINT", 1), nullptr);
  EXPECT_EQ(fakes_.shell.Opened().size(), 1u);
}

// The editor never opens an older drawing: a stale temporary bitmap is
// replaced, and when the new one cannot be written nothing is opened.
TEST_F(ScreenCaptureTest, TheTemporaryBitmapIsAlwaysTheNewCapture) {
  WriteText(Flag(), "NOSHOW\n");
  WriteText(TemporaryBitmap(), "an old drawing");
  {
    CGraphicResultsExtraDlg dlg;
    session_.Queue(Script().Click(res::kCallPaintId).Escape());
    dlg.DoModal();
  }
  const std::optional<fw::PackedDib> read = ReadBitmap(TemporaryBitmap());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->header.width, 550);  // the compound and tieback drawing copies its BITMAP_FILE rectangle
  EXPECT_EQ(read->header.height, 340);
  EXPECT_EQ(fakes_.shell.Opened().size(), 1u);

  // No desktop program for the file: the four lines.
  fakes_.shell.succeed = false;
  {
    CGraphicResultsDlg dlg;
    session_.Queue(Script().Click(res::kCallPaintId).Escape());
    dlg.DoModal();
  }
  ASSERT_EQ(session_.MessageBoxes().size(), 1u);
  EXPECT_EQ(session_.MessageBoxes()[0],
            "Tervane could NOT locate program MS Paint.\n"
            "To overcome this problem, it is suggested that the desired drawing be first captured as\n"
            "a bitmap file.  Then, invoke a drawing program (or word processor) that can read bitmap\n"
            "files, retrieve the captured file, and use that program features to print the figure.");

  // A data directory that is gone: the file cannot be written, which is
  // said, and the editor is not asked to open anything.
  fakes_.shell.succeed = true;
  App().dataDirectory = dir_.File("gone");
  {
    CGraphicResultsDlg dlg;
    session_.Queue(Script().Click(res::kCallPaintId).Answer(Script().Enter()).Escape());
    dlg.DoModal();
  }
  EXPECT_EQ(fakes_.shell.Opened().size(), 2u);  // the two calls before
  ASSERT_EQ(session_.MessageBoxes().size(), 2u);
  EXPECT_EQ(session_.MessageBoxes()[1].rfind("The bitmap file could not be written:\n" + dir_.File("gone/") +
                                                 kTemporaryBitmapFile,
                                             0),
            0u)
      << session_.MessageBoxes()[1];
}

}  // namespace
}  // namespace tervane
