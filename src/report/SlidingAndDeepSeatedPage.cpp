// The last page of every report: the results of the direct-sliding and the
// deep-seated analyses of the last run, with the fixed notes on the
// deep-seated search and on the foundation soil.
//
// Each row is one text of a table with the places {0}, {1} ... of its numbers
// and unit words, and "\n" where the text goes on, on the next line; every
// later row moves down with it. A run that stopped because no reinforcement
// length was needed still computed a deep-seated factor below its target:
// the page then states both, the stop and that factor with its circle.

#include <cmath>
#include <string>

#include "model/RunOutcome.h"
#include "model/ProjectData.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

// ---- headings -------------------------------------------------------------------

constexpr LanguageTexts kTitle = {
    "RESULTS OF DIRECT SLIDING AND DEEPSEATED ANALYSES",
    "RESULTATEN VAN AFSCHUIFWEERSTAND EN DIEPE GLIJVLAKKEN ANALYSE",
    "RÉSULTATS DES ÉTUDES EN GLISSEMENT DIRECT ET GRAND GLISSEMENT",
    "ERGEBNISSE DER GLEIT- UND GRUNDBRUCHBERECHNUNG",
    "RISULTATI DELLE VERIFICHE DI SCIVOLAMENTO DIRETTO\nE DI STABILITA' GLOBALE",
    "RESULTADOS DO DESLIZAMENTO DIRETO E ANÁLISES PROFUNDAS",
    "RESULTADOS DEL DESLIZAMIENTO DIRECTO Y ANÁLISIS PROFUNDOS",
    "WYNIKI ANALIZY UTRATY STATECZNOŚCI WSKUTEK BEZPOŚREDNIEGO \n"
    "                POŚLIZGU I GŁĘBOKIEGO OSIADANIA",
    "TULOKSET LIUKUMIS- JA KOKONAISVAKAVUUS-",
    "RRESULTAT AV DIREKT GLIDNING OCH DJUPGÅENDE STABILITETSANALYS",
    " ",
    "РЕЗУЛЬТАТЫ АНАЛИЗОВ НА СКОЛЬЖЕНИЕ И НА ГЛУБИННЫЙ СДВИГ"};
constexpr LanguageTexts kSlidingHeading = {
    "DIRECT SLIDING",        "AFSCHUIFWEERSTAND ANALYSE", "GLISSEMENT DIRECT", "GLEITEN",
    "SCIVOLAMENTO DIRETTO",  "DESLIZAMENTO DIRETO",       "DESLIZAMIENTO DIRECTO", "BEZPOSREDNI POSLIZG",
    "TARKASTELUSTA",         "DIREKT GLIDNING",           " ",                  "ПРЯМОЕ СКОЛЬЖЕНИЕ"};
constexpr LanguageTexts kDeepSeatedHeading = {
    "DEEPSEATED",         "DIEPE GLIJVLAKKEN ANALYSE", "GRAND GLISSEMENT", "GRUNDBRUCH",
    "STABILITA' GLOBALE", "ANÁLISE PROFUNDA",          "FALLA PROFUNDA",   "ANALIZA GŁĘBOKIEGO OSIADANIA",
    "BISHOPIN VAKAVUUSANALYYSI", "BISHOPS STABILITETSANALYS", " ",     "ГЛУБИННЫЙ СДВИГ"};
constexpr LanguageTexts kInternalHeading = {
    "TIEBACK & COMPOUND",           "TIEBACK EN COMPOUND",     "STABILITÉ INTERNE",
    "INNERE- UND ÄUßERE STANDSICHERHEIT", "STABILITÀ INTERNA E COMPOSTA", "REFORÇOS",
    "REFUERZOS Y COMPUESTOS",       "ZNISZCZENIE W STREFIE ZBROJENIA I W STREFIE ZŁOŻONEJ",
    "YHDISTELMÄ- JA LUJITEVAKAVUUSTARKASTELU", "TIEBACK & COMPOUND", "TIEBACK & COMPOUND",
    "АНАЛИЗ УСТОЙЦИВОСТИ ОТДЕЛЬНЫХ СЛОЕВ АРМАТУРЫ И СОСТАВНОЙ АНАЛИЗ"};

// ---- unit words ---------------------------------------------------------------------

constexpr LanguageTexts kMetres = {" m.", " m.", " m.", " m.", " m.", " m.", " m.", " m.", " m.", " m.", " m.", " м."};
constexpr LanguageTexts kFeet = {" ft.", " ft.", " ft.", " ft.", " ft.",  " pés.",
                                 " pies.", " ft.", " ft.", " ft.", " ft.", " футов."};
constexpr LanguageTexts kCircleMetres = {" meters.", " meters.", " meters.", " [m].",    " meters.", " meters.",
                                         " meters.", " meters.", " meters.", " meters.", " meters.", " метров."};
constexpr LanguageTexts kCircleFeet = {" feet.", " feet.", " feet.", " [ft].", " piedi.", " pés.",
                                       " pies.", " feet.", " feet.", " feet.",  " feet.",  " футов."};

// ---- rows ---------------------------------------------------------------------------

constexpr LanguageTexts kRequiredLength = {
    "Required length of bottom layer to produce the ",
    "Vereiste lengte van de onderste laag voor de ",
    "Longueur requise de la nappe inférieure pour obtenir le ",
    "Erforderliche Länge der untersten Lage für den ",
    "Lunghezza richiesta dello strato inferiore per ottenere il ",
    "Comprimento necessário da camada inferior para obter o ",
    "Longitud requerida de la capa inferior para obtener el ",
    "Wymagana długość najniższej warstwy zbrojenia dla uzyskania ",
    "Alimman kerroksen vaadittu pituus, jolla saavutetaan ",
    "Erforderlig längd för det understa lagret för att uppnå ",
    " ",
    "Требуемая длина нижнего слоя арматуры для обеспечения "};
// {0} the specified factor, {1} the length, {2} the unit word.
constexpr LanguageTexts kSpecifiedSliding = {
    "specified Fs-direct sliding = {0}   is  {1}{2}",
    "opgegeven Fs-afschuiving = {0}   is  {1}{2}",
    "Fs-glissement direct spécifié = {0}   est  {1}{2}",
    "vorgegebenen FS-Gleiten = {0}   ist  {1}{2}",
    "Fs-scivolamento diretto specificato = {0}   è  {1}{2}",
    "Fs-deslizamento direto especificado = {0}   é  {1}{2}",
    "Fs-deslizamiento directo especificado = {0}   es  {1}{2}",
    "zadanego Fs-poślizg bezpośredni = {0}   wynosi  {1}{2}",
    "annettu Fs-liukuminen = {0}   on  {1}{2}",
    "angiven Fs-direkt glidning = {0}   är  {1}{2}",
    " = {0}   is  {1}{2}",
    "заданного Fs-скольжение = {0}   составляет  {1}{2}"};
constexpr LanguageTexts kMaximumLength = {
    "Maximum length based on compound and tieback analyses to ensure",
    "Maximale lengte volgens de 'compound'- en 'tieback'-analyse voor",
    "Longueur maximale issue des études de stabilité interne et mixte pour assurer",
    "Größte Länge aus innerer und kombinierter Standsicherheit für",
    "Lunghezza massima dalle verifiche interne e composte per garantire",
    "Comprimento máximo das análises de reforço e compostas para garantir",
    "Longitud máxima según los análisis de refuerzos y compuestos para asegurar",
    "Maksymalna długość z analiz w strefie zbrojenia i złożonej dla zapewnienia",
    "Suurin pituus yhdistelmä- ja lujitevakavuustarkastelusta, jolla varmistetaan",
    "Största längd enligt 'compound'- och 'tieback'-analyserna för att säkerställa",
    " ",
    "Максимальная длина по расчетам отдельных слоев и составному анализу для обеспечения"};
// {0} Fs-uncertainties, {1} Fs-pullout, {2} the length, {3} the unit word.
constexpr LanguageTexts kUncertainties = {
    "Fs-uncertainties = {0}  and   Fs-pullout = {1}, is  {2}{3}",
    "Fs-onzekerheden = {0}  en   Fs-uittrekken = {1}, is  {2}{3}",
    "Fs-incertitudes = {0}  et   Fs-arrachement = {1}, est  {2}{3}",
    "FS-Unsicherheiten = {0}  und   FS-Herausziehen = {1}, ist  {2}{3}",
    "Fs-incertezze = {0}  e   Fs-sfilamento = {1}, è  {2}{3}",
    "Fs-incertezas = {0}  e   Fs-arrancamento = {1}, é  {2}{3}",
    "Fs-incertidumbres = {0}  y   Fs-arrancamiento = {1}, es  {2}{3}",
    "Fs-niepewności = {0}  i   Fs-wyciąganie = {1}, wynosi  {2}{3}",
    "Fs-epävarmuudet = {0}  ja   Fs-ulosveto = {1}, on  {2}{3}",
    "Fs-osäkerheter = {0}  och   Fs-utdragning = {1}, är  {2}{3}",
    " = {0}  and = {1}, is  {2}{3}",
    "Fs-неопределенности = {0}  и   Fs-выдергивание = {1}, составляет  {2}{3}"};
// The Swedish text keeps its leading "T".
constexpr LanguageTexts kNotConducted = {
    "Analysis was not conducted since L=0.", "Analysis was not conducted since L=0.",
    "Analysis was not conducted since L=0.", "Analysis was not conducted since L=0.",
    "Analysis was not conducted since L=0.", "Analysis was not conducted since L=0.",
    "Analysis was not conducted since L=0.", "Analysis was not conducted since L=0.",
    "Analysis was not conducted since L=0.", "TAnalysis was not conducted since L=0.",
    "Analysis was not conducted since L=0.", "Analysis was not conducted since L=0."};
// {0} Fs-deepseated. The Russian text keeps its "исходя их".
constexpr LanguageTexts kDeepSeatedFactor = {
    "Global deepseated factor of safety, Fs-deepseated, based on Bishop's analysis, is  {0}.",
    "Globale veiligheidsfactor diepe glijvlakken, Fs-diep, volgens Bishop, is  {0}.",
    "Coefficient de sécurité global au grand glissement, Fs-global, selon Bishop, est  {0}.",
    "Globale Sicherheit gegen Grundbruch, FS-Grundbruch, nach Bishop, ist  {0}.",
    "Fattore di sicurezza globale, Fs-globale, secondo il metodo di Bishop, è  {0}.",
    "Fator de segurança global, Fs-profundo, pela análise de Bishop, é  {0}.",
    "Factor de seguridad a falla profunda, Fs-profunda, según Bishop, es  {0}.",
    "Współczynnik bezpieczeństwa ze względu na głębokie osiadanie, Fs-osiadanie, oparty na analizie \n"
    "Bishopa wynosi {0}.",
    "Kokonaisvakavuuden varmuusluku, Fs-kokonais, Bishopin menetelmällä, on  {0}.",
    "Total säkerhetsfaktor mot djupgående brott, Fs-djup, enligt Bishop, är  {0}.",
    ", is  {0}.",
    "Коэффициент устойчивости сооружения на глубинный сдвиг, исходя их расчета по \n"
    "методу Бишопа, составляет  {0}."};
// {0} the depth, {1} the unit word.
constexpr LanguageTexts kCircleOutside = {
    "The critical circle is forced to pass outside the reinforced zone defined by the bottom\n"
    "geosynthetic layer;  its maximum potential depth is restricted to {0}{1}",
    "De kritieke cirkel moet buiten de gewapende zone blijven die door de onderste\n"
    "geokunststoflaag wordt bepaald;  de maximale diepte is beperkt tot {0}{1}",
    "Le cercle critique doit passer à l'extérieur de la zone renforcée définie par la\n"
    "nappe géosynthétique inférieure;  sa profondeur maximale est limitée à {0}{1}",
    "Der kritische Gleitkreis muss außerhalb der durch die unterste Geokunststofflage\n"
    "begrenzten bewehrten Zone liegen;  seine größte Tiefe ist begrenzt auf {0}{1}",
    "Il cerchio critico deve passare all'esterno della zona rinforzata definita dallo\n"
    "strato di geosintetico inferiore;  la sua profondità massima è limitata a {0}{1}",
    "O círculo crítico é forçado a passar fora da zona reforçada definida pela camada\n"
    "de geossintético inferior;  a sua profundidade máxima está limitada a {0}{1}",
    "El círculo crítico debe pasar fuera de la zona reforzada definida por la capa\n"
    "geosintética inferior;  su profundidad máxima está limitada a {0}{1}",
    "Okrąg krytyczny musi przebiegać poza strefą zbrojoną wyznaczoną przez najniższą\n"
    "warstwę geosyntetyku;  jego maksymalna głębokość jest ograniczona do {0}{1}",
    "Kriittinen liukuympyrä pakotetaan kulkemaan alimman geosynteettikerroksen\n"
    "rajaaman lujitetun alueen ulkopuolelta;  sen suurin syvyys on rajoitettu {0}{1}",
    "Den kritiska cirkeln tvingas passera utanför den armerade zon som begränsas av\n"
    "det understa geosyntetlagret;  dess största möjliga djup är begränsat till {0}{1}",
    " \n {0}{1}",
    "Критическая окружность проходит вне армированной зоны, ограниченной нижним\n"
    "слоем геосинтетика;  ее максимальная глубина ограничена {0}{1}"};
// {0} Xc, {1} Yc, {2} the radius, {3} the unit word. On one line the circle
// passes the right end of the page in most languages (English included), so
// every language but Norwegian prints it as the Russian page does: the label
// on the first line, the coordinates from "Xc = " on the second.
constexpr LanguageTexts kCircle = {
    "The critical circle is at:\n"
    "Xc = {0},  Yc =  {1},  Radius = {2}{3} Number of slices = 50.",
    "De kritieke cirkel ligt op:\n"
    "Xc = {0},  Yc =  {1},  Straal = {2}{3} Number of slices = 50.",
    "Le cercle critique est situé à:\n"
    "Xc = {0},  Yc =  {1},  Rayon = {2}{3} Number of slices = 50.",
    "Der kritische Gleitkreis liegt bei:\n"
    "Xc = {0},  Yc =  {1},  Radius = {2}{3} Number of slices = 50.",
    "Il cerchio critico è in:\n"
    "Xc = {0},  Yc =  {1},  Raggio = {2}{3} Number of slices = 50.",
    "O círculo crítico está em:\n"
    "Xc = {0},  Yc =  {1},  Raio = {2}{3} Number of slices = 50.",
    "El círculo crítico está en:\n"
    "Xc = {0},  Yc =  {1},  Radio = {2}{3} Number of slices = 50.",
    "Okrąg krytyczny:\n"
    "Xc = {0},  Yc =  {1},  Promień = {2}{3} Number of slices = 50.",
    "Kriittinen liukuympyrä:\n"
    "Xc = {0},  Yc =  {1},  Säde = {2}{3} Number of slices = 50.",
    "Den kritiska cirkeln ligger vid:\n"
    "Xc = {0},  Yc =  {1},  Radie = {2}{3} Number of slices = 50.",
    ":  Xc = {0},  Yc =  {1},  R = {2}{3} Number of slices = 50.",
    "Критическая окружность скольжения находится в точке:\n"
    "Xc = {0},  Yc =  {1},  Радиус = {2}{3} Number of slices = 50."};
constexpr LanguageTexts kTensionCrack = {
    "In case the crest elevation is above H, Tervane assumes a tension crack between the\n"
    "crest and H  (see graphic screen).",
    "Ligt de kruin hoger dan H, dan neemt Tervane een trekscheur aan tussen de\n"
    "kruin en H  (zie grafisch scherm).",
    "Si la crête est plus haute que H, Tervane suppose une fissure de traction entre la\n"
    "crête et H  (voir l'écran graphique).",
    "Liegt die Krone höher als H, nimmt Tervane einen Zugriss zwischen der\n"
    "Krone und H an  (siehe Grafikfenster).",
    "Se la cresta è più alta di H, Tervane assume una fessura di trazione tra la\n"
    "cresta e H  (vedere la schermata grafica).",
    "Se a crista estiver acima de H, o Tervane admite uma fenda de tração entre a\n"
    "crista e H  (ver o ecrã gráfico).",
    "Si la corona está por encima de H, Tervane supone una grieta de tracción entre la\n"
    "corona y H  (ver pantalla gráfica).",
    "Jeżeli korona leży powyżej H, Tervane zakłada szczelinę rozciągania między\n"
    "koroną a H  (patrz ekran graficzny).",
    "Jos harja on korkeammalla kuin H, Tervane olettaa vetohalkeaman\n"
    "harjan ja H:n välille  (katso grafiikkanäyttö).",
    "Om krönet ligger högre än H antar Tervane en dragspricka mellan\n"
    "krönet och H  (se grafikfönstret).",
    " \n.",
    "Если отметка бровки выше H, Tervane предполагает трещину отрыва между\n"
    "бровкой и H  (см. графический экран)."};
constexpr std::string_view kRaiseNoteEnglish =
    "NOTE:  To obtain satisfactory Fs-deepseated, re-run Tervane with a larger specified\n"
    "value of Fs-direct sliding.  This will force deeper circles that should yield\n"
    "larger deepseated safety factor.";
// Finnish, Swedish and Norwegian print the English note.
constexpr LanguageTexts kRaiseNote = {
    kRaiseNoteEnglish,
    "NB:  Voor een voldoende Fs-diep Tervane opnieuw uitvoeren met een grotere opgegeven\n"
    "waarde van Fs-afschuiving.  Dit dwingt diepere cirkels af die een grotere\n"
    "veiligheidsfactor voor diepe glijvlakken zouden moeten geven.",
    "NOTE:  Pour obtenir un Fs-global satisfaisant, relancer Tervane avec une valeur\n"
    "spécifiée plus élevée du Fs-glissement direct.  Ceci imposera des cercles\n"
    "plus profonds qui devraient donner un coefficient de sécurité au grand\n"
    "glissement plus élevé.",
    "HINWEIS:  Für eine ausreichende FS-Grundbruch Tervane mit einem größeren\n"
    "vorgegebenen FS-Gleiten erneut rechnen.  Dadurch werden tiefere Gleitkreise\n"
    "erzwungen, die eine größere Sicherheit gegen Grundbruch ergeben sollten.",
    "NOTA:  Per ottenere un Fs-globale soddisfacente, eseguire di nuovo Tervane con\n"
    "un valore specificato maggiore di Fs-scivolamento diretto.  Ciò forzerà cerchi\n"
    "più profondi che dovrebbero fornire un fattore di sicurezza globale\n"
    "maggiore.",
    "NOTA:  Para obter um Fs-profundo satisfatório, execute de novo o Tervane com um\n"
    "valor especificado maior de Fs-deslizamento direto.  Isto força círculos mais\n"
    "profundos que deverão dar um fator de segurança profundo maior.",
    "NOTA:  Para obtener un Fs-profunda satisfactorio, ejecute de nuevo Tervane con un\n"
    "valor especificado mayor de Fs-deslizamiento directo.  Esto forzará círculos\n"
    "más profundos que deberían dar un factor de seguridad a falla profunda mayor.",
    "UWAGA:  Aby uzyskać zadowalający Fs-osiadanie, należy ponownie uruchomić\n"
    "Tervane z większą zadaną wartością Fs-poślizg bezpośredni.  Wymusi to\n"
    "głębsze okręgi poślizgu, które powinny dać większy współczynnik\n"
    "bezpieczeństwa na głębokie osiadanie.",
    kRaiseNoteEnglish,
    kRaiseNoteEnglish,
    kRaiseNoteEnglish,
    "ПРИМЕЧАНИЕ:  Для получения удовлетворительного Fs-глубинный повторите расчет\n"
    "Tervane с большим заданным значением Fs-скольжение.  Это приведет к более\n"
    "глубоким окружностям, которые должны дать больший коэффициент запаса."};
constexpr LanguageTexts kRestricted = {
    "Tieback/compound slip surfaces are restricted from penetrating the foundation soil.",
    "'Tieback'/'compound'-glijvlakken mogen de ondergrond niet binnendringen.",
    "Les surfaces de rupture de stabilité interne ne peuvent pas pénétrer le sol de fondation.",
    "Innere und kombinierte Gleitflächen dürfen nicht in den Untergrund eindringen.",
    "Le superfici di scorrimento delle verifiche interne e composte non possono\n"
    "penetrare nel terreno di fondazione.",
    "As superfícies de deslizamento das análises de reforço e compostas não podem\n"
    "penetrar no solo de fundação.",
    "Las superficies de falla de los refuerzos y compuestos no pueden penetrar\n"
    "en el suelo de cimentación.",
    "Powierzchnie poślizgu w strefie zbrojenia i złożonej nie mogą przenikać\n"
    "do gruntu podłoża.",
    "Lujite- ja yhdistelmätarkastelun liukupinnat eivät saa ulottua pohjamaahan.",
    "Glidytor för 'tieback' och 'compound' får inte tränga ned i undergrunden.",
    ".",
    "Поверхности скольжения при расчетах отдельных слоев арматуры\n"
    "и составном анализе не могут проникать\n"
    "в грунт основания."};
constexpr LanguageTexts kNotRestricted = {
    "Tieback/compound slip surfaces are not restricted from penetrating the foundation soil.",
    "'Tieback'/'compound'-glijvlakken mogen de ondergrond binnendringen.",
    "Les surfaces de rupture de stabilité interne peuvent pénétrer le sol de fondation.",
    "Innere und kombinierte Gleitflächen dürfen in den Untergrund eindringen.",
    "Le superfici di scorrimento delle verifiche interne e composte possono\n"
    "penetrare nel terreno di fondazione.",
    "As superfícies de deslizamento das análises de reforço e compostas podem\n"
    "penetrar no solo de fundação.",
    "Las superficies de falla de los refuerzos y compuestos pueden penetrar\n"
    "en el suelo de cimentación.",
    "Powierzchnie poślizgu w strefie zbrojenia i złożonej mogą przenikać\n"
    "do gruntu podłoża.",
    "Lujite- ja yhdistelmätarkastelun liukupinnat saavat ulottua pohjamaahan.",
    "Glidytor för 'tieback' och 'compound' får tränga ned i undergrunden.",
    ".",
    "Поверхности скольжения при расчетах отдельных слоев арматуры\n"
    "и составном анализе могут проникать\n"
    "в грунт основания."};

const ReportTextRegistration registration("direct sliding and deep-seated page",
                                          {{"title", &kTitle},
                                           {"direct sliding heading", &kSlidingHeading},
                                           {"deep-seated heading", &kDeepSeatedHeading},
                                           {"tieback and compound heading", &kInternalHeading},
                                           {"metres", &kMetres},
                                           {"feet", &kFeet},
                                           {"circle metres", &kCircleMetres},
                                           {"circle feet", &kCircleFeet},
                                           {"required length", &kRequiredLength},
                                           {"specified direct sliding", &kSpecifiedSliding},
                                           {"maximum length", &kMaximumLength},
                                           {"uncertainties and pullout", &kUncertainties},
                                           {"not conducted", &kNotConducted},
                                           {"deep-seated factor", &kDeepSeatedFactor},
                                           {"circle outside", &kCircleOutside},
                                           {"critical circle", &kCircle},
                                           {"tension crack", &kTensionCrack},
                                           {"raise note", &kRaiseNote},
                                           {"restricted", &kRestricted},
                                           {"not restricted", &kNotRestricted}});

// Printed in English in every language.
constexpr std::string_view kTargetNote =
    "NOTE: Target Fs was smaller than initially computed.  Hence, length of reinforcement \n"
    "was increased to meet or exceed the target value, resulting in possibly excessive Fs \n"
    "for direct sliding.";

constexpr double kDegree = 0.017453292519444445;

}  // namespace

double ThetaCritical(const AnalysisResults& results) {
  double dx = results.directSlidingWedgeX[2] - results.directSlidingWedgeX[1];
  const double dy = results.directSlidingWedgeY[2] - results.directSlidingWedgeY[1];
  // A back line that stands upright or leans forward.
  if (dx < 0.0001) dx = 0.0001;
  return std::atan(dy / dx) / kDegree;
}

void CReportPrinter::PrintSlidingAndDeepSeatedPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)info;
  const ReportLanguage language = Language();
  const ProjectData& project = Project();
  const ProjectInput& run = project.runInput;
  const AnalysisResults& results = project.results;
  const fw::Font body = ReportFont(language, FontRole::kBody, 250);
  const fw::Font title = ReportFont(language, FontRole::kHeading, 250);

  const fw::Font oldFont = dc.SelectFont(body);
  PageTexts texts(dc);
  AddTitle(texts, title, Pick(kTitle, language));

  const bool english = reportUnitSystem != 0;
  const std::string_view unit = Pick(english ? kFeet : kMetres, language);
  const std::string_view circleUnit = Pick(english ? kCircleFeet : kCircleMetres, language);
  const auto length = [&](double metres) { return Fixed2(metres * lengthUnitFactor); };
  // A row from `line`: its first line at firstX, the others at otherX.
  // Returns the line of its last line.
  const auto row = [&](int line, int firstX, int otherX, std::string_view text) {
    const std::vector<std::string_view> lines = TextLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
      texts.Add(body, i == 0 ? firstX : otherX, RowY(line + static_cast<int>(i)), lines[i]);
    return line + static_cast<int>(lines.size()) - 1;
  };

  row(8, 700, 1200, Pick(kSlidingHeading, language));
  row(10, 700, 1200, Pick(kRequiredLength, language));
  row(11, 1200, 1200,
      FillPlaces(Pick(kSpecifiedSliding, language), {Fixed2(run.fsDirectSliding), length(results.directSlidingLength), unit}));
  row(12, 700, 1200, Pick(kMaximumLength, language));
  row(13, 1200, 1200,
      FillPlaces(Pick(kUncertainties, language), {Fixed2(run.fsGeosyntheticStrength), Fixed2(run.fsPullout),
                                                  length(results.maxTiebackCompoundLength), unit}));
  row(14, 700, 1200, "Theta-critical = " + Fixed1(ThetaCritical(results)) + " degrees");
  row(16, language == ReportLanguage::kPolish ? 1200 : 700, 1200, Pick(kDeepSeatedHeading, language));

  int last = 18;
  if (!DeepSeatedConducted(results)) {
    last = row(18, 1200, 1200, Pick(kNotConducted, language));
  } else {
    last = row(18, 700, 1200,
               FillPlaces(Pick(kDeepSeatedFactor, language), {Fixed2(DeepSeatedFs(run, results))}));
    if (RaisedTargetRemarkApplies(run, results)) last = row(last + 1, 1200, 1200, kTargetNote);
    last = row(last + 2, 700, 1200,
               FillPlaces(Pick(kCircleOutside, language), {length(run.maxPenetrationDepth), unit}));
    last = row(last + 1, 700, 1200,
               FillPlaces(Pick(kCircle, language), {length(results.criticalCircleX), length(results.criticalCircleY),
                                                    length(results.criticalCircleRadius), circleUnit}));
    last = row(last + 1, 700, 1200, Pick(kTensionCrack, language));
    last = row(last + 2, 700, 1200, Pick(kRaiseNote, language));
  }
  last = row(last + 2, 700, 1200, Pick(kInternalHeading, language));
  row(last + 2, 700, 1200, Pick(run.penetrationForbidden != 0 ? kRestricted : kNotRestricted, language));

  texts.Draw();
  dc.SelectFont(oldFont);
}

}  // namespace tervane
