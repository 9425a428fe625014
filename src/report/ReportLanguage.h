#pragma once
// The tables of the printed report's texts, one text per language (the
// languages themselves are in model/ReportLanguages.h).
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

#include "model/ReportLanguages.h"

namespace tervane {

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
