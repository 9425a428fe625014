#include "framework/SpreadsheetPreview.h"

#include "framework/Spreadsheet.h"

namespace tervane::fw {

std::unique_ptr<HostedControl> SpreadsheetPreview::Snapshot() const {
  auto copy = std::make_unique<SpreadsheetPreview>();
  copy->sourceWindow_ = sourceWindow_;
  copy->color_ = color_;
  copy->settings_ = settings_;
  CopyLogTo(*copy);
  return copy;
}

Variant SpreadsheetPreview::Setting(int dispid) const {
  for (const auto& [id, value] : settings_)
    if (id == dispid) return value;
  return {};
}

const Spreadsheet* SpreadsheetPreview::Source() const { return Spreadsheet::FromWindowHandle(sourceWindow_); }

std::vector<SheetPage> SpreadsheetPreview::Pages() const {
  const Spreadsheet* sheet = Source();
  return sheet != nullptr ? PaginateSheet(*sheet, PageSetup()) : std::vector<SheetPage>{};
}

void SpreadsheetPreview::PaintPage(DeviceContext& dc, std::size_t index) const {
  const Spreadsheet* sheet = Source();
  if (sheet == nullptr) return;
  const SheetPageSetup setup = PageSetup();
  PaintSheetPage(dc, *sheet, setup, PaginateSheet(*sheet, setup), index);
}

std::string_view SpreadsheetPreview::DispatchName(int dispid) const {
  switch (dispid) {
    case preview::kSourceWindow: return "PreviewSourceWindow";
    case preview::kColor: return "PreviewColor";
    case preview::kSetting3: return "PreviewSetting3";
    case preview::kSetting5: return "PreviewSetting5";
    case preview::kSetting12: return "PreviewSetting12";
    case preview::kSetting17: return "PreviewSetting17";
    case preview::kSetting18: return "PreviewSetting18";
    default: return {};
  }
}

void SpreadsheetPreview::DoPut(int dispid, const Variant& value) {
  if (dispid == preview::kSourceWindow) {
    sourceWindow_ = value.AsInt();
  } else if (dispid == preview::kColor) {
    color_ = ColorRef::FromWindows(value.AsColor());
  } else {
    for (auto& [id, v] : settings_) {
      if (id == dispid) {
        v = value;
        NotifyChanged();
        return;
      }
    }
    settings_.emplace_back(dispid, value);
  }
  NotifyChanged();
}

Variant SpreadsheetPreview::DoGet(int dispid) {
  if (dispid == preview::kSourceWindow) return Variant::I4(sourceWindow_);
  if (dispid == preview::kColor) return Variant::Color(color_.ToWindows());
  return Setting(dispid);
}

}  // namespace tervane::fw
