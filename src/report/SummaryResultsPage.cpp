// The summary of tieback and compound results: one page per part of at most
// 35 layers, one row per layer with its elevation, length, controlling mode,
// required, ultimate and long-term strengths, its actual factor of safety on
// reinforcement strength and its status, by the layer strength check of the
// results tables.

#include <cmath>
#include <string>

#include "model/StrengthFunctions.h"
#include "model/ProjectData.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

constexpr LanguageTexts kTitle = {
    "SUMMARY OF TIEBACK AND COMPOUND RESULTS",
    "OVERZICHT VAN 'TIEBACK' EN 'COMPOUND' RESULTS",
    "SYNTHÈSE DES RÉSULTATS DE STABILITÉ INTERNE",
    "ZUSAMMENFASSUNG GEGENÜBER BÖSCHUNGSBRUCH ",
    "SOMMARIO DEI RISULTATI DELLE VERIFICHE DI\nSTABILITÀ INTERNA E COMPOSTA",
    "RESUMO DOS REFORÇOS E RESULTADOS",
    "RESUMEN DE REFUERZOS Y RESULTADOS COMPUESTOS",
    "PODSUMOWANIE WYNIKÓW ANALIZY MECHANIZMU ZNISZCZENIA W STREFIE \n"
    "ZBROJENIA I W STREFIE ZŁOŻONEJ (ZBROJONEJ I NIEZBROJONEJ)",
    "YHTEENVETO YHDISTELMÄ- JA LUJITEVAKAVUUSTARKASTELUSTA",
    "SAMMANSTÄLLNING AV RESULTATEN FRÅN\n'TIEBACK' OCH 'COMPOUND' ANALYSERNA",
    " ",
    "ОБЩИЕ РЕЗУЛЬТАТЫ ПО АНАЛИЗУ ОТТЯЖКИ КЛИНА \n         КУЛОНА И ПО СОСТАВНОМУ АНАЛИЗУ"};
constexpr LanguageTexts kContinues = {"( Continues )", "( vervolg )",   "( suite )",        "(Zusammenhang)",
                                      "( continua )",  "( continuação )", "( continuación )", "(Ciąg dalszy)",
                                      "( jatkuu )",    "( forts. )",    "(  )",             "( Продолжение )"};
// Spread over the three strength columns.
constexpr LanguageTexts kBanner = {
    "S   t   r   e   n   g   t   h :",
    "S   t   e   r   k   t   e :",
    "R  é  s  i  s  t  a  n  c  e :",
    "F  e  s  t  i  g  k  e  i  t :",
    "R  e  s  i  s  t  e  n  z  a :",
    "R  e  s  i  s  t  ê  n  c  i  a :",
    "R  e  s  i  s  t  e  n  c  i  a :",
    "W  y  t  r  z  y  m  a  ł  o  ś  ć :",
    "L   u   j   u   u   s :",
    "H  å  l  l  f  a  s  t  h  e  t :",
    " :",
    "П   р   о   ч   н   о   с   т   ь :"};

// Column headings, their lines split at "\n". The Italian strength headings
// take three lines and the Italian factor-of-safety heading four, so the
// Italian unit labels and rows stand one line lower; the Polish and Russian
// factor-of-safety headings start on the line above the others. The
// Norwegian headings are the symbols alone.
constexpr LanguageTexts kNumberHeading = {"#", "#", "#", "#", "#", "#", "#", "#", "#", "#", "#", "#"};
constexpr LanguageTexts kElevationHeading = {"Elevation", "Hoogte", "Niveau",   "Höhe", "Strato\nquota", "Cota",
                                             "Cota",      "Rzędna",   "Korkeus", "Nivå", "",             "Отметка"};
constexpr LanguageTexts kLengthHeading = {"Length",  "Lengte", "Longueur", "Länge", "Lungh.", "Compri-\nmento",
                                          "Longitud", "Długość", "Pituus", "Längd", "",          "Длина"};
constexpr LanguageTexts kModeHeading = {"Mode of\nFailure",     "Bezwijk-\nvorm",   "Mode de\nrupture",
                                        "Bruch-\nform",         "Modo di\nrottura", "Modo de\nrotura",
                                        "Modo de\nfalla",       "Rodzaj\nzniszczenia", "Murto-\ntapa",
                                        "Brott-\nmekanism",     "",                 "Вид\nразруш."};
constexpr LanguageTexts kRequiredHeading = {"Required,\n     Tr", "Vereist,\n     Tr",  "Requise,\n     Tr",
                                            "Benötigt,\n     Tr", "Trazione\nrichiesta,\n     Tr",
                                            "Exigida,\n     Tr",  "Exigida,\n     Tr",  "Wymag.,\n     Tr",
                                            "Vaadittu,\n     Tr", "Erford.,\n     Tr", "\n     Tr",
                                            "Треб.,\n     Tr"};
constexpr LanguageTexts kUltimateHeading = {"Ultimate,\n  T-ult", "Uiterste,\n  T-ult", "Ultime,\n  T-ult",
                                            "Kurzzeit,\n  T-ult", "Trazione\nultima,\n  T-ult",
                                            "Última,\n  T-ult",   "Última,\n  T-ult",   "Doraźna,\n  T-ult",
                                            "Murto,\n  T-ult",    "Brott,\n  T-ult",    "\n  T-ult",
                                            "Предел.,\n  T-ult"};
constexpr LanguageTexts kLongTermHeading = {"   Long-term\n(design) T-ltds",   "   Lange duur\n(ontwerp) T-ltds",
                                            "   Long terme\n(calcul) T-ltds",  "   Langzeit\n(Bemess.) T-ltds",
                                            "   Resistenza\na lungo termine\n(progetto) T-ltds",
                                            "   Longo prazo\n(cálculo) T-ltds", "   Largo plazo\n(diseño) T-ltds",
                                            "   Długotrwała\n(oblicz.) T-ltds", "   Pitkäaikais\n(mitoitus) T-ltds",
                                            "   Långtids\n(dim.) T-ltds",      "\nT-ltds",
                                            "   Длительная\n(расчет.) T-ltds"};
constexpr LanguageTexts kSafetyHeading = {"  Actual\nOverall Fs",
                                          "  Actuele\ntotale Fs",
                                          "  Fs global\neffectif",
                                          "  Ist-Wert\n  Gesamt-FS",
                                          "Fattore di\nsicurezza\nglobale\nFs reale",
                                          "  Fs global\nefetivo",
                                          "  Fs global\nreal",
                                          "Rzeczywisty\ncałkowity\nwspółcz.\nbezp. Fs",
                                          "  Laskettu\nvarmuus Fs",
                                          "  Verklig\ntotal Fs",
                                          "",
                                          "Фактический\nобщий\nкоэффициент\nзапаса Fs"};
constexpr LanguageTexts kStatusHeading = {"Status", "Status", "État",   "Status", "Stato", "Estado",
                                          "Estado", "Status", "Tila",   "Status", "",      "Оценка"};

constexpr unsigned kNorwegianBlank = LanguageBit(ReportLanguage::kNorwegian);

const ReportTextRegistration registration("summary results page",
                                          {{"title", &kTitle},
                                           {"continuation note", &kContinues},
                                           {"strength banner", &kBanner},
                                           {"number heading", &kNumberHeading},
                                           {"elevation heading", &kElevationHeading, kNorwegianBlank},
                                           {"length heading", &kLengthHeading, kNorwegianBlank},
                                           {"mode heading", &kModeHeading, kNorwegianBlank},
                                           {"required heading", &kRequiredHeading},
                                           {"ultimate heading", &kUltimateHeading},
                                           {"long-term heading", &kLongTermHeading},
                                           {"safety heading", &kSafetyHeading, kNorwegianBlank},
                                           {"status heading", &kStatusHeading, kNorwegianBlank}});

constexpr unsigned kAboveInPolishAndRussian =
    LanguageBit(ReportLanguage::kPolish) | LanguageBit(ReportLanguage::kRussian);
constexpr ColumnHeading kHeadings[] = {
    {&kNumberHeading, SameX(650)},      {&kElevationHeading, SameX(900)},   {&kLengthHeading, SameX(2000)},
    {&kModeHeading, SameX(3200)},       {&kRequiredHeading, SameX(4400)},   {&kUltimateHeading, SameX(5600)},
    {&kLongTermHeading, SameX(6800)},   {&kSafetyHeading, SameX(8700), kAboveInPolishAndRussian},
    {&kStatusHeading, SameX(10100)}};
// The first Italian elevation line stands a little to the right.
constexpr HeadingLineX kHeadingExceptions[] = {{ReportLanguage::kItalian, 1, 1, 1000}};
// The line above the headings, then the four heading lines.
constexpr int kHeadingLineY[5] = {-2060, -2330, -2600, -2870, -3140};

}  // namespace

void CReportPrinter::PrintResultsSummaryPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part) {
  (void)info;
  const ReportLanguage language = Language();
  const ProjectData& project = Project();
  const ProjectInput& run = project.runInput;
  const AnalysisResults& results = project.results;
  const fw::Font body = ReportFont(language, FontRole::kBody, 250);
  const fw::Font title = ReportFont(language, FontRole::kHeading, 250);
  const fw::Pen thin = fw::Pen::Solid(2, fw::kBlack);
  const fw::Pen rule = fw::Pen::Solid(20, fw::kBlack);

  // 1. Fonts and pens.
  const fw::Font oldFont = dc.SelectFont(body);
  const fw::Pen oldPen = dc.SelectPen(thin);
  PageTexts texts(dc);

  // 2.-3. Title and, on parts 2 and 3, the continuation note.
  DrawTablePartTitle(texts, title, Pick(kTitle, language), body, Pick(kContinues, language), part);

  // 4.-5. Rule 1, the strength banner and the rule under it.
  dc.SelectPen(rule);
  DrawStrengthCaption(dc, body, 5100, Pick(kBanner, language), 4350);

  // 6.-7. Column headings and unit labels; an Italian table stands a line lower.
  const int shift = language == ReportLanguage::kItalian ? -270 : 0;
  AddColumnHeadings(texts, body, language, kHeadings, kHeadingExceptions, kHeadingLineY);
  const int unitY = -2870 + shift;
  const std::string length = UnitLabel(Quantity::kLength, reportUnitSystem, SymbolStyle(), language);
  const std::string strength = UnitLabel(Quantity::kStrength, reportUnitSystem, SymbolStyle(), language);
  const bool russianFeet = language == ReportLanguage::kRussian && reportUnitSystem == 1;
  texts.Add(body, 1000, unitY, length);
  texts.Add(body, 2200, unitY, length);
  texts.Add(body, russianFeet ? 4300 : 4500, unitY, strength);
  texts.Add(body, russianFeet ? 5630 : 5700, unitY, strength);
  texts.Add(body, 7000, unitY, strength);
  texts.Draw();

  // 8. Rule 3.
  dc.SelectPen(rule);
  DrawTableRule(dc, -3240 + shift);
  dc.SelectPen(thin);

  // 9. One row per layer of the part, the lowest layer first.
  const TablePartLayers layers = LayersOfTablePart(part, reportLayerCount);
  for (int i = layers.first; i < layers.end; ++i) {
    const int y = -3510 + shift - 270 * (i - layers.first);
    texts.Add(body, 600, y, Integer(i + 1));
    texts.Add(body, 1200, y, Fixed2(results.resultLayerElevation[i] * lengthUnitFactor));
    texts.Add(body, 2300, y, Fixed2((results.layerRearX[i] - results.layerFrontX[i]) * lengthUnitFactor));
    const double ratio = ComputeLayerStrengthRatio(i);
    const bool tieback = layerCheck.checkControllingMode == 1;
    texts.Add(body, 3100, y, ModeWord(language, layerCheck.checkControllingMode));
    // A ratio that could not be formed is shown as such, and never passes.
    texts.Add(body, 8900, y, std::string(tieback ? "  " : "> ") + (std::isfinite(ratio) ? Fixed2(ratio) : "N/A"));
    texts.Add(body, 4700, y, Fixed2(layerCheck.checkRequiredStrength));
    texts.Add(body, 5900, y, Fixed2(layerCheck.checkUltimateStrength));
    texts.Add(body, 7200, y, Fixed2(layerCheck.checkLongTermStrength));
    texts.Add(body, 10300, y, IsLayerOverstressed(run, ratio) ? "  x" : "OK");
  }
  texts.Draw();

  // 10. Restore.
  dc.SelectPen(oldPen);
  dc.SelectFont(oldFont);
}

}  // namespace tervane
