// Page 3 of every report: the soils, the general design data, the seismic
// parameters, the foundation effects, the geosynthetic design parameters, the
// specified force orientation and the general factors of safety of the last
// run. A section is a heading and its rows; a row is a label with its value
// on a common right edge, or a sentence that states a choice.
//
// Texts that take two lines in a language hold "\n": the group labels of the
// backfill and foundation soils (the second half on the row below, at x 700),
// the Russian interwedge label (the counter goes on by one, and the Russian
// heading above it stands one row higher), the seismic sentences (the second
// half at x 5700 on the blank row below), the penetration sentences (the
// second half at x 2700, Russian 1700; the counter goes on by one) and the
// Russian Bishop sentence (second half at x 1700; the counter goes on by one).

#include <string>

#include "model/ProjectData.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {

namespace {

// ---- headings -------------------------------------------------------------------

constexpr LanguageTexts kSoilHeading = {
    "SOIL DATA",      "GRONDGEGEVENS",   "CARACTÉRISTIQUES DES SOLS", "BODENKENNWERTE",
    "PARAMETRI DEI TERRENI", "DADOS DOS SOLOS", "DATOS DE LOS SUELOS", "PARAMETRY GRUNTÓW",
    "MAAPARAMETRIT",  "JORDPARAMETRAR",  " ",                         "ХАРАКТЕРИСТИКИ ГРУНТОВ"};
constexpr LanguageTexts kGeneralHeading = {
    "GENERAL DATA",  "ALGEMENE GEGEVENS", "DONNÉES GÉNÉRALES", "ALLGEMEINE ANGABEN",
    "DATI GENERALI", "DADOS GERAIS",      "DATOS GENERALES",   "DANE OGÓLNE",
    "YLEISET TIEDOT", "ALLMÄNNA DATA",    " ",                 "ОБЩИЕ ДАННЫЕ"};
constexpr LanguageTexts kSeismicHeading = {
    "SEISMIC PARAMETERS",  "SEISMISCHE PARAMETERS", "PARAMÈTRES SISMIQUES", "SEISMISCHE PARAMETER",
    "PARAMETRI SISMICI",   "PARÂMETROS SÍSMICOS",   "PARÁMETROS SÍSMICOS",  "PARAMETRY SEJSMICZNE",
    "SEISMISET PARAMETRIT", "SEISMISKA PARAMETRAR", " ",
    "КОЭФФИЦИЕНТЫ, УЧИТЫВАЮЩИЕ СЕЙСМИЧЕСКОЕ ВОЗДЕЙСТВИЕ"};
constexpr LanguageTexts kFoundationHeading = {
    "FOUNDATION EFFECTS",          "INVLOED VAN DE ONDERGROND",  "EFFETS DU SOL DE FONDATION",
    "EINFLUSS DES UNTERGRUNDES",   "EFFETTI DEL TERRENO DI FONDAZIONE", "EFEITOS DO SOLO DE FUNDAÇÃO",
    "EFECTOS DEL SUELO DE CIMENTACIÓN", "WPŁYW PODŁOŻA",         "POHJAMAAN VAIKUTUS",
    "INVERKAN AV UNDERGRUNDEN",    " ",                          "ВЛИЯНИЕ ГРУНТА ОСНОВАНИЯ"};
constexpr LanguageTexts kGeosyntheticHeading = {
    "GEOSYNTHETIC DESIGN PARAMETERS",      "ONTWERPPARAMETERS VAN HET GEOKUNSTSTOF",
    "PARAMÈTRES DE CALCUL DU GÉOSYNTHÉTIQUE", "BEMESSUNGSKENNWERTE DES GEOKUNSTSTOFFS",
    "PARAMETRI DI PROGETTO DEL GEOSINTETICO", "PARÂMETROS DE CÁLCULO DO GEOSSINTÉTICO",
    "PARÁMETROS DE DISEÑO DEL GEOSINTÉTICO",  "PARAMETRY PROJEKTOWE GEOSYNTETYKU",
    "GEOSYNTEETIN MITOITUSPARAMETRIT",      "DIMENSIONERINGSPARAMETRAR FÖR GEOSYNTETEN",
    " ",                                   "РАСЧЕТНЫЕ ПАРАМЕТРЫ ГЕОСИНТЕТИКА"};
constexpr LanguageTexts kOrientationHeading = {
    "SPECIFIED FORCE ORIENTATION",      "OPGEGEVEN RICHTING VAN DE KRACHTEN", "ORIENTATION IMPOSÉE DES EFFORTS",
    "VORGEGEBENE KRAFTRICHTUNG",        "ORIENTAMENTO IMPOSTO DELLE FORZE",   "ORIENTAÇÃO ESPECIFICADA DAS FORÇAS",
    "ORIENTACIÓN ESPECIFICADA DE LAS FUERZAS", "ZADANY KIERUNEK SIŁ",         "ANNETTU VOIMIEN SUUNTA",
    "ANGIVEN KRAFTRIKTNING",            " ",                                  "ЗАДАННОЕ НАПРАВЛЕНИЕ УСИЛИЙ"};
constexpr LanguageTexts kSafetyHeading = {
    "GENERAL SAFETY FACTORS",        "ALGEMENE VEILIGHEIDSFACTOREN", "COEFFICIENTS DE SÉCURITÉ GÉNÉRAUX",
    "ALLGEMEINE SICHERHEITSFAKTOREN", "FATTORI DI SICUREZZA GENERALI", "FATORES DE SEGURANÇA GERAIS",
    "FACTORES DE SEGURIDAD GENERALES", "OGÓLNE WSPÓŁCZYNNIKI BEZPIECZEŃSTWA", "YLEISET VARMUUSLUVUT",
    "ALLMÄNNA SÄKERHETSFAKTORER",     " ",                            "ОБЩИЕ КОЭФФИЦИЕНТЫ ЗАПАСА"};

// ---- soil data ----------------------------------------------------------------------

// The reinforced-soil label with its trailing blanks sets the indent of the
// rows of all three groups; the Polish and Swedish labels are padded to hold
// their longer group labels.
constexpr LanguageTexts kReinforcedGroup = {
    "REINFORCED SOIL:  ",     "GEWAPENDE GROND:  ",  "MASSIF RENFORCÉ:  ",       "BEWEHRTER BODEN:  ",
    "TERRENO RINFORZATO:  ",  "SOLO REFORÇADO:  ",   "SUELO REFORZADO:  ",       "GRUNT ZBROJONY:          ",
    "LUJITETTU MAA:  ",       "ARMERAD JORD:              ", ":  ",             "АРМИРОВАННЫЙ ГРУНТ:  "};
constexpr LanguageTexts kBackfillGroup = {
    "BACKFILL SOIL:  ",       "ACHTERLIGGENDE\n  GROND:", "SOL DE\n  REMBLAI:", "HINTERFÜLLUNG:  ",
    "TERRENO DI\n  RIEMPIMENTO:", "ATERRO:  ",          "RELLENO:  ",        "ZASYPKA:  ",
    "TÄYTTÖMAA:  ",           "ÅTERFYLLNADS-\n  JORD:", ":  ",                "ГРУНТ ЗАСЫПКИ:  "};
constexpr LanguageTexts kFoundationGroup = {
    "FOUNDATION SOIL:",       "ONDERGROND:",         "SOL DE\n  FONDATION:",   "UNTERGRUND:",
    "TERRENO DI\n  FONDAZIONE:", "SOLO DE\n  FUNDAÇÃO:", "SUELO DE\n  CIMENTACIÓN:", "GRUNT PODŁOŻA:",
    "POHJAMAA:",              "UNDERGRUND:",          ":",                      "ГРУНТ ОСНОВАНИЯ:"};
constexpr LanguageTexts kFriction = {
    "Internal angle of friction, ", "Inwendige wrijvingshoek, ", "Angle de frottement interne, ",
    "innerer Reibungswinkel, ",     "Angolo di attrito interno, ", "Ângulo de atrito interno, ",
    "Ángulo de fricción interna, ", "Kąt tarcia wewnętrznego, ",  "Sisäinen kitkakulma, ",
    "Inre friktionsvinkel, ",       ", ",                         "Угол внутреннего трения, "};
// The German "Kohesion" is kept as it stands.
constexpr LanguageTexts kCohesion = {"Cohesion, c ", "Cohesie, c ",   "Cohésion, c ",  "Kohesion, c ",
                                     "Coesione, c ", "Coesão, c ",    "Cohesión, c ",  "Spójność, c ",
                                     "Koheesio, c ", "Kohesion, c ",  ", c ",          "Сцепление, c "};
constexpr LanguageTexts kUnitWeight = {
    "Moist unit weight, ",        "Volumegewicht (vochtig), ", "Poids volumique humide, ",
    "Wichte des feuchten Bodens, ", "Peso di volume umido, ",  "Peso específico húmido, ",
    "Peso unitario húmedo, ",     "Ciężar objętościowy w stanie wilgotnym, ", "Kostea tilavuuspaino, ",
    "Tunghet (fuktig jord), ",    ", ",                        "Удельный вес грунта, "};

// ---- general data -------------------------------------------------------------------

constexpr LanguageTexts kInterwedge = {
    "Assumed angle of interwedge force (direct sliding analysis), ",
    "Aangenomen hoek van de tussenkracht (afschuiving), ",
    "Inclinaison admise de l'effort inter-blocs (glissement direct), ",
    "Angenommene Neigung der Zwischenkraft (Gleiten), ",
    "Inclinazione della forza tra i cunei (scivolamento diretto), ",
    "Ângulo admitido da força entre cunhas (deslizamento), ",
    "Ángulo supuesto de la fuerza entre cuñas (deslizamiento), ",
    "Założony kąt siły międzyklinowej (poślizg bezpośredni), ",
    "Kiilojen välisen voiman oletettu kaltevuus (liukuminen), ",
    "Antagen lutning för kraften mellan kilarna (direkt glidning), ",
    ", ",
    "Принятый угол наклона силы взаимодействия между клиньями\n(расчет на прямое скольжение), "};
constexpr LanguageTexts kPulloutReinforced = {
    "Pullout interaction coefficient (reinforced soil), Ci",
    "Interactiecoëfficiënt uittrekken (gewapende grond), Ci",
    "Coefficient d'interaction à l'arrachement (sol renforcé), Ci",
    "Verbundbeiwert Herausziehen (bewehrter Boden), Ci",
    "Coefficiente di interazione allo sfilamento (terreno rinforzato), Ci",
    "Coeficiente de interação ao arrancamento (solo reforçado), Ci",
    "Coeficiente de interacción al arrancamiento (suelo reforzado), Ci",
    "Współczynnik interakcji przy wyciąganiu (grunt zbrojony), Ci",
    "Ulosvedon vuorovaikutuskerroin (lujitettu maa), Ci",
    "Interaktionskoefficient för utdragning (armerad jord), Ci",
    ", Ci",
    "Коэффициент взаимодействия при выдергивании (армированный грунт), Ci"};
constexpr LanguageTexts kPulloutFoundation = {
    "Pullout interaction coefficient (foundation soil), Ci",
    "Interactiecoëfficiënt uittrekken (ondergrond), Ci",
    "Coefficient d'interaction à l'arrachement (sol de fondation), Ci",
    "Verbundbeiwert Herausziehen (Untergrund), Ci",
    "Coefficiente di interazione allo sfilamento (terreno di fondazione), Ci",
    "Coeficiente de interação ao arrancamento (solo de fundação), Ci",
    "Coeficiente de interacción al arrancamiento (suelo de cimentación), Ci",
    "Współczynnik interakcji przy wyciąganiu (grunt podłoża), Ci",
    "Ulosvedon vuorovaikutuskerroin (pohjamaa), Ci",
    "Interaktionskoefficient för utdragning (undergrund), Ci",
    ", Ci",
    "Коэффициент взаимодействия при выдергивании (грунт основания), Ci"};
constexpr LanguageTexts kSlidingReinforced = {
    "Direct sliding coefficient (along reinforced soil), Cds",
    "Afschuifcoëfficiënt (langs gewapende grond), Cds",
    "Coefficient de glissement direct (sur sol renforcé), Cds",
    "Gleitbeiwert (entlang bewehrtem Boden), Cds",
    "Coefficiente di scivolamento diretto (sul terreno rinforzato), Cds",
    "Coeficiente de deslizamento direto (no solo reforçado), Cds",
    "Coeficiente de deslizamiento directo (sobre suelo reforzado), Cds",
    "Współczynnik poślizgu bezpośredniego (po gruncie zbrojonym), Cds",
    "Liukumiskerroin (lujitettua maata pitkin), Cds",
    "Glidningskoefficient (längs armerad jord), Cds",
    ", Cds",
    "Коэффициент прямого скольжения (по армированному грунту), Cds"};
constexpr LanguageTexts kSlidingFoundation = {
    "Direct sliding coefficient (along foundation soil), Cds",
    "Afschuifcoëfficiënt (langs ondergrond), Cds",
    "Coefficient de glissement direct (sur sol de fondation), Cds",
    "Gleitbeiwert (entlang Untergrund), Cds",
    "Coefficiente di scivolamento diretto (sul terreno di fondazione), Cds",
    "Coeficiente de deslizamento direto (no solo de fundação), Cds",
    "Coeficiente de deslizamiento directo (sobre suelo de cimentación), Cds",
    "Współczynnik poślizgu bezpośredniego (po gruncie podłoża), Cds",
    "Liukumiskerroin (pohjamaata pitkin), Cds",
    "Glidningskoefficient (längs undergrunden), Cds",
    ", Cds",
    "Коэффициент прямого скольжения (по грунту основания), Cds"};
constexpr LanguageTexts kUniformLength = {
    "Uniform length of all layers was specified.",
    "Een gelijke lengte van alle lagen is opgegeven.",
    "Une longueur uniforme de toutes les nappes a été spécifiée.",
    "Gleiche Länge aller Lagen wurde vorgegeben.",
    "È stata specificata una lunghezza uniforme per tutti gli strati.",
    "Foi especificado um comprimento uniforme para todas as camadas.",
    "Se especificó una longitud uniforme para todas las capas.",
    "Przyjęto jednakową długość wszystkich warstw zbrojenia.",
    "Kaikille kerroksille annettiin sama pituus.",
    "Samma längd för alla lager angavs.",
    ".",
    "Задана одинаковая длина всех слоев армирования."};
constexpr LanguageTexts kLinearLength = {
    "'Length linearly interpolated between top and bottom' was specified.",
    "'Lengte lineair geïnterpoleerd tussen bovenste en onderste laag' is opgegeven.",
    "'Longueur interpolée linéairement entre nappe haute et nappe basse' a été spécifiée.",
    "'Länge linear zwischen oberster und unterster Lage interpoliert' wurde vorgegeben.",
    "È stata specificata la 'lunghezza interpolata linearmente tra strato superiore e inferiore'.",
    "Foi especificado 'comprimento interpolado linearmente entre topo e base'.",
    "Se especificó 'longitud interpolada linealmente entre la capa superior y la inferior'.",
    "Przyjęto 'długość interpolowaną liniowo między warstwą górną i dolną'.",
    "Annettiin 'pituus interpoloitu lineaarisesti ylimmän ja alimman kerroksen välillä'.",
    "'Längd linjärt interpolerad mellan översta och understa lagret' angavs.",
    ".",
    "Задана 'длина, линейно интерполированная между верхним и нижним слоями'."};
constexpr LanguageTexts kMinimumLength = {
    "Minimum required length at each elevation was specified.",
    "De minimaal vereiste lengte op elk niveau is opgegeven.",
    "La longueur minimale requise à chaque niveau a été spécifiée.",
    "Erforderliche Mindestlänge in jeder Höhe wurde vorgegeben.",
    "È stata specificata la lunghezza minima richiesta a ogni quota.",
    "Foi especificado o comprimento mínimo necessário em cada cota.",
    "Se especificó la longitud mínima requerida en cada cota.",
    "Przyjęto minimalną wymaganą długość na każdym poziomie.",
    "Annettiin kullekin korkeudelle vaadittu vähimmäispituus.",
    "Minsta erforderliga längd på varje nivå angavs.",
    ".",
    "Задана минимальная требуемая длина на каждой отметке."};

// ---- seismic parameters ---------------------------------------------------------------

constexpr LanguageTexts kKhFull = {
    "Horizontal seismic coefficient, Kh (100% used)",
    "Horizontale seismische coëfficiënt, Kh (100% gebruikt)",
    "Coefficient sismique horizontal, Kh (100% appliqué)",
    "Horizontaler Erdbebenbeiwert, Kh (zu 100% angesetzt)",
    "Coefficiente sismico orizzontale, Kh (100% applicato)",
    "Coeficiente sísmico horizontal, Kh (100% utilizado)",
    "Coeficiente sísmico horizontal, Kh (100% utilizado)",
    "Poziomy współczynnik sejsmiczny, Kh (przyjęto 100%)",
    "Vaakasuuntainen seisminen kerroin, Kh (100% käytetty)",
    "Horisontell seismisk koefficient, Kh (100% använd)",
    ", Kh (100%)",
    "Горизонтальный сейсмический коэффициент, Kh (учтено 100%)"};
constexpr LanguageTexts kKhHalf = {
    "Horizontal seismic coefficient, Kh (50% used)",
    "Horizontale seismische coëfficiënt, Kh (50% gebruikt)",
    "Coefficient sismique horizontal, Kh (50% appliqué)",
    "Horizontaler Erdbebenbeiwert, Kh (zu 50% angesetzt)",
    "Coefficiente sismico orizzontale, Kh (50% applicato)",
    "Coeficiente sísmico horizontal, Kh (50% utilizado)",
    "Coeficiente sísmico horizontal, Kh (50% utilizado)",
    "Poziomy współczynnik sejsmiczny, Kh (przyjęto 50%)",
    "Vaakasuuntainen seisminen kerroin, Kh (50% käytetty)",
    "Horisontell seismisk koefficient, Kh (50% använd)",
    ", Kh (50%)",
    "Горизонтальный сейсмический коэффициент, Kh (учтено 50%)"};
constexpr LanguageTexts kKv = {
    "Vertical seismic coefficient, Kv",     "Verticale seismische coëfficiënt, Kv", "Coefficient sismique vertical, Kv",
    "Vertikaler Erdbebenbeiwert, Kv",       "Coefficiente sismico verticale, Kv",   "Coeficiente sísmico vertical, Kv",
    "Coeficiente sísmico vertical, Kv",     "Pionowy współczynnik sejsmiczny, Kv",  "Pystysuuntainen seisminen kerroin, Kv",
    "Vertikal seismisk koefficient, Kv",    ", Kv",                                 "Вертикальный сейсмический коэффициент, Kv"};
constexpr LanguageTexts kSeismicApplied = {
    "Kh and Kv ARE being applied to the reinforced mass and surcharge in direct sliding analysis.",
    "Kh en Kv WORDEN toegepast op gewapende grond en bovenbelasting (afschuiving).",
    "Kh et Kv SONT appliqués au massif renforcé et à la surcharge dans\nl'étude du glissement direct.",
    "Kh und Kv WERDEN beim Gleiten auf bewehrten Körper und Auflast angesetzt.",
    "Kh e Kv SONO applicati alla massa rinforzata e al sovraccarico nella\nverifica a scivolamento diretto.",
    "Kh e Kv SÃO aplicados à massa reforçada e à sobrecarga na análise\nde deslizamento direto.",
    "Kh y Kv SE APLICAN a la masa reforzada y a la sobrecarga en el análisis\nde deslizamiento directo.",
    "Kh i Kv SĄ przykładane do masywu zbrojonego i obciążenia w analizie poślizgu.",
    "Kh ja Kv OTETAAN huomioon lujitetulle massalle ja kuormalle liukumisessa.",
    "Kh och Kv TILLÄMPAS på den armerade massan och ytlasten vid analys\nav direkt glidning.",
    "Kh, Kv\n.",
    "Kh и Kv УЧИТЫВАЮТСЯ для армированного массива и пригрузки при скольжении."};
constexpr LanguageTexts kSeismicNotApplied = {
    "Kh and Kv ARE NOT applied to the reinforced mass and surcharge in direct sliding analysis.",
    "Kh en Kv WORDEN NIET toegepast op gewapende grond en bovenbelasting (afschuiving).",
    "Kh et Kv NE SONT PAS appliqués au massif renforcé et à la surcharge dans\nl'étude du glissement direct.",
    "Kh und Kv WERDEN beim Gleiten NICHT auf bewehrten Körper und Auflast angesetzt.",
    "Kh e Kv NON SONO applicati alla massa rinforzata e al sovraccarico nella\nverifica a scivolamento diretto.",
    "Kh e Kv NÃO SÃO aplicados à massa reforçada e à sobrecarga na análise\nde deslizamento direto.",
    "Kh y Kv NO SE APLICAN a la masa reforzada y a la sobrecarga en el análisis\nde deslizamiento directo.",
    "Kh i Kv NIE SĄ przykładane do masywu zbrojonego i obciążenia w analizie poślizgu.",
    "Kh ja Kv EI OTETA huomioon lujitetulle massalle ja kuormalle\nliukumistarkastelussa.",
    "Kh och Kv TILLÄMPAS INTE på den armerade massan och ytlasten vid analys\nav direkt glidning.",
    "Kh, Kv\n.",
    "Kh и Kv НЕ УЧИТЫВАЮТСЯ для армированного массива и пригрузки при скольжении."};

// ---- foundation effects ---------------------------------------------------------------

constexpr LanguageTexts kPenetrationAllowed = {
    "Slip surfaces in tieback and compound analyses are allowed to penetrate the foundation soil.",
    "Glijvlakken ('tieback' en 'compound') mogen de ondergrond binnendringen.",
    "Les surfaces de rupture de stabilité interne peuvent pénétrer dans le sol de fondation.",
    "Gleitflächen der inneren Nachweise dürfen in den Untergrund eindringen.",
    "Le superfici di scorrimento delle verifiche interne e composte possono\npenetrare nel terreno di fondazione.",
    "As superfícies de rotura das análises de reforço podem penetrar no solo de fundação.",
    "Las superficies de falla de refuerzos y compuestos pueden penetrar en la cimentación.",
    "Powierzchnie poślizgu w analizie w strefie zbrojenia i złożonej mogą\nprzenikać do gruntu podłoża.",
    "Lujite- ja yhdistelmätarkastelun liukupinnat saavat ulottua pohjamaahan.",
    "Glidytor i 'tieback'- och 'compound'-analyserna får tränga ned i undergrunden.",
    " \n.",
    "Поверхности скольжения при расчетах отдельных слоев и составном анализе\nмогут проникать в грунт "
    "основания."};
// The English sentence that penetration is not allowed passes the right end
// of the page on one line: it takes two, as the French one does.
constexpr LanguageTexts kPenetrationForbidden = {
    "Slip surfaces in tieback and compound analyses are NOT allowed to penetrate\nthe foundation soil.",
    "Glijvlakken ('tieback' en 'compound') mogen de ondergrond NIET binnendringen.",
    "Les surfaces de rupture de stabilité interne NE peuvent PAS pénétrer\ndans le sol de fondation.",
    "Gleitflächen der inneren Nachweise dürfen NICHT in den Untergrund eindringen.",
    "Le superfici di scorrimento delle verifiche interne e composte NON possono\npenetrare nel terreno di "
    "fondazione.",
    "As superfícies de rotura das análises de reforço NÃO podem penetrar no solo de fundação.",
    "Las superficies de falla de refuerzos y compuestos NO pueden penetrar\nen la cimentación.",
    "Powierzchnie poślizgu w analizie w strefie zbrojenia i złożonej NIE mogą\nprzenikać do gruntu podłoża.",
    "Lujite- ja yhdistelmätarkastelun liukupinnat EIVÄT saa ulottua pohjamaahan.",
    "Glidytor i 'tieback'- och 'compound'-analyserna får INTE tränga ned\ni undergrunden.",
    " \n.",
    "Поверхности скольжения при расчетах отдельных слоев и составном анализе\nНЕ могут проникать в грунт "
    "основания."};
constexpr LanguageTexts kBishop = {
    "Bishop's deepseated analysis was invoked and circles may penetrate the",
    "De analyse van diepe glijvlakken volgens Bishop is uitgevoerd; cirkels mogen de",
    "L'étude de grand glissement selon Bishop a été menée; les cercles peuvent pénétrer le",
    "Der Grundbruchnachweis nach Bishop wurde geführt; die Gleitkreise dürfen in den",
    "È stata eseguita la verifica di stabilità globale di Bishop; i cerchi possono penetrare nel",
    "Foi efetuada a análise profunda de Bishop; os círculos podem penetrar no",
    "Se realizó el análisis de falla profunda de Bishop; los círculos pueden penetrar en el",
    "Wykonano analizę stateczności ogólnej metodą Bishopa; okręgi poślizgu mogą sięgać w",
    "Bishopin kokonaisvakavuusanalyysi tehtiin; liukuympyrät saavat ulottua",
    "Bishops stabilitetsanalys har utförts; glidcirklarna får tränga ned i",
    " ",
    "Выполнен расчет на глубинный сдвиг по методу Бишопа; окружности скольжения\nмогут проникать в"};
constexpr LanguageTexts kDepth = {
    "foundation to a maximum depth of   ",
    "ondergrond binnendringen tot een diepte van   ",
    "sol de fondation jusqu'à une profondeur maximale de   ",
    "Untergrund eindringen bis zu einer Tiefe von   ",
    "terreno di fondazione fino a una profondità massima di   ",
    "solo de fundação até uma profundidade máxima de   ",
    "suelo de cimentación hasta una profundidad máxima de   ",
    "podłoże do maksymalnej głębokości   ",
    "pohjamaahan enintään syvyydelle   ",
    "undergrunden till ett största djup av   ",
    "   ",
    "грунт основания на максимальную глубину   "};

// ---- geosynthetic design parameters ------------------------------------------------------

constexpr LanguageTexts kOptimizedSpacing = {
    "(Optimized spacing was conducted by Tervane, where strength = ",
    "(Optimale lagenafstand bepaald door Tervane, met sterkte = ",
    "(Espacement optimisé calculé par Tervane, avec résistance = ",
    "(Optimierte Lagenabstände durch Tervane ermittelt, Festigkeit = ",
    "(Spaziatura ottimizzata calcolata da Tervane, con resistenza = ",
    "(Espaçamento otimizado calculado pelo Tervane, com resistência = ",
    "(Espaciamiento optimizado calculado por Tervane, con resistencia = ",
    "(Optymalny rozstaw wyznaczony przez Tervane, przy wytrzymałości = ",
    "(Tervane optimoi kerrosvälit, lujuus = ",
    "(Optimerat lageravstånd beräknat av Tervane, med hållfasthet = ",
    "( = ",
    "(Оптимальный шаг определен программой Tervane, при прочности = "};
constexpr LanguageTexts kManualInput = {
    "(-------- Manual input data --------)",    "(-------- Handmatige invoer --------)",
    "(-------- Saisie manuelle --------)",      "(--------- manuelle Eingabe --------)",
    "(-------- Dati inseriti manualmente --------)", "(-------- Dados introduzidos manualmente --------)",
    "(-------- Datos introducidos manualmente --------)", "(------Dane wprowadzone ręcznie-----)",
    "(-------- Käsin syötetyt tiedot --------)", "(-------- Manuellt inmatade data --------)",
    "(--------  --------)",                     "(--------- Вводимые данные ---------)"};
constexpr LanguageTexts kRfInstallation = {
    "Reduction factor for installation damage, RFid",
    "Reductiefactor voor installatieschade, RFid",
    "Coefficient de réduction pour endommagement à la mise en œuvre, RFid",
    "Abminderungsfaktor für Einbaubeschädigung, RFid",
    "Fattore di riduzione per danneggiamento durante la posa, RFid",
    "Fator de redução para danos de instalação, RFid",
    "Factor de reducción por daños de instalación, RFid",
    "Współczynnik redukcyjny - uszkodzenia przy wbudowaniu, RFid",
    "Heikennyskerroin asennusvaurioille, RFid",
    "Reduktionsfaktor för installationsskador, RFid",
    ", RFid",
    "Понижающий коэффициент на повреждения при укладке, RFid"};
constexpr LanguageTexts kRfDurability = {
    "Reduction factor for durability, RFd",        "Reductiefactor voor duurzaamheid, RFd",
    "Coefficient de réduction pour la durabilité, RFd", "Abminderungsfaktor für Beständigkeit, RFd",
    "Fattore di riduzione per durabilità, RFd",    "Fator de redução para durabilidade, RFd",
    "Factor de reducción por durabilidad, RFd",    "Współczynnik redukcyjny - trwałość, RFd",
    "Heikennyskerroin säilyvyydelle, RFd",         "Reduktionsfaktor för beständighet, RFd",
    ", RFd",                                       "Понижающий коэффициент на долговечность, RFd"};
constexpr LanguageTexts kRfCreep = {
    "Reduction factor for creep, RFc",           "Reductiefactor voor kruip, RFc",
    "Coefficient de réduction pour le fluage, RFc", "Abminderungsfaktor für Kriechen, RFc",
    "Fattore di riduzione per viscosità (creep), RFc", "Fator de redução para fluência, RFc",
    "Factor de reducción por fluencia, RFc",     "Współczynnik redukcyjny - pełzanie, RFc",
    "Heikennyskerroin virumalle, RFc",           "Reduktionsfaktor för krypning, RFc",
    ", RFc",                                     "Понижающий коэффициент на ползучесть, RFc"};
constexpr LanguageTexts kCoverage = {
    "Coverage ratio, Rc",        "Bedekkingsgraad, Rc",   "Taux de recouvrement, Rc", "Bedeckungsgrad, Rc",
    "Rapporto di copertura, Rc", "Razão de cobertura, Rc", "Relación de cobertura, Rc", "Współczynnik pokrycia, Rc",
    "Peittävyys, Rc",            "Täckningsgrad, Rc",     ", Rc",                     "Коэффициент покрытия, Rc"};
constexpr LanguageTexts kVaries = {"Varies",   "Varieert", "Variable", "variiert",  "Variabile", "Variável",
                                   "Varios",   "Zmienne",  "Vaihtelee", "Varierar", "Varies",    "Переменный"};

// ---- orientation and safety factors ------------------------------------------------------

constexpr LanguageTexts kRor = {
    "Relative orientation of reinforcement is prescribed, ROR",
    "Relatieve oriëntatie van de wapening is voorgeschreven, ROR",
    "L'orientation relative des renforcements est imposée, ROR",
    "Relative Ausrichtung der Bewehrung ist vorgegeben, ROR",
    "È prescritto l'orientamento relativo del rinforzo, ROR",
    "É prescrita a orientação relativa do reforço, ROR",
    "Se prescribe la orientación relativa del refuerzo, ROR",
    "Zadano względny kierunek zbrojenia, ROR",
    "Lujitteen suhteellinen suunta on annettu, ROR",
    "Armeringens relativa riktning är föreskriven, ROR",
    ", ROR",
    "Задано относительное направление армирования, ROR"};
// With the degree sign in both symbol styles; only the English page writes
// "deg" in the Asian Pacific style (kAorAsianEnglish).
constexpr LanguageTexts kAor = {
    "Absolute orientation of reinforcement is prescribed, AOR°",
    "Absolute oriëntatie van de wapening is voorgeschreven, AOR°",
    "L'orientation absolue des renforcements est imposée, AOR°",
    "Absolute Ausrichtung der Bewehrung ist vorgegeben, AOR°",
    "È prescritto l'orientamento assoluto del rinforzo, AOR°",
    "É prescrita a orientação absoluta do reforço, AOR°",
    "Se prescribe la orientación absoluta del refuerzo, AOR°",
    "Zadano bezwzględny kierunek zbrojenia, AOR°",
    "Lujitteen absoluuttinen suunta on annettu, AOR°",
    "Armeringens absoluta riktning är föreskriven, AOR°",
    ", AOR°",
    "Задано абсолютное направление армирования, AOR°"};
constexpr std::string_view kAorAsianEnglish = "Absolute orientation of reinforcement is prescribed, AOR deg";
constexpr LanguageTexts kFsSoil = {
    "Factor of safety on soil shear strength",
    "Veiligheidsfactor op de schuifsterkte van de grond",
    "Coefficient de sécurité sur la résistance au cisaillement du sol",
    "FS für Scherwiderstand des Bodens",
    "Fattore di sicurezza sulla resistenza al taglio del terreno",
    "Fator de segurança na resistência ao corte do solo",
    "Factor de seguridad sobre la resistencia al corte del suelo",
    "Współczynnik bezpieczeństwa dla wytrzymałości gruntu na ścinanie",
    "Maan leikkauslujuuden varmuusluku",
    "Säkerhetsfaktor för jordens skjuvhållfasthet",
    " ",
    "Коэффициент запаса на сдвиговую прочность армируемого грунта"};
constexpr LanguageTexts kFsGeosynthetic = {
    "Factor of safety on geosynthetic strength",
    "Veiligheidsfactor op de sterkte van het geokunststof",
    "Coefficient de sécurité sur la résistance du géosynthétique",
    "FS für Festigkeit des Geokunststoffs",
    "Fattore di sicurezza sulla resistenza del geosintetico",
    "Fator de segurança na resistência do geossintético",
    "Factor de seguridad sobre la resistencia del geosintético",
    "Współczynnik bezpieczeństwa dla wytrzymałości geosyntetyku",
    "Geosynteetin lujuuden varmuusluku",
    "Säkerhetsfaktor för geosyntetens hållfasthet",
    " ",
    "Коэффициент запаса на прочность геосинтетика"};
constexpr LanguageTexts kFsPullout = {
    "Factor of safety on pullout resistance",
    "Veiligheidsfactor op de uittrekweerstand",
    "Coefficient de sécurité sur la résistance à l'arrachement",
    "FS für Herausziehwiderstand",
    "Fattore di sicurezza sulla resistenza allo sfilamento",
    "Fator de segurança na resistência ao arrancamento",
    "Factor de seguridad sobre la resistencia al arrancamiento",
    "Współczynnik bezpieczeństwa dla oporu na wyciąganie",
    "Ulosvetokestävyyden varmuusluku",
    "Säkerhetsfaktor för utdragningsmotstånd",
    " ",
    "Коэффициент запаса на сопротивление выдергиванию"};
constexpr LanguageTexts kFsSliding = {
    "Factor of safety on direct sliding resistance",
    "Veiligheidsfactor op de weerstand tegen afschuiven",
    "Coefficient de sécurité sur la résistance au glissement direct",
    "FS für Gleitwiderstand",
    "Fattore di sicurezza sulla resistenza allo scivolamento diretto",
    "Fator de segurança na resistência ao deslizamento direto",
    "Factor de seguridad sobre la resistencia al deslizamiento directo",
    "Współczynnik bezpieczeństwa dla oporu na poślizg bezpośredni",
    "Liukumiskestävyyden varmuusluku",
    "Säkerhetsfaktor för motstånd mot direkt glidning",
    " ",
    "Коэффициент запаса на сопротивление прямому скольжению"};

const ReportTextRegistration registration(
    "soil and design page",
    {{"soil heading", &kSoilHeading},
     {"general heading", &kGeneralHeading},
     {"seismic heading", &kSeismicHeading},
     {"foundation heading", &kFoundationHeading},
     {"geosynthetic heading", &kGeosyntheticHeading},
     {"orientation heading", &kOrientationHeading},
     {"safety heading", &kSafetyHeading},
     {"reinforced group", &kReinforcedGroup},
     {"backfill group", &kBackfillGroup},
     {"foundation group", &kFoundationGroup},
     {"friction angle", &kFriction},
     {"cohesion", &kCohesion},
     {"unit weight", &kUnitWeight},
     {"interwedge angle", &kInterwedge},
     {"pullout reinforced", &kPulloutReinforced},
     {"pullout foundation", &kPulloutFoundation},
     {"sliding reinforced", &kSlidingReinforced},
     {"sliding foundation", &kSlidingFoundation},
     {"uniform length", &kUniformLength},
     {"linear length", &kLinearLength},
     {"minimum length", &kMinimumLength},
     {"Kh 100%", &kKhFull},
     {"Kh 50%", &kKhHalf},
     {"Kv", &kKv},
     {"seismic applied", &kSeismicApplied},
     {"seismic not applied", &kSeismicNotApplied},
     {"penetration allowed", &kPenetrationAllowed},
     {"penetration forbidden", &kPenetrationForbidden},
     {"Bishop sentence", &kBishop},
     {"maximum depth", &kDepth},
     {"optimised spacing", &kOptimizedSpacing},
     {"manual input", &kManualInput},
     {"RFid", &kRfInstallation},
     {"RFd", &kRfDurability},
     {"RFc", &kRfCreep},
     {"coverage ratio", &kCoverage},
     {"varies", &kVaries},
     {"ROR", &kRor},
     {"AOR", &kAor},
     {"FS soil", &kFsSoil},
     {"FS geosynthetic", &kFsGeosynthetic},
     {"FS pullout", &kFsPullout},
     {"FS direct sliding", &kFsSliding}});

constexpr int kHeadingX = 1200;
constexpr int kLabelX = 700;
constexpr int kValueRight = 10400;
constexpr int kSeismicSecondX = 5700;
constexpr int kPenetrationSecondX = 2700;
constexpr int kRussianSecondX = 1700;
constexpr int kDepthX = 2700;

// The rows of the page, section by section, added to one block of texts. The
// row counter runs on from section to section: a text that takes two lines
// moves the rows below it.
class SoilAndDesignRows {
 public:
  SoilAndDesignRows(PageTexts& texts, const CReportPrinter& printer, const ProjectInput& run,
                    const fw::Font& body, const fw::Font& heading)
      : texts_(texts),
        printer_(printer),
        run_(run),
        body_(body),
        heading_(heading),
        language_(printer.Language()),
        russian_(language_ == ReportLanguage::kRussian),
        style_(printer.SymbolStyle()) {}

  void SoilData();
  void GeneralData();
  void SeismicParameters();
  void FoundationEffects();
  void GeosyntheticParameters();
  void ForceOrientation();
  void SafetyFactors();

 private:
  std::string Unit(Quantity quantity) const {
    return UnitLabel(quantity, printer_.reportUnitSystem, style_, language_);
  }
  void Text(int x, int row, std::string_view s) { texts_.Add(body_, x, RowY(row), s); }
  void Value(int row, const std::string& s) {
    texts_.Add(body_, kValueRight - texts_.Width(body_, s), RowY(row), s);
  }
  int Width(std::string_view s) { return texts_.Width(body_, s); }
  void HeadingRow(const LanguageTexts& table) {
    texts_.Add(heading_, kHeadingX, RowY(r_), Pick(table, language_));
  }
  // A sentence whose second half, if any, stands at `secondX` on the next row.
  // Returns the number of extra rows it took.
  int Sentence(std::string_view s, int secondX) {
    const std::vector<std::string_view> lines = TextLines(s);
    for (std::size_t i = 0; i < lines.size(); ++i)
      Text(i == 0 ? kLabelX : secondX, r_ + static_cast<int>(i), lines[i]);
    return static_cast<int>(lines.size()) - 1;
  }
  // A label on the next row with its value on the right edge.
  void Labelled(std::string_view label, const std::string& s) {
    ++r_;
    Text(kLabelX, r_, label);
    Value(r_, s);
  }

  PageTexts& texts_;
  const CReportPrinter& printer_;
  const ProjectInput& run_;
  const fw::Font& body_;
  const fw::Font& heading_;
  const ReportLanguage language_;
  const bool russian_;
  const int style_;
  int r_ = 3;
};

// The three soils: friction angle, cohesion and unit weight of each.
void SoilAndDesignRows::SoilData() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  const int style = style_;
  HeadingRow(kSoilHeading);
  const std::string_view reinforced = Pick(kReinforcedGroup, language);
  // The rows of the three groups start at the indent g, the width of the
  // reinforced-soil label with its blanks; the backfill and foundation labels
  // of every language end before it.
  const int g = Width(reinforced);
  const std::string pressureUnit = " " + Unit(Quantity::kPressure);
  const std::string weightUnit = "   " + Unit(Quantity::kUnitWeight);
  const auto soilRows = [&](double cohesion, double unitWeight) {
    Text(kLabelX + g, r_ + 1, std::string(Pick(kCohesion, language)) + pressureUnit);
    Value(r_ + 1, Fixed2(cohesion * printer_.pressureUnitFactor));
    const std::string_view weightLabel = Pick(kUnitWeight, language);
    Text(kLabelX + g, r_ + 2, std::string(weightLabel) + weightUnit);
    // Gamma stands in the blanks that open the unit text.
    texts_.Add(ReportFont(language, FontRole::kSymbol, 250), kLabelX + g + Width(weightLabel),
               RowY(r_ + 2), "g");
    Value(r_ + 2, Fixed2(unitWeight * printer_.unitWeightUnitFactor));
  };
  // A group label that takes two lines puts its second half at x 700 on
  // the row below.
  const auto groupLabel = [&](std::string_view label) {
    const std::vector<std::string_view> lines = TextLines(label);
    for (std::size_t i = 0; i < lines.size(); ++i)
      Text(kLabelX, r_ + static_cast<int>(i), lines[i]);
  };
  const std::string_view friction = Pick(kFriction, language);

  r_ = 4;
  {
    // The group label and the row label as one text.
    const std::string first = std::string(reinforced) + std::string(friction);
    Text(kLabelX, r_, first);
    AddGreekDegrees(texts_, language, style, kLabelX + Width(first) + 100, RowY(r_), 'f', false);
  }
  Value(r_, Fixed1(run.reinforcedPhi));
  soilRows(run.reinforcedCohesion, run.reinforcedUnitWeight);
  r_ = 8;
  groupLabel(Pick(kBackfillGroup, language));
  Text(kLabelX + g, r_, friction);
  AddGreekDegrees(texts_, language, style, kLabelX + g + Width(friction) + 100, RowY(r_), 'f',
                  false);
  Value(r_, Fixed1(run.backfillPhi));
  soilRows(run.backfillCohesion, run.backfillUnitWeight);
  r_ = 12;
  groupLabel(Pick(kFoundationGroup, language));
  Text(kLabelX + g, r_, friction);
  AddGreekDegrees(texts_, language, style, kLabelX + g + Width(friction), RowY(r_), 'f', false);
  Value(r_, Fixed1(run.foundationPhi));
  soilRows(run.foundationCohesion, run.foundationUnitWeight);
  r_ = 14;
}

// The general data. A two-line interwedge label takes the blank row above
// its heading, so the rows below keep their places.
void SoilAndDesignRows::GeneralData() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  const std::vector<std::string_view> interwedge = TextLines(Pick(kInterwedge, language));
  const int extra = static_cast<int>(interwedge.size()) - 1;
  r_ += 2 - (extra > 1 ? 1 : extra);
  HeadingRow(kGeneralHeading);
  for (std::string_view line : interwedge) Text(kLabelX, ++r_, line);
  AddGreekDegrees(texts_, language, style_, kLabelX + Width(interwedge.back()), RowY(r_), 'd',
                  true);
  Value(r_, Fixed2(run.interwedgeAngle));
  Labelled(Pick(kPulloutReinforced, language), Fixed2(run.pulloutCoefficientReinforced));
  Labelled(Pick(kPulloutFoundation, language), Fixed2(run.pulloutCoefficientFoundation));
  Labelled(Pick(kSlidingReinforced, language), Fixed2(run.slidingCoefficientReinforced));
  Labelled(Pick(kSlidingFoundation, language), Fixed2(run.slidingCoefficientFoundation));
  ++r_;
  Text(kLabelX, r_,
       Pick(run.lengthLayout == 0   ? kUniformLength
            : run.lengthLayout == 1 ? kLinearLength
                                    : kMinimumLength,
            language));
  r_ += 2;
}

// The seismic parameters: the printed Kh is the value as entered.
void SoilAndDesignRows::SeismicParameters() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  HeadingRow(kSeismicHeading);
  Labelled(Pick(run.khHalved == 0 ? kKhFull : kKhHalf, language), Fixed2(run.seismicKh));
  Labelled(Pick(kKv, language), Fixed2(run.seismicKv));
  ++r_;
  Sentence(Pick(run.seismicOnReinforcedMass != 0 ? kSeismicApplied : kSeismicNotApplied, language),
           kSeismicSecondX);
  r_ += 2;
}

void SoilAndDesignRows::FoundationEffects() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  HeadingRow(kFoundationHeading);
  ++r_;
  r_ += Sentence(
      Pick(run.penetrationForbidden == 0 ? kPenetrationAllowed : kPenetrationForbidden, language),
      russian_ ? kRussianSecondX : kPenetrationSecondX);
  ++r_;
  r_ += Sentence(Pick(kBishop, language), kRussianSecondX);
  Text(kDepthX, r_ + 1, std::string(Pick(kDepth, language)) + Unit(Quantity::kLength));
  Value(r_ + 1, Fixed2(run.maxPenetrationDepth * printer_.lengthUnitFactor));
  r_ += 3;
}

void SoilAndDesignRows::GeosyntheticParameters() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  const double lengthUnitFactor = printer_.lengthUnitFactor;
  HeadingRow(kGeosyntheticHeading);
  const bool optimised = run.runMode == 1;
  if (optimised) {
    ++r_;
    Text(kLabelX, r_,
         std::string(Pick(kOptimizedSpacing, language)) +
             Fixed2(run.ultimateStrength * printer_.strengthUnitFactor) + " " +
             Unit(Quantity::kStrength) + ",");
    ++r_;
    Text(kLabelX, r_,
         "         Dmax = " + Fixed2(run.maxSpacing * lengthUnitFactor) +
             ", Dmin = " + Fixed2(run.minSpacing * lengthUnitFactor) +
             ", Dbottom = " + Fixed2(run.bottomLayerHeight * lengthUnitFactor) + " " +
             Unit(Quantity::kLength) + (russian_ ? "" : ")."));
  } else {
    ++r_;
    Text(kLabelX, r_, Pick(kManualInput, language));
  }
  const auto factor = [&](double optimisedValue, int varies, double firstLayer) {
    if (optimised) return Fixed2(optimisedValue);
    return varies != 0 ? std::string(Pick(kVaries, language)) : Fixed2(firstLayer);
  };
  Labelled(
      Pick(kRfInstallation, language),
      factor(run.rfInstallation, printer_.rfInstallationVaries, printer_.firstLayerRfInstallation));
  Labelled(Pick(kRfDurability, language),
           factor(run.rfDurability, printer_.rfDurabilityVaries, printer_.firstLayerRfDurability));
  Labelled(Pick(kRfCreep, language),
           factor(run.rfCreep, printer_.rfCreepVaries, printer_.firstLayerRfCreep));
  Labelled(Pick(kCoverage, language), Fixed2(run.coverageRatio));
  r_ += 2;
}

// The specified force orientation: the degree sign belongs to the label.
void SoilAndDesignRows::ForceOrientation() {
  const ProjectInput& run = run_;
  HeadingRow(kOrientationHeading);
  if (run.orientationMode == 1) {
    Labelled(Pick(kRor, language_), Fixed2(run.rorValue));
  } else {
    // Only a report whose language is exactly "English" spells the sign out.
    const bool asianEnglish =
        style_ == kAsianSymbols && Project().settings.reportLanguage == "English";
    Labelled(asianEnglish ? kAorAsianEnglish : Pick(kAor, language_), Fixed1(run.aorAngle));
  }
  r_ += 2;
}

void SoilAndDesignRows::SafetyFactors() {
  const ProjectInput& run = run_;
  const ReportLanguage language = language_;
  HeadingRow(kSafetyHeading);
  Labelled(Pick(kFsSoil, language), Fixed2(run.fsSoilStrength));
  Labelled(Pick(kFsGeosynthetic, language), Fixed2(run.fsGeosyntheticStrength));
  Labelled(Pick(kFsPullout, language), Fixed2(run.fsPullout));
  Labelled(Pick(kFsSliding, language), Fixed2(run.fsDirectSliding));
}

}  // namespace

void CReportPrinter::PrintSoilAndDesignPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)info;
  const ReportLanguage language = Language();
  const ProjectInput& run = Project().runInput;
  const fw::Font body = ReportFont(language, FontRole::kBody, 250);
  const fw::Font heading = ReportFont(language, FontRole::kHeading, 250);

  const fw::Font oldFont = dc.SelectFont(body);
  PageTexts texts(dc);
  SoilAndDesignRows rows(texts, *this, run, body, heading);
  rows.SoilData();                // 2.
  rows.GeneralData();             // 3.
  rows.SeismicParameters();       // 4.
  rows.FoundationEffects();       // 5.
  rows.GeosyntheticParameters();  // 6.
  rows.ForceOrientation();        // 7.
  rows.SafetyFactors();           // 8.

  texts.Draw();
  dc.SelectFont(oldFont);
}

}  // namespace tervane
