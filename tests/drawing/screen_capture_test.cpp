// The capture commands of both drawing dialogs, driven headless: what part of
// the window they copy, the bitmap file and its save dialog, the flag file of
// the notice, the temporary bitmap handed to the image editor, and every
// failure reported.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "model/ProjectData.h"
#include "drawing/GraphicResultsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "support/ReportTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "common/DibImage.h"
#include "resources/DrawingResources.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using fw::HeadlessSession;
using fw::Script;

// The file as the program's own reader (the report logo's) reads it.
CDibImage ReadBitmap(const std::string& path) {
  CDibImage image;
  image.Load(path);
  return image;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ScreenCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drawtest::OptimisedRun(app_.project());
    app_.project().dataDirectory = dir_.Path().string();
  }

  std::string TemporaryBitmap() const { return dir_.File(kTemporaryBitmapFile); }
  std::string Flag() const { return dir_.File(kShowPaintFlagFile); }

  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
  HeadlessSession session_;
  dxftest::TempDir dir_;
};

// The rectangles are counted from the corner of the window's frame: a frame
// of 3 by 21 pixels (border and caption) moves them that much up and left in
// the client area, a window without a frame takes them as they are.
TEST_F(ScreenCaptureTest, TheRectanglesOfTheTwoCommands) {
  const fw::Size client{633, 476};
  EXPECT_EQ(BitmapFileRect(client, fw::Point{3, 21}), (fw::Rect{53, 0, 603, 340}));
  EXPECT_EQ(CallPaintRect(client, fw::Point{3, 21}), (fw::Rect{53, 0, 617, 348}));
  EXPECT_EQ(BitmapFileRect(fw::Size{0, 0}, fw::Point{3, 21}), (fw::Rect{-3, -21, 547, 319}));
  EXPECT_EQ(BitmapFileRect(client, fw::Point{}), (fw::Rect{56, 21, 606, 361}));
  EXPECT_EQ(CallPaintRect(client, fw::Point{}), (fw::Rect{56, 21, 620, 369}));
  EXPECT_EQ(BitmapFileRect(client, fw::Point{0, 37}), (fw::Rect{56, -16, 606, 324}));
}

// The capture takes what lies inside the client area: a rectangle that runs
// past its edges gives a smaller image, one wholly outside gives nothing.
TEST_F(ScreenCaptureTest, TheCaptureIsCutToTheClientArea) {
  CGraphicResultsDlg dlg;
  CDibImage inside, past, outside;
  session_.Queue(Script()
                     .Inspect([&] {
                       inside = CaptureDib(dlg, BitmapFileRect(dlg.ClientSize(), dlg.FrameOffset()));
                       past = CaptureDib(dlg, fw::Rect{-20, 400, 700, 600});
                       outside = CaptureDib(dlg, fw::Rect{700, 0, 900, 100});
                     })
                     .Escape());
  dlg.DoModal();
  EXPECT_EQ(inside.Width(), 550);
  EXPECT_EQ(inside.Height(), 340);
  EXPECT_EQ(inside.BitCount(), 24);
  EXPECT_EQ(inside.ColorCount(), 0);
  EXPECT_EQ(past.Width(), 633);
  EXPECT_EQ(past.Height(), 76);
  EXPECT_TRUE(outside.IsEmpty());
  EXPECT_TRUE(CaptureDib(dlg, fw::Rect{0, 0, 10, 10}).IsEmpty());  // no window any more
}

// The file: 14 bytes of file header, the information header, the colour
// table for 8 bits per pixel or fewer only, the rows from the bottom up.
TEST_F(ScreenCaptureTest, TheBitmapFileByteForByte) {
  fw::Image pixels(3, 2);
  pixels.SetPixel(0, 0, fw::RGB(255, 0, 0));
  pixels.SetPixel(1, 0, fw::RGB(0, 255, 0));
  pixels.SetPixel(2, 0, fw::RGB(0, 0, 255));
  pixels.SetPixel(0, 1, fw::kWhite);
  pixels.SetPixel(1, 1, fw::kBlack);
  pixels.SetPixel(2, 1, fw::RGB(1, 2, 3));
  CDibImage capture;
  ASSERT_TRUE(capture.Create(pixels));
  const std::string path = dir_.File("three.bmp");
  ASSERT_EQ(SaveDibToFile(&capture, path), kDibSaved);
  EXPECT_EQ(fw::golden::ReadFile(path),
            Bytes({// "BM", 78 bytes, two reserved words, the pixels at 54.
                   0x42, 0x4D, 0x4E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,
                   // 40 bytes, 3 x 2, 1 plane, 24 bits, no compression, 24 bytes of pixels, the rest 0.
                   0x28, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x18, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   // The bottom row first, blue-green-red, each row padded to 12 bytes.
                   0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x03, 0x02, 0x01, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(ReadBitmap(path).ToImage(), pixels);

  // An 8-bit bitmap keeps its 256 entries; a 24-bit one whose header claims
  // colours has no table to write.
  reporttest::BitmapBytes eight;
  eight.width = 2;
  eight.height = 1;
  eight.bitCount = 8;
  for (std::uint32_t i = 0; i < 256; ++i) eight.table.push_back(0x010101u * i);
  eight.pixels = {7, 200, 0, 0};
  reporttest::BitmapBytes claimed;
  claimed.width = 1;
  claimed.height = 1;
  claimed.clrUsed = 256;
  claimed.pixels = {1, 2, 3, 0};
  struct Case {
    const char* name;
    reporttest::BitmapBytes bytes;
    std::size_t pixelsAt;
  };
  const Case cases[] = {{"8 bits", eight, 14 + 40 + 256 * 4}, {"24 bits", claimed, 14 + 40}};
  for (const Case& c : cases) {
    CDibImage image;
    ASSERT_TRUE(image.LoadFromMemory(c.bytes.Bytes())) << c.name;
    const std::string file = dir_.File(std::string(c.name) + ".bmp");
    ASSERT_EQ(SaveDibToFile(&image, file), kDibSaved) << c.name;
    const std::string written = fw::golden::ReadFile(file);
    ASSERT_GE(written.size(), 14u) << c.name;
    const std::size_t offset =
        static_cast<unsigned char>(written[10]) | (static_cast<std::size_t>(static_cast<unsigned char>(written[11])) << 8);
    EXPECT_EQ(offset, c.pixelsAt) << c.name;
    EXPECT_EQ(written.size(), c.pixelsAt + 4) << c.name;
    EXPECT_EQ(ReadBitmap(file).ToImage(), image.ToImage()) << c.name;
  }
}

TEST_F(ScreenCaptureTest, SaveDibToFileCodes) {
  CDibImage good;
  ASSERT_TRUE(good.Create(fw::Image(3, 2, fw::RGB(1, 2, 3))));
  const CDibImage empty;
  const std::string path = dir_.File("capture.bmp");
  WriteText(path, "an older file");
  struct Case {
    const char* name;
    const CDibImage* image;
    std::string path;
    int code;
  };
  const Case cases[] = {
      {"no image", nullptr, path, kDibNoImage},
      {"an empty image", &empty, path, kDibNoImage},
      {"folder missing", &good, dir_.File("none/capture.bmp"), kDibNotWritten},
      {"a folder of that name", &good, dir_.Path().string(), kDibNotWritten},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(SaveDibToFile(c.image, c.path, &error), c.code) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
    EXPECT_EQ(fw::golden::ReadFile(path), "an older file") << c.name;  // untouched
  }
  // A good image replaces the older file whole.
  EXPECT_EQ(SaveDibToFile(&good, path), kDibSaved);
  EXPECT_EQ(std::filesystem::file_size(path), 78u);
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
  const fw::Image image = ReadBitmap(path).ToImage();
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
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
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
  const CDibImage read = ReadBitmap(TemporaryBitmap());
  EXPECT_EQ(read.Width(), 564);  // from (0.09 W, 0.045 H) to (0.98 W, 0.777 H)
  EXPECT_EQ(read.Height(), 348);
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
  const CDibImage read = ReadBitmap(TemporaryBitmap());
  EXPECT_EQ(read.Width(), 550);  // the compound and tieback drawing copies its BITMAP_FILE rectangle
  EXPECT_EQ(read.Height(), 340);
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
            "Tervane could NOT locate an image editor for bitmap files on this desktop.\n"
            "To overcome this problem, it is suggested that the desired drawing be first captured as\n"
            "a bitmap file.  Then, invoke a drawing program (or word processor) that can read bitmap\n"
            "files, retrieve the captured file, and use that program features to print the figure.");

  // A data directory that is gone: the file cannot be written, which is
  // said, and the editor is not asked to open anything.
  fakes_.shell.succeed = true;
  Project().dataDirectory = dir_.File("gone");
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
