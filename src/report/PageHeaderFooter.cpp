// The header and footer of every report page: bands of small product-and-
// version text between rules, the product and version, the project title,
// the time of printing, the project file's path, the maker's notice and the
// page number.

#include <string>

#include "model/ProjectData.h"
#include "framework/Services.h"
#include "report/PageHeaderFooter.h"
#include "report/ReportPrinter.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

// The header's and footer's texts, in the order of the report languages.
constexpr LanguageTexts kVersionWord = {
    "Version 4.0 ", "Versie 4.0 ",  "Version 4.0 ", "Version 4.0 ", "Versione 4.0 ", "Versão 4,0 ",
    "Versión 4.0 ", "Version 4.0 ", "Version 4.0 ", "Version 4.0 ", "Version 4.0 ",  "Version 4.0 "};
// The piece the band repeats (the Dutch one ends in two blanks) and how often.
constexpr LanguageTexts kBandPiece = {
    "Tervane Version 4.0 ",  "Tervane Versie 4.0  ", "Tervane Version 4.0 ", "Tervane Version 4.0 ",
    "Tervane Versione 4.0 ", "Tervane Versão 4,0 ",  "Tervane Versión 4.0 ", "Tervane Version 4.0 ",
    "Tervane Version 4.0 ",  "Tervane Version 4.0 ", "Tervane Version 4.0 ", "Tervane Version 4.0 "};
constexpr PerLanguage<int> kBandRepeat = {18, 19, 18, 18, 17, 19, 18, 18, 18, 18, 18, 18};
constexpr LanguageTexts kTitleLine = {
    "Tervane Version 4.0",  "Tervane Versie 4.0",  "Tervane Version 4.0", "Tervane Version 4.0",
    "Tervane Versione 4.0", "Tervane Versão 4,0",  "Tervane Versión 4.0", "Tervane Version 4.0",
    "Tervane Version 4.0",  "Tervane Version 4.0", "Tervane Version 4.0", "Tervane Version 4.0"};
constexpr LanguageTexts kPrintedOn = {
    "Printed on:  ",   "Afgedrukt op:  ", "Imprimée le:  ", "bearbeitet am:  ", "Stampato:  ", "Impresso por:  ",
    "Impresso por:  ", "Druk na:  ",      "Tulostettu:  ",  "Utskriven:  ",     "  ",          "Издательство:"};
constexpr LanguageTexts kPageLabel = {"Page ",   "Pagina ", "Page ", "Seite ", "Pagina ", "Página ",
                                      "Página ", "Strona ", "Sivu ", "Sid ",   " ",       "Страницы "};
constexpr LanguageTexts kPageSeparator = {" of  ", " van  ", " sur  ", " -  ", " di  ", " de  ",
                                          " de  ", " z  ",   " /  ",   " av  ", " of  ", " из  "};

const ReportTextRegistration registration("page header and footer",
                                          {{"version word", &kVersionWord},
                                           {"band piece", &kBandPiece},
                                           {"title line", &kTitleLine},
                                           {"printed-on label", &kPrintedOn},
                                           {"page label", &kPageLabel},
                                           {"page separator", &kPageSeparator}});

void TextIfAny(fw::DeviceContext& dc, int x, int y, const std::string& text) {
  if (!text.empty()) dc.TextOut(x, y, text);
}

void RightAligned(fw::DeviceContext& dc, int y, const std::string& text, int pageMargin) {
  if (text.empty()) return;
  dc.TextOut(RightAlignedX(dc, text, pageMargin), y, text);
}

}  // namespace

std::string MakersNotice(int symbolStyle) {
  return std::string(CopyrightSign(symbolStyle)) + " " + res::kMakerYears + " " + res::kMakerName + ", " +
         res::kMakerWebAddress;
}

std::string VersionBand(ReportLanguage language) {
  std::string band(Pick(kVersionWord, language));
  for (int i = 0; i < Pick(kBandRepeat, language); ++i) band += Pick(kBandPiece, language);
  return band;
}

std::string PageNumberText(ReportLanguage language, int page, int pages) {
  return std::string(Pick(kPageLabel, language)) + Integer(page) + std::string(Pick(kPageSeparator, language)) +
         Integer(pages);
}

void CReportPrinter::DrawPageHeader(fw::DeviceContext& dc) {
  const ReportLanguage language = Language();
  const fw::Font large = ReportFont(language, FontRole::kBody, 200);
  const fw::Font medium = ReportFont(language, FontRole::kBody, 120);
  const fw::Font small = ReportFont(language, FontRole::kBody, 60);
  const std::string band = VersionBand(language);
  const ProjectData& project = Project();

  const fw::Pen oldPen = dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  const fw::Font oldFont = dc.SelectFont(small);
  dc.TextOut(500, -20, band);
  DrawRule(dc, 0, pageMargin);
  DrawRule(dc, -10, pageMargin);

  // The second line of texts starts inside the cells of the first: it is
  // drawn first, so that the opaque cells of the first line cover only its
  // empty top and no descender of the first line is cut.
  dc.SelectFont(medium);
  dc.TextOut(600, -400, std::string(Pick(kPrintedOn, language)) + FormatReportDate(fw::Clock().Now()));
  RightAligned(dc, -400, ShortenHeaderPath(project.projectPath), pageMargin);
  dc.SelectFont(large);
  dc.TextOut(600, -180, Pick(kTitleLine, language));
  RightAligned(dc, -180, project.runInput.projectTitle, pageMargin);

  DrawRule(dc, -610, pageMargin);
  DrawRule(dc, -620, pageMargin);

  dc.SelectFont(small);
  dc.TextOut(500, -550, band);

  dc.SelectFont(oldFont);
  dc.SelectPen(oldPen);
}

void CReportPrinter::DrawPageFooter(fw::DeviceContext& dc) {
  const ReportLanguage language = Language();
  const fw::Font large = ReportFont(language, FontRole::kBody, 160);
  const fw::Font small = ReportFont(language, FontRole::kBody, 60);
  const std::string band = VersionBand(language);

  const fw::Pen oldPen = dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  DrawRule(dc, -14490, pageMargin);
  DrawRule(dc, -14480, pageMargin);
  const fw::Font oldFont = dc.SelectFont(small);
  dc.TextOut(500, -14500, band);

  dc.SelectFont(large);
  TextIfAny(dc, 600, -14650, Project().runInput.projectTitle);
  dc.TextOut(600, -14850, MakersNotice(SymbolStyle()));
  RightAligned(dc, -14650, PageNumberText(language, currentPage, pageCount), pageMargin);

  dc.SelectFont(small);
  dc.TextOut(500, -15050, band);
  DrawRule(dc, -15100, pageMargin);
  DrawRule(dc, -15110, pageMargin);
  DrawRule(dc, -15120, pageMargin);

  dc.SelectFont(oldFont);
  dc.SelectPen(oldPen);
}

}  // namespace tervane
