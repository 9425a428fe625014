#pragma once
// The twelve languages of the printed report and the tables of its texts.
//
// The report language is the English name held in settings.reportLanguage.
// It is compared exactly (case-sensitively) with the twelve names below, in
// their order; any other value, the empty name included, prints the English
// texts with the Western fonts.
//
// Every text that differs by language lives in a table of its page: one
// LanguageTexts per label, its twelve versions in the order of the languages
// (UTF-8; the fonts of the Polish and Russian pages carry their letters, so no
// code pages are needed inside the program). A page file declares its tables
// at namespace scope and registers them once, so that one test can walk every
// text of the report:
//
//   constexpr LanguageTexts kHeading = {"GEOMETRY AND LOADING DATA", "GEOMETRIE EN ...", ...};
//   const ReportTextRegistration registration("geometry page", {{"heading", &kHeading}, ...});
//   ...
//   dc.TextOut(1200, -1350, Pick(kHeading, language));
//
// Where a page places a text differently by language (an x that moves, a
// second line), it keeps those numbers in a table of the same order:
// PerLanguage<int> kFileX = {4000, 4400, ...}; Pick(kFileX, language).

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

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

// One value per language, in the order of the enum.
template <class T>
using PerLanguage = std::array<T, kReportLanguageCount>;
using LanguageTexts = PerLanguage<std::string_view>;

template <class T>
constexpr const T& Pick(const PerLanguage<T>& table, ReportLanguage language) {
  return table[LanguageIndex(language)];
}

// ---- the registry of the report's text tables --------------------------------

struct ReportTextEntry {
  std::string_view label;       // what the text is, for messages of the tests
  const LanguageTexts* texts;   // a table with static storage
  // The languages whose text is empty on purpose (a bit per language, see
  // LanguageBit): the Norwegian placeholders of some headings print nothing.
  unsigned emptyIn = 0;
};

constexpr unsigned LanguageBit(ReportLanguage language) { return 1u << static_cast<unsigned>(language); }

struct ReportTextTable {
  std::string_view page;
  std::vector<ReportTextEntry> entries;
};

// Registers the tables of one page (at namespace scope of the page's file).
class ReportTextRegistration {
 public:
  ReportTextRegistration(std::string_view page, std::initializer_list<ReportTextEntry> entries);
};

// Every registered table, in registration order.
const std::vector<ReportTextTable>& AllReportTextTables();

}  // namespace tervane
