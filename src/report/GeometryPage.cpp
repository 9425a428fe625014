// Page 2 of every report: the slope geometry, the three surcharges and the
// water of the last run, one labelled value per row, and below them the
// cross-section to scale (GeometrySketch.cpp).

#include <string>

#include "model/ProjectData.h"
#include "report/GeometrySketch.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

// The texts of the page, in the order of the report languages. The Norwegian
// texts keep only the symbols and punctuation of their labels; the French
// heading keeps its trailing blank and its unaccented "DONNEES".
constexpr LanguageTexts kHeading = {
    "GEOMETRY AND LOADING DATA",
    "GEOMETRIE EN BELASTINGEN",
    "CAS DE CHARGES ET DONNEES GÉOMETRIQUES ",
    "ANGABEN ZUR GEOMETRIE UND DEN AUFLASTEN",
    "DATI GEOMETRICI E DI CARICO",
    "DADOS SOBRE A GEOMETRIA E CARREGAMENTOS",
    "DATOS GEOMÉTRICOS Y DE CARGAS",
    "GEOMETRIA I ŁADOWANIE DANYCH",
    "GEOMETRIA JA KUORMITUSTIEDOT",
    "GEOMETRI OCH BELASTNING",
    " ",
    "ГЕОМЕТРИЯ СООРУЖЕНИЯ И РАСЧЕТНЫЕ НАГРУЗКИ"};
constexpr LanguageTexts kSlopeHeight = {
    "Height of slope, H ",   "Taludhoogte, H ",      "Hauteur du talus, H ", "Böschungshöhe, H ",
    "Altezza del pendio, H ", "Altura do talude, H ", "Altura del talud, H ", "Wysokość zbocza, H ",
    "Luiskan korkeus, H ",   "Släntens höjd, H ",    ", H ",                 "Высота откоса, H "};
// With the degree sign in both symbol styles; only the English page writes
// "deg" in the Asian Pacific style (kSlopeAngleAsianEnglish).
constexpr LanguageTexts kSlopeAngle = {
    "Slope angle, i °",       "Taludhoek, i °",        "Angle du talus, i °",        "Böschungswinkel, i °",
    "Angolo del pendio, i °", "Ângulo do talude, i °", "Ángulo del talud, i °",      "Kąt nachylenia zbocza, i °",
    "Luiskan kaltevuus, i °", "Släntvinkel, i °",      ", i °",                      "Угол заложения откоса, i °"};
constexpr std::string_view kSlopeAngleAsianEnglish = "Slope angle, i deg";
constexpr LanguageTexts kLengthA = {
    "Horizontal length, A ",     "Horizontale lengte, A ", "Longueur horizontale, A ", "horizontale Länge: A ",
    "Lunghezza orizzontale, A ", "Comprimento horizontal, A ", "Longitud horizontal, A ", "Długość pozioma, A ",
    "Vaakasuora pituus, A ",     "Horisontell längd, A ",  ", A ",                     "Горизонтальная длина, A "};
constexpr LanguageTexts kLengthB = {
    "Horizontal length, B ",     "Horizontale lengte, B ", "Longueur horizontale, B ", "horizontale Länge: B ",
    "Lunghezza orizzontale, B ", "Comprimento horizontal, B ", "Longitud horizontal, B ", "Długość pozioma, B ",
    "Vaakasuora pituus, B ",     "Horisontell längd, B ",  ", B ",                     "Горизонтальная длина, B "};
constexpr LanguageTexts kBackslopeAngle = {
    "Backslope angle,",
    "Helling van het maaiveld achter de kruin,",
    "Inclinaison du terrain en crête,",
    "Geländeneigung hinter der Krone,",
    "Inclinazione del terreno a monte,",
    "Inclinação do terreno a montante,",
    "Inclinación del terreno sobre la corona,",
    "Kąt nachylenia naziomu,",
    "Taustaluiskan kaltevuus,",
    "Marklutning bakom krönet,",
    ",",
    "Угол наклона поверхности за бровкой,"};
constexpr LanguageTexts kBottomSlope = {
    "Slope at bottom of wall,",
    "Helling van het maaiveld voor de teen,",
    "Pente du terrain au pied du talus,",
    "Geländeneigung vor dem Böschungsfuß,",
    "Inclinazione del terreno al piede,",
    "Inclinação do terreno no pé do talude,",
    "Inclinación del terreno al pie del talud,",
    "Nachylenie terenu u podnóża zbocza,",
    "Maanpinnan kaltevuus luiskan juurella,",
    "Marklutning vid släntfoten,",
    ",",
    "Уклон поверхности у подошвы откоса,"};
constexpr LanguageTexts kSurchargeQ1 = {
    "Surcharge load over A, Q1 ",
    "Bovenbelasting op A, Q1 ",
    "Surcharge sur A, Q1 ",
    "Auflast auf A, Q1 ",
    "Sovraccarico su A, Q1 ",
    "Sobrecarga sobre A, Q1 ",
    "Sobrecarga sobre A, Q1 ",
    "Obciążenie naziomu na odcinku A, Q1 ",
    "Pintakuorma alueella A, Q1 ",
    "Ytlast på A, Q1 ",
    ", Q1 ",
    "Пригрузка на участке A, Q1 "};
constexpr LanguageTexts kSurchargeQ2 = {
    "Surcharge load over backslope B, Q2 ",
    "Bovenbelasting op de helling B, Q2 ",
    "Surcharge sur le terrain incliné B, Q2 ",
    "Auflast auf der geneigten Strecke B, Q2 ",
    "Sovraccarico sul tratto inclinato B, Q2 ",
    "Sobrecarga sobre o trecho inclinado B, Q2 ",
    "Sobrecarga sobre el tramo inclinado B, Q2 ",
    "Obciążenie naziomu na odcinku nachylonym B, Q2 ",
    "Pintakuorma taustaluiskalla B, Q2 ",
    "Ytlast på lutningen B, Q2 ",
    ", Q2 ",
    "Пригрузка на наклонном участке B, Q2 "};
constexpr LanguageTexts kSurchargeQ3 = {
    "Surcharge load away from backslope, Q3 ",
    "Bovenbelasting voorbij de helling B, Q3 ",
    "Surcharge au-delà du terrain incliné, Q3 ",
    "Auflast hinter der geneigten Strecke, Q3 ",
    "Sovraccarico oltre il tratto inclinato, Q3 ",
    "Sobrecarga além do trecho inclinado, Q3 ",
    "Sobrecarga más allá del tramo inclinado, Q3 ",
    "Obciążenie naziomu poza odcinkiem B, Q3 ",
    "Pintakuorma taustaluiskan takana, Q3 ",
    "Ytlast bortom lutningen B, Q3 ",
    ", Q3 ",
    "Пригрузка за наклонным участком, Q3 "};
constexpr LanguageTexts kPhreaticSurface = {
    "Phreatic surface is defined by coordinates in ",
    "Het freatisch vlak is vastgelegd met coördinaten in ",
    "La surface de la nappe est définie par ses coordonnées en ",
    "Die Sickerlinie ist durch Koordinaten festgelegt in ",
    "La superficie freatica è definita dalle coordinate in ",
    "A superfície freática é definida pelas coordenadas em ",
    "La superficie freática está definida por coordenadas en ",
    "Zwierciadło wody gruntowej określono współrzędnymi w ",
    "Vapaa pohjavedenpinta on annettu koordinaatteina, yksikkö ",
    "Grundvattenytan är definierad med koordinater i ",
    " ",
    "Депрессионная кривая задана координатами в "};
constexpr LanguageTexts kPoreWater = {
    "Pore water pressure coefficient, r",
    "Waterspanningscoëfficiënt, r",
    "Coefficient de pression interstitielle, r",
    "Porenwasserdruckkoeffizient, r",
    "Coefficiente di pressione interstiziale, r",
    "Coeficiente de pressão intersticial, r",
    "Coeficiente de presión de poros, r",
    "Współczynnik parcia porowego wody, r",
    "Huokosvedenpainekerroin, r",
    "Portryckskoefficient, r",
    ", r",
    "Коэффициент порового давления воды, r"};
constexpr LanguageTexts kNoWater = {
    "Water is not present.",    "Er is geen water aanwezig.", "Pas de nappe phréatique.", "Wasser ist nicht vorhanden.",
    "Acqua non presente.",      "Não há presença de água.",   "No hay presencia de agua.", "Brak wody.",
    "Pohjavettä ei ole.",       "Grundvatten förekommer inte.", ".",                      "Вода не обнаружена."};

const ReportTextRegistration registration("geometry page", {{"heading", &kHeading},
                                                            {"height of slope", &kSlopeHeight},
                                                            {"slope angle", &kSlopeAngle},
                                                            {"horizontal length A", &kLengthA},
                                                            {"horizontal length B", &kLengthB},
                                                            {"backslope angle", &kBackslopeAngle},
                                                            {"slope at bottom", &kBottomSlope},
                                                            {"surcharge Q1", &kSurchargeQ1},
                                                            {"surcharge Q2", &kSurchargeQ2},
                                                            {"surcharge Q3", &kSurchargeQ3},
                                                            {"phreatic surface", &kPhreaticSurface},
                                                            {"pore water coefficient", &kPoreWater},
                                                            {"no water", &kNoWater}});

constexpr int kHeadingX = 1200;
constexpr int kLabelX = 700;
constexpr int kValueRight = 9000;
constexpr int kPhreaticXColumn = 1700;
constexpr int kPhreaticYColumn = 3200;

}  // namespace

void CReportPrinter::PrintGeometryPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)info;
  const ReportLanguage language = Language();
  const int style = SymbolStyle();
  const ProjectInput& run = Project().runInput;
  const fw::Font body = ReportFont(language, FontRole::kBody, 250);
  const fw::Font heading = ReportFont(language, FontRole::kHeading, 250);
  const fw::Font small = ReportFont(language, FontRole::kBody, 160);

  const fw::Font oldFont = dc.SelectFont(body);
  PageTexts texts(dc);
  const auto valueAt = [&](int row, double value) {
    const std::string text = Fixed2(value);
    texts.Add(body, kValueRight - texts.Width(body, text), RowY(row), text);
  };
  const auto row = [&](int number, std::string_view label, double value) {
    texts.Add(body, kLabelX, RowY(number), label);
    valueAt(number, value);
  };
  // The labels that end with a unit: " [m]", " [kPa]" and the like.
  const auto unit = [&](Quantity quantity) {
    return " " + UnitLabel(quantity, reportUnitSystem, style, language);
  };
  const auto greekRow = [&](int number, std::string_view label, char letter, double value) {
    texts.Add(body, kLabelX, RowY(number), label);
    const int x = kLabelX + texts.Width(body, label) + 100;
    AddGreekDegrees(texts, language, style, x, RowY(number), letter, true);
    valueAt(number, value);
  };

  texts.Add(heading, kHeadingX, RowY(5), Pick(kHeading, language));
  row(7, std::string(Pick(kSlopeHeight, language)) + unit(Quantity::kLength), run.slopeHeight * lengthUnitFactor);
  // Only a report whose language is exactly "English" spells the sign out.
  const bool asianEnglish = style == kAsianSymbols && Project().settings.reportLanguage == "English";
  row(8, asianEnglish ? kSlopeAngleAsianEnglish : Pick(kSlopeAngle, language), run.slopeAngle);
  row(9, std::string(Pick(kLengthA, language)) + unit(Quantity::kLength), run.crestLengthA * lengthUnitFactor);
  row(10, std::string(Pick(kLengthB, language)) + unit(Quantity::kLength), run.crestLengthB * lengthUnitFactor);
  greekRow(11, Pick(kBackslopeAngle, language), 'b', run.backslopeAngle);
  greekRow(12, Pick(kBottomSlope, language), 'a', run.bottomSlopeAngle);
  row(14, std::string(Pick(kSurchargeQ1, language)) + unit(Quantity::kPressure), run.surchargeQ1 * pressureUnitFactor);
  row(15, std::string(Pick(kSurchargeQ2, language)) + unit(Quantity::kPressure), run.surchargeQ2 * pressureUnitFactor);
  row(16, std::string(Pick(kSurchargeQ3, language)) + unit(Quantity::kPressure), run.surchargeQ3 * pressureUnitFactor);

  if (run.waterMode == 0) {
    texts.Add(body, kLabelX, RowY(18),
              std::string(Pick(kPhreaticSurface, language)) + unit(Quantity::kLength) + " :");
    texts.Add(body, kPhreaticXColumn, RowY(19), "Xw1 = 0.0");
    texts.Add(body, kPhreaticYColumn, RowY(19), "Yw1 = 0.0");
    const double xs[] = {run.phreaticX2, run.phreaticX3, run.phreaticX4};
    const double ys[] = {run.phreaticY2, run.phreaticY3, run.phreaticY4};
    for (int k = 0; k < 3; ++k) {
      const std::string n = Integer(k + 2);
      texts.Add(body, kPhreaticXColumn, RowY(20 + k), "Xw" + n + " = " + Fixed2(xs[k] * lengthUnitFactor));
      texts.Add(body, kPhreaticYColumn, RowY(20 + k), "Yw" + n + " = " + Fixed2(ys[k] * lengthUnitFactor));
    }
  } else if (run.waterMode == 1) {
    const std::string_view label = Pick(kPoreWater, language);
    texts.Add(body, kLabelX, RowY(18), label);
    // The subscript u, 120 twips lower than the label.
    texts.Add(small, kLabelX + texts.Width(body, label), RowY(18) - 120, "u");
    valueAt(18, run.poreWaterCoefficient);
  } else {
    texts.Add(body, kLabelX, RowY(18), Pick(kNoWater, language));
  }
  texts.Draw();
  dc.SelectFont(body);

  DrawGeometrySketch(dc, *this, heading, body);

  dc.SelectFont(oldFont);
}

}  // namespace tervane
