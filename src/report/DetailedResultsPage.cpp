// The detailed results of the tieback and compound analyses: one page per
// part of at most 35 layers, one row per layer with its elevation, total
// length, embedded length Le, length to the slip surface La, the strength
// available in compound stability, the strength the tieback analysis needs
// and the controlling mode, as the last run stored them.

#include <string>

#include "model/ProjectData.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

// The French title keeps its typographic apostrophe, the Russian one its
// "ОБШЕЙ".
constexpr LanguageTexts kTitle = {
    "DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES",
    "DETAIL RESULTATEN VAN 'TIEBACK' EN 'COMPOUND' ANALYSES",
    "RÉSULTATS DÉTAILLÉS DE L’ÉTUDE DE STABILITÉ INTERNE",
    "DETAILIERTE ERGEBNISSE ZUM BÖSCHUNGSBRUCH",
    "RISULTATI DETTAGLIATI DELLE VERIFICHE DI STABILITÀ INTERNA E COMPOSTA",
    "RESULTADOS DETALHADOS DOS REFORÇOS E ANÁLISES COMPOSTAS",
    "RESULTADOS DETALLADOS DE LOS REFUERZOS Y ANÁLISIS COMPUESTOS",
    "SZCZEGÓŁOWE WYNIKI ANALIZY MECHANIZMU ZNISZCZENIA W WYNIKU \n"
    "POŚLIZGU W STREFIE ZBROJONEJ I W STREFIE ZŁOŻONEJ\n"
    "        (ZBROJONEJ I NIEZBROJONEJ)",
    "YKSITYISKOHTAISET TULOKSET ",
    "DETALJERADE RESULTAT AV 'TIEBACK' OCH 'COMPOUND' ANALYSER",
    " ",
    "ДЕТАЛЬНЫЕ РЕЗУЛЬТАТЫ РАСЧЕТОВ ОБШЕЙ И ВНУТРЕННЕЙ \n        УСТОЙЧИВОСТИ АРМОГРУНТОВОЙ КОНСТРУКЦИИ"};
constexpr LanguageTexts kContinues = {"( Continues )", "( vervolg )",    "( suite )",        "(Zusammenhang)",
                                      "( continua )",  "( continuação )", "( continuación )", "(Ciąg dalszy)",
                                      "( Jatkuu )",    "( forts. )",     "(  )",             "( Продолжение )"};
constexpr LanguageTexts kCaption = {
    "S t r e n g t h   f o r :",          "S t e r k t e   v o o r :",
    "R é s i s t a n c e   p o u r :",     "F e s t i g k e i t   f ü r :",
    "R e s i s t e n z a   p e r :",       "R e s i s t ê n c i a   p a r a :",
    "R e s i s t e n c i a   p a r a :",   "W y t r z y m a ł o ś ć   d l a :",
    "L u j u u s :",                       "H å l l f a s t h e t   f ö r :",
    " :",                                  "П р о ч н о с т ь   д л я :"};

// Column headings, their lines split at "\n"; some languages start a heading
// on the line above the others. The Norwegian headings are empty but "#".
constexpr LanguageTexts kNumberHeading = {"#", "#", "#", "#", "#", "#", "#", "#", "#", "#", "#", "#"};
constexpr LanguageTexts kElevationHeading = {"Elevation", "Hoogte", "Niveau",   "Höhe", "Quota", "Cota",
                                             "Cota",      "Rzędna",   "Korkeus", "Nivå", "",      "Отметка"};
constexpr LanguageTexts kTotalHeading = {"Total\nLength",      "Totale\nlengte",    "Longueur\ntotale",
                                         "Gesamt-\nlänge",     "Lungh.\ntotale", "Comprimento\ntotal",
                                         "Longitud\ntotal",    "Długość\ncałkowita", "Kokonais-\npituus",
                                         "Total\nlängd",       "",                  "Общая\nдлина"};
constexpr LanguageTexts kEmbeddedHeading = {
    "Embedded\nLength\nto resist\npullout, Le",
    "Omsloten\nlengte\ntegen\nuittrekken\n(in passive zone), Le",
    "Longueur\nd'ancrage\ncontre l'arra-\nchement, Le",
    "Veranke-\nrungslänge\ngegen Her-\nausziehen, Le",
    "Lunghezza\nancorata\ncontro lo\nsfilamento, Le",
    "Compr. de\nancoragem\n(arranca-\nmento), Le",
    "Longitud\nde anclaje\ncontra arran-\ncamiento, Le",
    "Długość\nzakotwienia\nprzeciw\nwyciąganiu,\n  Le",
    "Ankkurointi-\npituus\nulosvetoa\nvastaan, Le",
    "Förankrings-\nlängd mot\nutdragning,\n  Le",
    "",
    "Требуемая Длина\nзаделки\nпротив\nвыдергивания,\n  Le"};
constexpr LanguageTexts kSlipHeading = {
    "Length\nto slip\nsurface,\n  La",
    "Lengte\ntot glijvlak\n(in active zone),\n  La",
    "Longueur\njusqu'à la\nsurface de\nrupture, La",
    "Länge\nbis zur\nGleitfläche,\n  La",
    "Distanza orizzontale\ndal paramento\nalla superficie\ndi scorrimento,\n  La",
    "Comprimento\naté à sup.\nde rotura,\n  La",
    "Longitud\nhasta la sup.\nde falla,\n  La",
    "Długość\ndo powierz-\nchni poślizgu,\n  La",
    "Pituus\nliuku-\npintaan,\n  La",
    "Längd\ntill glid-\nytan,\n  La",
    "",
    "Длина до\nповерхности\nскольжения,\n  La"};
constexpr LanguageTexts kCompoundHeading = {
    "Compound\nstability\n(available)\nT-compound",   "Compound\nstabiliteit\n(beschikbaar)\nT-compound",
    "Stabilité\nmixte\n(disponible)\nT-compound",     "Kombinierter\nNachweis\n(vorhanden)\nT-compound",
    "Stabilità\ncomposta\n(disponibile)\nT-compound", "Estabilidade\ncomposta\n(disponível)\nT-compound",
    "Estabilidad\ncompuesta\n(disponible)\nT-compound", "Stateczność\nzłożona\n(dostępna)\nT-compound",
    "Yhdistelmä-\nvakavuus\n(käytettävissä)\nT-compound", "Kombinerad\nstabilitet\n(tillgänglig)\nT-compound",
    "",                                              "Составной\nанализ\n(имеющаяся)\nT-compound"};
constexpr LanguageTexts kTiebackHeading = {
    "Tieback\n(required)\nT-tieback",   "Tieback\n(vereist)\nT-tieback",      "Interne\n(requise)\nT-tieback",
    "Innere\n(erforderlich)\nT-tieback", "Interna\n(richiesta)\nT-tieback",   "Reforço\n(necessária)\nT-tieback",
    "Refuerzo\n(requerida)\nT-tieback", "W zbrojeniu\n(wymagana)\nT-tieback", "Lujite\n(tarvittava)\nT-tieback",
    "Tieback\n(erforderlig)\nT-tieback", "",                                  "Оттяжка\n(требуемая)\nT-tieback"};
constexpr LanguageTexts kModeHeading = {
    "Controlling\nMode of\nFailure",      "Maatgevend\nbezwijk-\nmechanisme", "Mode de\nrupture\ndéterminant",
    "Maßgebende\nVersagens-\nart",        "Modo di\nrottura\ndeterminante",   "Modo de\nrotura\ndeterminante",
    "Modo de\nfalla\ndeterminante",       "Decydujący\nmechanizm\nzniszczenia", "Määräävä\nmurtumis-\ntapa",
    "Styrande\nbrott-\nmekanism",         "",                                 "Определяющий\nвид\nразрушения"};

constexpr unsigned kNorwegianBlank = LanguageBit(ReportLanguage::kNorwegian);

const ReportTextRegistration registration("detailed results page",
                                          {{"title", &kTitle},
                                           {"continuation line", &kContinues},
                                           {"strength caption", &kCaption},
                                           {"number heading", &kNumberHeading},
                                           {"elevation heading", &kElevationHeading, kNorwegianBlank},
                                           {"total length heading", &kTotalHeading, kNorwegianBlank},
                                           {"embedded length heading", &kEmbeddedHeading, kNorwegianBlank},
                                           {"slip length heading", &kSlipHeading, kNorwegianBlank},
                                           {"compound heading", &kCompoundHeading, kNorwegianBlank},
                                           {"tieback heading", &kTiebackHeading, kNorwegianBlank},
                                           {"mode heading", &kModeHeading, kNorwegianBlank}});

using L = ReportLanguage;
constexpr ColumnHeading kHeadings[] = {
    {&kNumberHeading, WithX(SameX(650), L::kRussian, 450)},
    {&kElevationHeading, WithX(SameX(900), L::kRussian, 700)},
    {&kTotalHeading, WithX(SameX(2100), L::kRussian, 1900)},
    {&kEmbeddedHeading, WithX(SameX(3100), L::kRussian, 2900),
     LanguageBit(L::kDutch) | LanguageBit(L::kPolish) | LanguageBit(L::kRussian)},
    {&kSlipHeading, WithX(SameX(4400), L::kRussian, 4450), LanguageBit(L::kItalian)},
    {&kCompoundHeading, WithX(WithX(SameX(5800), L::kItalian, 5950), L::kPortuguese, 5900)},
    {&kTiebackHeading, SameX(7200)},
    {&kModeHeading, SameX(8700)}};
constexpr HeadingLineX kHeadingExceptions[] = {
    {L::kDutch, 3, 4, 2500},       // "(in passive zone), Le"
    {L::kDutch, 4, 3, 4200},       // "(in active zone),"
    {L::kItalian, 4, 0, 4200},     // "Distanza orizzontale"
    {L::kPortuguese, 2, 1, 1900},  // "Comprimento"
};
constexpr int kHeadingLineY[5] = {-2060, -2330, -2600, -2870, -3140};
// The Dutch and Italian captions stand further right (the Italian one where
// "Distanza orizzontale", the line above the La heading, ends).
constexpr PerLanguage<int> kCaptionX = WithX(WithX(SameX(5800), L::kDutch, 6000), L::kItalian, 6000);

}  // namespace

void CReportPrinter::PrintDetailedResultsPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part) {
  (void)info;
  const ReportLanguage language = Language();
  const AnalysisResults& results = Project().results;
  const fw::Font title = ReportFont(language, FontRole::kHeading, 250);
  const fw::Font small = ReportFont(language, FontRole::kBody, 200);
  const fw::Font body = ReportFont(language, FontRole::kBody, 250);
  const fw::Pen rule = fw::Pen::Solid(20, fw::kBlack);

  // 1. Fonts and pen.
  const fw::Font oldFont = dc.SelectFont(small);
  const fw::Pen oldPen = dc.SelectPen(rule);
  PageTexts texts(dc);

  // 2.-3. Title and, on parts 2 and 3, the continuation line.
  DrawTablePartTitle(texts, title, Pick(kTitle, language), small, Pick(kContinues, language), part);

  // 4.-5. Rule, caption over the two strength columns and its underline.
  DrawStrengthCaption(dc, small, Pick(kCaptionX, language), Pick(kCaption, language), 5750);

  // 6.-7. Column headings and unit labels.
  AddColumnHeadings(texts, small, language, kHeadings, kHeadingExceptions, kHeadingLineY);
  const std::string length = UnitLabel(Quantity::kLength, reportUnitSystem, SymbolStyle(), language);
  const std::string strength = UnitLabel(Quantity::kStrength, reportUnitSystem, SymbolStyle(), language);
  for (int x : {1000, 2200, 3200, 4500}) texts.Add(small, x, -3410, length);
  for (int x : {5900, 7300}) texts.Add(small, x, -3410, strength);
  texts.Draw();

  // 8. Rule over the rows.
  DrawTableRule(dc, -3780);

  // 9. One row per layer of the part, in index order.
  const TablePartLayers layers = LayersOfTablePart(part, reportLayerCount);
  for (int i = layers.first; i < layers.end; ++i) {
    const int y = -4050 - 270 * (i - layers.first);
    const double le = results.embeddedLength[i];
    const double la = results.lengthToSlipSurface[i];
    texts.Add(body, 600, y, Integer(i + 1));
    texts.Add(body, 1200, y, Fixed2(results.resultLayerElevation[i] * lengthUnitFactor));
    texts.Add(body, 2300, y, Fixed2((le + la) * lengthUnitFactor));
    texts.Add(body, 3400, y, Fixed2(le * lengthUnitFactor));
    texts.Add(body, 4500, y, Fixed2(la * lengthUnitFactor));
    texts.Add(body, 6100, y, Fixed2(results.availableCompoundStrength[i] * strengthUnitFactor));
    texts.Add(body, 7500, y, Fixed2(results.requiredTiebackStrength[i] * strengthUnitFactor));
    texts.Add(body, 8800, y, ModeWord(language, results.controllingMode[i]));
  }
  texts.Draw();

  // 10. Restore.
  dc.SelectFont(oldFont);
  dc.SelectPen(oldPen);
}

}  // namespace tervane
