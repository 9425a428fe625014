#pragma once
// The print-preview control of the spreadsheet: it shows the pages that
// printing its source sheet would give (SpreadsheetPrint.h), one below the
// other on a background of its preview colour.
//
// DISPIDs: 6 the source sheet's window handle (HWnd of the spreadsheet), 2 the
// preview colour (a Windows colour value); settings 3, 5, 12 (I4), 17 and 18
// (I2) are stored exactly as passed and have no visible role. The control
// raises no events.

#include <memory>
#include <string_view>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/HostedControl.h"
#include "framework/SpreadsheetPrint.h"

namespace tervane::fw {

class Spreadsheet;

namespace preview {
inline constexpr int kSourceWindow = 6;
inline constexpr int kColor = 2;
inline constexpr int kSetting3 = 3;
inline constexpr int kSetting5 = 5;
inline constexpr int kSetting12 = 12;
inline constexpr int kSetting17 = 17;
inline constexpr int kSetting18 = 18;
}  // namespace preview

class SpreadsheetPreview final : public HostedControl {
 public:
  SpreadsheetPreview() = default;

  std::unique_ptr<HostedControl> Snapshot() const override;

  int SourceWindow() const { return sourceWindow_; }
  ColorRef PreviewColor() const { return color_; }
  // A setting as passed (Empty when never set).
  Variant Setting(int dispid) const;

  // The sheet shown (null when the handle names no live sheet), the page
  // setup and the pages, as printing would make them now.
  const Spreadsheet* Source() const;
  SheetPageSetup PageSetup() const { return CurrentSheetPageSetup(); }
  std::vector<SheetPage> Pages() const;
  // Draws page `index` as printing draws it (nothing without a source).
  void PaintPage(DeviceContext& dc, std::size_t index) const;

 protected:
  std::string_view DispatchName(int dispid) const override;
  void DoPut(int dispid, const Variant& value) override;
  Variant DoGet(int dispid) override;
  void DoPutIndexed(int, const Variant&, const Variant&) override {}
  Variant DoInvoke(int, const std::vector<Variant>&) override { return {}; }

 private:
  int sourceWindow_ = 0;
  ColorRef color_ = RGB(128, 128, 128);
  std::vector<std::pair<int, Variant>> settings_;
};

}  // namespace tervane::fw
