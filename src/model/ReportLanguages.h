#pragma once
// The twelve languages of the printed report, by the English names that
// settings.reportLanguage holds, and the eleven the dialogs offer.
//
// The report language is compared exactly (case-sensitively) with the twelve
// names below, in their order; any other value, the empty name included,
// prints the English texts with the Western fonts.

#include <array>
#include <cstddef>
#include <string_view>

namespace tervane {

enum class ReportLanguage {
  kEnglish,
  kDutch,
  kFrench,
  kGerman,
  kItalian,
  kPortuguese,
  kSpanish,
  kPolish,
  kFinnish,
  kSwedish,
  kNorwegian,
  kRussian,
};

inline constexpr std::size_t kReportLanguageCount = 12;

// The names as settings.reportLanguage holds them, in the order of the enum.
inline constexpr std::array<std::string_view, kReportLanguageCount> kReportLanguageNames = {
    "English", "Dutch",   "French",  "German",    "Italian", "Portuguese",
    "Spanish", "Polish",  "Finnish", "Swedish",   "Norwegian", "Russian"};

// The eleven languages the dialogs offer (Norwegian is not offered), in the
// order of their sorted lists.
inline constexpr std::array<std::string_view, 11> kOfferedReportLanguages = {
    "Dutch", "English", "Finnish", "French", "German", "Italian",
    "Polish", "Portuguese", "Russian", "Spanish", "Swedish"};
// True when the name is exactly one of the offered ones.
bool IsOfferedReportLanguage(std::string_view name);

// The language whose name matches exactly; English for any other value.
ReportLanguage ReportLanguageOf(std::string_view reportLanguage);
std::string_view ReportLanguageName(ReportLanguage language);
inline constexpr std::size_t LanguageIndex(ReportLanguage language) {
  return static_cast<std::size_t>(language);
}

}  // namespace tervane
