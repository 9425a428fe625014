// Page 1 of every report: the project title in large type, the creation
// line, the logo, the project identification and the framed credit block.

#include <string>

#include "model/ProjectData.h"
#include "common/DibImage.h"
#include "report/PageHeaderFooter.h"
#include "report/ReportPrinter.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

// The labels, in the order of the report languages. The Russian heading
// keeps its two Latin "E" letters.
constexpr LanguageTexts kHeading = {
    "PROJECT IDENTIFICATION",     "PROJECT IDENTIFICATIE",       "IDENTIFICATION  DU  PROJET",
    "PROJEKT",                    "IDENTIFICAZIONE DEL PROGETTO", "IDENTIFICAÇÃO DO PROJECTO",
    "IDENTIFICACIÓN DEL PROYECTO", "CHARAKTERYSTYKA PROJEKTU",   "PROJEKTIN TUNNISTETIEDOT",
    "PROJEKTIDENTIFIERING",       " ",                           "НАЗВАНИE ПРОEКТА"};
constexpr LanguageTexts kTitleLabel = {"Title:",  "Titel:",  "Titre:", "Titel:", "Titolo:", "Título:",
                                       "Título:", "Temat:",  "Nimi:",  "Titel:", " ",       "Титуллъный лист:"};
constexpr LanguageTexts kNumberLabel = {
    "Project Number:",  "Projectnummer:",  "N° du projet:",   "Projekt Nr.:",   "N. progetto:", "N.º do projecto:",
    "N.º de proyecto:", "Numer projektu:", "Projektinumero:", "Projektnummer:", ":",            "Номер проекта:"};
constexpr LanguageTexts kDesignerLabel = {
    "Designer:",    "Ontwerper:",  "Concepteur:",    "Planer:",      "Progettista:", "Projectista:",
    "Proyectista:", "Projektant:", "Suunnittelija:", "Konstruktör:", ":",            "Проектировщик:"};
constexpr LanguageTexts kDescriptionLabel = {
    "Description:", "Omschrijving:", "Description:", "Bemerkung:", "Descrizione:", "Descrição:",
    "Descripción:", "Opis:",         "Kuvaus:",      "Beskrivning:", " ",          "Описание проекта:"};
constexpr LanguageTexts kFileLabel = {
    "File path and name:",        "Bestandspad en -naam:",          "Chemin du fichier:",
    "Dateipfad und - name:",      "Percorso del file:",             "Caminho e nome do ficheiro:",
    "Ruta y nombre del archivo:", "Ścieżka dostępu i nazwa pliku:", "Tiedoston polku:",
    "Filens sökväg:",             " ",                              "Имя файла и путь:"};
constexpr LanguageTexts kDateLabel = {
    "Date and time of creating the input data file:",
    "Aanmaakdatum van het invoerbestand:",
    "Date de création des données:",
    "Datum:",
    "Data di creazione dei dati:",
    "Data de criação dos dados:",
    "Fecha y hora de creación del archivo de datos de entrada:",
    "Data i czas stworzenia danych wejściowych:",
    "Luontipäivä:",
    "Skapad den:",
    " ",
    "дата и время создания файла:"};
// The credit line of the framed block, a blank between its letters.
constexpr LanguageTexts kCreditLine = {
    "D e v e l o p e d   b y :",       "O n t w i k k e l d   d o o r :",  "D é v e l o p p é   p a r :",
    "E n t w i c k e l t   v o n :",   "S v i l u p p a t o   d a :",      "D e s e n v o l v i d o   p o r :",
    "D e s a r r o l l a d o   p o r :", "O p r a c o w a n i e :",        "K e h i t t ä n y t :",
    "U t v e c k l a d   a v :",       " ",                                "Р а з р а б о т ч и к :"};

// Where the values of the file and date rows start, by language; the
// Spanish date goes on the row below its label.
constexpr PerLanguage<int> kFileX = {4000, 4400, 4200, 4200, 4200, 5000, 5000, 5000, 4000, 4000, 4000, 4000};
constexpr PerLanguage<int> kDateX = {6600, 6600, 6600, 6600, 6600, 6600, 5000, 6600, 4000, 4000, 4000, 5000};
constexpr PerLanguage<int> kCreditX = {1500, 1500, 1500, 1500, 1250, 1600, 1500, 1500, 1500, 1500, 1500, 1500};

const ReportTextRegistration registration("title page", {{"heading", &kHeading},
                                                         {"title label", &kTitleLabel},
                                                         {"number label", &kNumberLabel},
                                                         {"designer label", &kDesignerLabel},
                                                         {"description label", &kDescriptionLabel},
                                                         {"file label", &kFileLabel},
                                                         {"date label", &kDateLabel},
                                                         {"credit line", &kCreditLine}});

// Row r of the identification block.
constexpr int RowY(int row) { return -300 * row; }

void Line(fw::DeviceContext& dc, int x1, int y1, int x2, int y2) {
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}

// A rectangle drawn as four lines with the current pen (no fill).
void Frame(fw::DeviceContext& dc, int left, int top, int right, int bottom) {
  dc.MoveTo(left, top);
  dc.LineTo(right, top);
  dc.LineTo(right, bottom);
  dc.LineTo(left, bottom);
  dc.LineTo(left, top);
}

void TextIfAny(fw::DeviceContext& dc, int x, int y, const std::string& text) {
  if (!text.empty()) dc.TextOut(x, y, text);
}

}  // namespace

void CReportPrinter::PrintTitlePage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)info;
  const ReportLanguage language = Language();
  const ProjectData& project = Project();
  const ProjectInput& run = project.runInput;
  const fw::Font large = ReportFont(language, FontRole::kBody, 400);
  const fw::Font regular = ReportFont(language, FontRole::kBody, 250);
  const fw::Font heading = ReportFont(language, FontRole::kHeading, 250);
  const fw::Font small = ReportFont(language, FontRole::kArial, 150);
  const fw::Pen thin = fw::Pen::Solid(2, fw::kBlack);
  const int right = PageRight(pageMargin);

  const fw::Font oldFont = dc.SelectFont(large);
  const fw::Pen oldPen = dc.SelectPen(thin);

  if (!run.projectTitle.empty()) {
    const int width = dc.GetTextExtent(run.projectTitle).cx;
    dc.TextOut((PageRight(pageMargin) - width) / 2, -3150, run.projectTitle);
  }

  dc.SelectFont(small);
  // The creation line always carries "(c)", whatever the symbol style.
  const std::string creationLine = "This report was created by Tervane Version 4.0, " + MakersNotice(kAsianSymbols);
  dc.TextOut((11500 - dc.GetTextExtent(creationLine).cx) / 2, -3800, creationLine);

  for (int y : {-2900, -2910, -2920, -4000, -4010, -4020}) Line(dc, kPageLeft, y, right, y);
  for (int x : {right, right - 10, right - 20, 500, 510, 520}) Line(dc, x, 0, x, -15100);

  // The logo is read whether or not it is printed; one that does not load
  // leaves its area empty.
  CDibImage logo;
  logo.Load(project.settings.logoPath);
  if (project.settings.includeLogo == 1) logo.Stretch(dc, 600, -700, 10500, -2100, 0);

  dc.SelectFont(heading);
  dc.TextOut(1200, RowY(14), Pick(kHeading, language));

  dc.SelectFont(regular);
  dc.TextOut(1200, RowY(16), Pick(kTitleLabel, language));
  TextIfAny(dc, 3400, RowY(16), run.projectTitle);
  dc.TextOut(1200, RowY(17), Pick(kNumberLabel, language));
  TextIfAny(dc, 3400, RowY(17), run.projectNumber);
  dc.TextOut(1200, RowY(18), Pick(kDesignerLabel, language));
  TextIfAny(dc, 3400, RowY(18), run.designerName);

  dc.SelectFont(heading);
  dc.TextOut(1200, RowY(20), Pick(kDescriptionLabel, language));
  dc.SelectFont(regular);
  int row = 21;
  for (const std::string& line : WrapDescription(run.projectDescription)) {
    if (line.empty()) continue;
    ++row;
    dc.TextOut(2000, RowY(row), line);
  }

  row += 2;
  dc.SelectFont(heading);
  dc.TextOut(1200, RowY(row), Pick(kFileLabel, language));
  dc.SelectFont(regular);
  const TitlePagePath path = ShortenTitlePagePath(project.projectPath);
  TextIfAny(dc, Pick(kFileX, language), RowY(row), path.firstRow);
  if (!path.secondRow.empty()) {
    ++row;
    dc.TextOut(5000, RowY(row), path.secondRow);
  }

  ++row;
  dc.SelectFont(heading);
  dc.TextOut(1200, RowY(row), Pick(kDateLabel, language));
  dc.SelectFont(regular);
  if (language == ReportLanguage::kSpanish) ++row;
  TextIfAny(dc, Pick(kDateX, language), RowY(row), run.projectDate);

  Frame(dc, 1000, -12000, 11000, -13500);
  Frame(dc, 1020, -12020, 10980, -13480);
  Frame(dc, 1040, -12040, 10960, -13460);
  dc.SelectFont(heading);
  dc.TextOut(Pick(kCreditX, language), -12100, Pick(kCreditLine, language));
  // The lines stand 250 twips apart, less than the cell of their font: drawn
  // from the bottom up, each opaque cell covers only the empty top of the
  // line below, never the descenders of the line above.
  dc.TextOut(4000, -13000, res::MakerAddressLine2());
  dc.TextOut(4000, -12750, res::MakerAddressLine1());
  dc.TextOut(4000, -12500, res::kDeveloperNameAndTitle);

  dc.SelectFont(oldFont);
  dc.SelectPen(oldPen);
}

}  // namespace tervane
