#include "results/TextReport.h"

#include <algorithm>
#include <optional>

#include "model/StrengthFunctions.h"
#include "model/RunOutcome.h"
#include "model/ProjectData.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "resources/ShellResources.h"
#include "results/ExportFiles.h"

namespace tervane {

namespace {


const std::string kRuleLine(92, '_');

class TextReportWriter {
 public:
  explicit TextReportWriter(const ProjectData& project)
      : project_(project),
        r_(project.runInput),
        res_(project.results),
        dutch_(project.settings.reportLanguage == "Dutch"),
        asian_(project.settings.symbolStyle != 0),
        english_(project.input.unitSystem == 1) {}

  std::vector<std::string> Lines() {
    WriteTitlePage();
    WriteReportBody();
    return std::move(lines_);
  }

 private:
  const char* T(const char* english, const char* dutchText) const { return dutch_ ? dutchText : english; }
  void Line(std::string text) { lines_.push_back(std::move(text)); }
  static std::string F(double value, int width = 10, int decimals = 2) {
    return FixedNumber(value, width, decimals);
  }

  // Unit texts appended to values.
  const char* LengthUnit() const { return english_ ? " [ft]" : " [m]"; }
  const char* PressureUnit() const {
    if (!english_) return " [kPa]";
    return asian_ ? " [lb/ft^2]" : " [lb/ft \u00b2]";
  }
  const char* UnitWeightUnit() const {
    if (english_) return asian_ ? " [lb/ft^3]" : " [lb/ft \u00b3]";
    return asian_ ? " [kN/m^3]" : " [kN/m \u00b3]";
  }
  const char* AngleUnit() const { return asian_ ? "deg." : "\u00b0"; }
  const char* MetresOrFeet() const { return english_ ? " ft." : " m."; }

  void WriteTitlePage();
  void WriteReportBody();
  void WriteGeometryAndLoading();
  void WriteWater();
  void WriteSoilData();
  void WriteGeneralData();
  void WriteSeismicParameters();
  void WriteFoundationEffects();
  void WriteGeosyntheticParameters();
  void WriteForceOrientation();
  void WriteSafetyFactors();
  void WriteSoil(const char* heading, double phi, const char* phiUnit, double cohesion, double unitWeight);
  void WriteSummaryTable();
  void WriteDetailedTable();
  void WriteDirectSlidingAndDeepSeated();

  const ProjectData& project_;
  const ProjectInput& r_;
  const AnalysisResults& res_;
  const bool dutch_;
  const bool asian_;
  const bool english_;
  DisplayUnitFactors f_;
  std::vector<std::string> lines_;
};

void TextReportWriter::WriteTitlePage() {
  Line("    TITLE PAGE  ");
  Line("  ==============");
  Line(T("PROJECT IDENTIFICATION:  ", "PROJECT IDENTIFICATIE:   "));
  Line(T("Title:          ", "Titel:          ") + OneLine(r_.projectTitle));
  Line(T("Project Number: ", "Project Nummer: ") + OneLine(r_.projectNumber));
  Line(T("Designer:       ", "Ontwerper:      ") + OneLine(r_.designerName));
  Line(T("Description:    ", "Omschrijving:   "));
  // The description in pieces of 70 characters, at most eight.
  const std::string description = OneLine(r_.projectDescription);
  for (std::size_t piece = 0; piece < 8; ++piece) {
    const std::string text = Utf8Slice(description, piece * 70, 70);
    if (!text.empty()) Line(text);
  }
  Line(" ");
  Line(T("File path and name:  ", "Bestands locatie en naam:  ") + OneLine(project_.projectPath));
  Line(" ");
  Line(T("Design Philosophy and Program Developed by:", "Ontwerp filosofie en programma ontwikkeld door:"));
  // The developer and the maker's address, as the title page credits them.
  const std::string indent(17, ' ');
  for (const std::string& line :
       {std::string(res::kDeveloperNameAndTitle), res::MakerAddressLine1(), res::MakerAddressLine2()})
    Line(indent + line);
  Line("  ");
  for (int i = 0; i < 3; ++i) Line("");
}

void TextReportWriter::WriteSoil(const char* heading, double phi, const char* phiUnit, double cohesion,
                                 double unitWeight) {
  Line(heading);
  Line(T("    Internal angle of friction, phi     ", "    Hoek van inwendige wrijving, phi    ") + F(phi) +
       phiUnit);
  Line(T("    Cohesion, c                         ", "    Cohesie, c                          ") +
       F(cohesion * f_.pressure) + PressureUnit());
  Line(T("    Moist unit weight, gamma            ", "    Volume gewicht (verzadigd), gamma   ") +
       F(unitWeight * f_.unitWeight) + UnitWeightUnit());
}

void TextReportWriter::WriteReportBody() {
  // The units are those now chosen for the input.
  f_ = DisplayUnitFactors::For(project_.input.unitSystem);
  WriteGeometryAndLoading();
  WriteWater();
  WriteSoilData();
  WriteGeneralData();
  WriteSeismicParameters();
  WriteFoundationEffects();
  WriteGeosyntheticParameters();
  WriteForceOrientation();
  WriteSafetyFactors();
  WriteSummaryTable();
  WriteDetailedTable();
  WriteDirectSlidingAndDeepSeated();
}

// The slope's geometry and its surcharges.
void TextReportWriter::WriteGeometryAndLoading() {
  const double L = f_.length;
  const double P = f_.pressure;
  Line(T("    GEOMETRY AND LOADING DATA", "    GEOMETRIE EN BELASTINGEN"));
  Line(T("  =============================", "  ============================"));
  Line(" ");
  Line("    GEOMETRY");
  Line(" ");
  Line(T("Height of slope, H                       ", "Hoogte constructie, H                    ") +
       F(r_.slopeHeight * L) + LengthUnit());
  Line(T("Slope angle, i                           ", "Hellingshoek, i                          ") +
       F(r_.slopeAngle) + AngleUnit());
  Line(T("Horizontal length, A                     ", "Horizontale lengte, A                    ") +
       F(r_.crestLengthA * L) + LengthUnit());
  Line(T("Horizontal length, B                     ", "Horizontale lengte, B                    ") +
       F(r_.crestLengthB * L) + LengthUnit());
  Line(T("Backslope angle, beta                    ", "Hellingshoek boven gewapende grond, beta ") +
       F(r_.backslopeAngle) + AngleUnit());
  Line(T("Slope at bottom of wall, alpha           ", "Hellingshoek van de teen, alpha          ") +
       F(r_.bottomSlopeAngle) + AngleUnit());
  Line(T("Surcharge load over A, Q1                    ", "Bovenbelasting over A, Q1                    ") +
       F(r_.surchargeQ1 * P) + PressureUnit());
  Line(T("Surcharge load over backslope B, Q2          ", "Bovenbelasting over B, Q2                    ") +
       F(r_.surchargeQ2 * P) + PressureUnit());
  Line(T("Surcharge load away from backslope, Q3       ", "Bovenbelasting achter de gewapende grond, Q3 ") +
       F(r_.surchargeQ3 * P) + PressureUnit());
  Line(" ");
}

// The water: a phreatic surface, a pore pressure coefficient or none.
void TextReportWriter::WriteWater() {
  const double L = f_.length;
  Line("    WATER");
  Line(" ");
  if (r_.waterMode == 0) {
    Line(std::string(T("Phreatic surface is defined by coordinates in ",
                       "Freatische lijn is gedefinieerd door de coördinaten in ")) +
         (english_ ? " [ft] :" : " [m] :"));
    Line("    Xw1 =   0.0    Yw1 =   0.0");
    const double points[3][2] = {
        {r_.phreaticX2, r_.phreaticY2}, {r_.phreaticX3, r_.phreaticY3}, {r_.phreaticX4, r_.phreaticY4}};
    for (int p = 0; p < 3; ++p)
      Line(Format("    Xw%d = ", p + 2) + F(points[p][0] * L, 5, 1) + Format("    Yw%d = ", p + 2) +
           F(points[p][1] * L, 5, 1));
  } else if (r_.waterMode == 1) {
    Line(T("Pore water pressure coeeficient, r-sub-u = ", "Waterdruk coëfficient, r-sub-u = ") +
         F(r_.poreWaterCoefficient, 0));
  } else {
    Line(T("Water is not present.", "Geen water aanwezig."));
  }
  Line(" ");
}

void TextReportWriter::WriteSoilData() {
  Line(T("    SOIL DATA", "    GROND GEGEVENS"));
  Line(" ");
  WriteSoil(T("REINFORCED SOIL:", "GEWAPENDE GROND:"), r_.reinforcedPhi, asian_ ? "deg" : "\u00b0",
            r_.reinforcedCohesion, r_.reinforcedUnitWeight);
  WriteSoil(T("BACKFILL SOIL:", "ACHTERLIGGEND GRONDMASSIEF:"), r_.backfillPhi, AngleUnit(), r_.backfillCohesion,
            r_.backfillUnitWeight);
  WriteSoil(T("FOUNDATION SOIL:", "ONDERGROND:"), r_.foundationPhi, AngleUnit(), r_.foundationCohesion,
            r_.foundationUnitWeight);
  Line(" ");
}

void TextReportWriter::WriteGeneralData() {
  Line(T("    GENERAL DATA", "    ALGEMENE GEGEVENS"));
  Line(" ");
  Line(T("Assumed angle of interwedge force (direct sliding analysis), delta",
         "Aannname hoek van 'interwedge' druk (voor afschuif analyse), delta") +
       F(r_.interwedgeAngle) + AngleUnit());
  Line(T("Pullout interaction coefficient (reinforced soil), Ci   ",
         "Pullout interactie coëfficient (gewapende grond), Ci    ") +
       F(r_.pulloutCoefficientReinforced));
  Line(T("Pullout interaction coefficient (foundation soil), Ci   ",
         "Pullout interactie coëfficient (ondergrond), Ci         ") +
       F(r_.pulloutCoefficientFoundation));
  Line(T("Direct sliding coefficient (along reinforced soil), Cds ",
         "Afschuif coëfficient (langs gewapende grond),, Cds      ") +
       F(r_.slidingCoefficientReinforced));
  Line(T("Direct sliding coefficient (along foundation soil), Cds ",
         "Afschuif coëfficient (langs ondergrond), Cds            ") +
       F(r_.slidingCoefficientFoundation));
  if (r_.lengthLayout == 0)
    Line(T("Uniform length of all layers was specified.",
           "Uniforme lengte van alle wapeningslagen was gespecificeerd."));
  else if (r_.lengthLayout == 1)
    Line(T("Length linearly interpolated between top and bottom was specified.",
           "Lineaire interpolatie van de lengte tussen de hoogste en laagste laag is selecteerd."));
  else
    Line(T("Minimum required length at each elevation was specified.",
           "Minimum vereiste wapenings lengte op elke hoogte was gespecificeerd."));
  Line(" ");
}

void TextReportWriter::WriteSeismicParameters() {
  Line(T("    SEISMIC PARAMETERS", "    SEISMISCHE PARAMETERS"));
  Line(" ");
  Line(T("Horizontal seismic coefficient, Kh       ", "Horizontale seismische coëfficient, Kh   ") +
       F(r_.seismicKh));
  Line(T("Vertical seismic coefficient, Kv         ", "Verticale seismische coëfficient, Kv     ") +
       F(r_.seismicKv));
  if (r_.seismicOnReinforcedMass != 0)
    Line(T("Kh and Kv ARE being applied to the reinforced mass and surcharge in direct sliding analysis.",
           "Kh en Kv ZIJN meegenomen in de gewapende grond en de bovenbelasting voor de afschuif analyse."));
  else
    Line(T("Kh and Kv ARE NOT be applied to the reinforced mass and surcharge in direct sliding analysis.",
           "Kh en Kv ZIJN NIET meegenomen in de gewapende grond en de bovenbelasting voor de afschuif analyse."));
  Line(" ");
}

void TextReportWriter::WriteFoundationEffects() {
  const double L = f_.length;
  Line(T("    FOUNDATION EFFECTS", "    ONDERGROND EFFECTEN"));
  Line(" ");
  if (r_.penetrationForbidden != 0)
    Line(T("Slip surfaces in tieback and compound analyses are NOT allowed to penetrate the foundation soil.",
           "Glijvlakken door de ondergrond in 'tieback' en 'compound' analyses zijn NIET toegestaan."));
  else
    Line(T("Slip surfaces in tieback and compound analyses are allowed to penetrate the foundation soil.",
           "Glijvlakken door de ondergrond in 'tieback' en 'compound' analyses zijn toegestaan."));
  Line(T("Bishop's deepseated analysis was invoked and circles penetrate the",
         "Bishop's diepe glijvlakken analyse was geactiveerd en glijvlakken mogen door"));
  Line(T("             foundation to a maximum depth of  ", "    de ondergrond heen tot een maximale diepte van  ") +
       F(r_.maxPenetrationDepth * L, 0) + (english_ ? "[ft]." : "[m]."));
  Line(" ");
}

void TextReportWriter::WriteGeosyntheticParameters() {
  const double L = f_.length;
  const double S = f_.strength;
  Line(T("    GEOSYNTHETIC DESIGN PARAMETERS", "    GEOGRID ONTWERP PARAMETERS"));
  Line(" ");
  const bool optimised = r_.runMode == 1;
  if (optimised) {
    Line(T("(Optimized spacing was conducted by Tervane, where strength = ",
           "(Optimale wapeningsafstand werd door Tervane bepaald, met een sterkte van = ") +
         F(r_.ultimateStrength * S, 0) + (english_ ? " [lb/ft]," : " [kN/m],"));
    Line("         Dmax = " + F(r_.maxSpacing * L, 0) + ", Dmin = " + F(r_.minSpacing * L, 0) +
         ", Dbottom = " + F(r_.bottomLayerHeight * L, 0) + (english_ ? " [ft])." : " [m])."));
  } else {
    Line(T("(-------- Manual input data --------)", "(-------- Handmatige invoer --------)"));
  }
  const char* varies = T("    Varies", "    Varieert");
  Line(T("Reduction factor for installation damage, RFid ",
         "Reductie factor voor mechanische beschadiging, RFid  ") +
       (optimised ? F(r_.rfInstallation) : varies));
  Line(T("Reduction factor for durability, RFd           ", "Reductie factor voor duurzaamheid, RFd               ") +
       (optimised ? F(r_.rfDurability) : varies));
  Line(T("Reduction factor for creep, RFc                ", "Reductie factor voor kruip, RFc                      ") +
       (optimised ? F(r_.rfCreep) : varies));
  Line(T("Coverage ratio, Rc                             ", "Bedekkings ratio, Rc                                 ") +
       F(r_.coverageRatio));
  Line(" ");
}

void TextReportWriter::WriteForceOrientation() {
  Line(T("    SPECIFIED FORCE ORIENTATION", "    GESPECIFICEERDE KRACHT ORIENTATIE"));
  Line(" ");
  if (r_.orientationMode == 1)
    Line(T("Relative orientation of reinforcement is prescribed, ROR = ",
           "Relatieve wapenings orientatie is voorgeschreven, ROR = ") +
         F(r_.rorValue, 0));
  else
    Line(T("Absolute orientation of reinforcement is prescribed, AOR = ",
           "Absolute wapenings orientatie is voorgeschreven, AOR = ") +
         F(r_.aorAngle, 0, 1) + AngleUnit());
  Line(" ");
}

void TextReportWriter::WriteSafetyFactors() {
  Line(T("    GENERAL SAFETY FACTORS", "    ALGEMENE VEILIGHEIDS FACTOREN"));
  Line(" ");
  Line(T("Factor of safety on soil shear strength              ",
         "Veiligheidsfactor voor ongedraineerde schuifsterkte  ") +
       F(r_.fsSoilStrength));
  Line(T("Factor of safety on geosynthetic strength            ",
         "Veiligheidsfactor voor wapenings sterkte             ") +
       F(r_.fsGeosyntheticStrength));
  Line(T("Factor of safety on pullout resistance               ",
         "Veiligheidsfactor voor pullout weerstand             ") +
       F(r_.fsPullout));
  Line(T("Factor of safety on direct sliding resistance        ",
         "Veiligheidsfactor voor afschuif weerstand            ") +
       F(r_.fsDirectSliding));
  Line(" ");
}

void TextReportWriter::WriteSummaryTable() {
  Line(T("    SUMMARY OF TIEBACK AND COMPOUND RESULTS", "    OVERZICHT VAN 'TIEBACK' EN 'COMPOUND' RESULTS"));
  Line(T("  ===========================================", "  ================================================="));
  Line(" ");
  Line(kRuleLine);
  Line(T("                                          S t r e n g t h ",
         "                                           S t e r k t e "));
  Line(T(" #  Elevation Length   Mode of  Required, Ultimate,     Long-term      Actual       Status",
         " # Laagnummer Lengte   Faalme-  Vereist,  Maximaal,    Lange duur      Totale       Status"));
  Line(T("                       Failure     Tr      T-ult     (design) T-ltds  Overall Fs",
         "                       chanisme    Tr      T-ult    (ontwerp) T-ltds     Fs"));
  Line(english_ ? "      [ft]     [ft]              [lb/ft]   [lb/ft]        [lb/ft]"
                : "      [m]      [m]               [kN/m]    [kN/m]         [kN/m]");
  Line(kRuleLine);
  Line(" ");

  LayerStrengthCheck check;
  check.strengthUnitFactor = f_.strength;
  const int count = res_.LayerCount();
  for (int k = 0; k < count; ++k) {
    const double ratio = check.ComputeLayerStrengthRatio(r_, res_, k);
    const bool tieback = check.checkControllingMode == 1;
    Line(Format("%3d", k + 1) + F(res_.resultLayerElevation[k] * f_.length, 8) +
         F((res_.layerRearX[k] - res_.layerFrontX[k]) * f_.length, 8) + (tieback ? "   Tieback " : "   Compound") +
         F(check.checkRequiredStrength, 8) + F(check.checkUltimateStrength, 10) +
         F(check.checkLongTermStrength, 16) + (tieback ? "         " : "       > ") + F(ratio, 0) +
         (LayerStrengthPasses(r_, check, ratio) ? "        OK" : "        x"));
  }
  Line(" ");
}

void TextReportWriter::WriteDetailedTable() {
  Line(T("    DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES",
         "    GEDETAILLEERDE RESULTATEN VAN 'TIEBACK' EN 'COMPOUND' ANALYSES"));
  Line(T("  =====================================================",
         "  =================================================================="));
  Line(" ");
  Line(kRuleLine);
  Line(T("                                              S t r e n g t h   f o r:",
         "                                              S t e r k t e   v o o r:"));
  Line(T(" #  Elevation   Total   Embedded   Length to    Compound    Tieback      Controlling",
         " # Laagnummer   Totale  Omsloten   Lengte      'Compound'  'Tieback'     Controlerende"));
  Line(T("                Length, Length     Slip         Stability  (required)    Mode of",
         "                lengte, lengte om  tot aan     stabiliteit  (vereist)    faalmechanisme"));
  Line(T("                  L     to Resist  surface,    (available)  T-tieback    Failure",
         "                  L     pullout te glijvlak,  (beschikbaar) T-tieback"));
  Line(T("                        Pullout, Le   La        T-compound",
         "                        weerstaan,Le  La        T-compound"));
  Line(english_ ? "      [ft]       [ft]      [ft]     [ft]         [lb/ft]     [lb/ft]"
                : "      [m]        [m]       [m]      [m]          [kN/m]      [kN/m]");
  Line(kRuleLine);
  Line(" ");

  const double L = f_.length;
  const double S = f_.strength;
  const int count = res_.LayerCount();
  for (int k = 0; k < count; ++k) {
    Line(Format("%3d", k + 1) + F(res_.resultLayerElevation[k] * L, 8) +
         F((res_.embeddedLength[k] + res_.lengthToSlipSurface[k]) * L, 9) + F(res_.embeddedLength[k] * L, 9) +
         F(res_.lengthToSlipSurface[k] * L, 11) + F(res_.availableCompoundStrength[k] * S, 15) +
         F(res_.requiredTiebackStrength[k] * S, 12) +
         (res_.controllingMode[k] == 1 ? "      Tieback" : "      Compound"));
  }
  Line(" ");
}

void TextReportWriter::WriteDirectSlidingAndDeepSeated() {
  const double L = f_.length;
  Line(T("    RESULTS OF DIRECT SLIDING AND DEEPSEATED ANALYSES",
         "    RESULTATEN VAN AFSCHUIFWEERSTAND EN DIEPE GLIJVLAKKEN ANALYSE"));
  Line(T("  =====================================================",
         "  ================================================================="));
  Line(" ");
  Line("DIRECT SLIDING");
  Line(" ");
  Line("Required length of bottom layer to produce the specified Fs-direct sliding = " +
       F(r_.fsDirectSliding, 0) + "   is  " + F(res_.directSlidingLength * L, 0) + MetresOrFeet());
  Line(T("Maximum length based on compound and tieback analyses to ensure",
         "Maximale lengte gebaseerd op 'compound' en 'tieback' analyses voor de vereiste"));
  Line(T("Fs-uncertainties = ", "Fs-onzekerheden = ") + F(r_.fsGeosyntheticStrength, 0) +
       T("  and   Fs-pullout = ", "  en   Fs-pullout = ") + F(r_.fsPullout, 0) + ", is  " +
       F(res_.maxTiebackCompoundLength * L, 0) + MetresOrFeet());
  Line(" ");
  Line(T("DEEPSEATED", "DIEPE GLIJVLAKKEN ANALYSE"));
  Line(" ");
  if (!DeepSeatedConducted(res_)) {
    // No deep-seated analysis belongs to the run: neither its factor nor its
    // circle is written.
    Line("Analysis was not conducted since L=0.");
  } else {
    Line(T("Deepseated factor of safety, Fs-deepseated, based on Bishop's analysis, is  ",
           "Veiligheidscoëfficient, Fs-diepe glijvlakken, gebaseerd op Bishop's analyse, is  ") +
         F(DeepSeatedFs(r_, res_), 0) + ".");
    Line(T("The critical circle is forced to pass outside the reinforced zone defined by the bottom",
           "Het kritische glijvlak ligt buiten de gewapende grond, dat begrensd is door de onderste"));
    Line(T("geosynthetic layer;  its maximum potential depth is restricted to ",
           "wapeningslaag; de maximale potentiële diepte is beperkt to ") +
         F(r_.maxPenetrationDepth * L, 0) + MetresOrFeet());
    Line(T("The critical circle is at:   Xc = ", "Het kritische glijvlak is op:   Xc = ") +
         F(res_.criticalCircleX * L, 0) + ",  Yc =  " + F(res_.criticalCircleY * L, 0) + ",  Radius = " +
         F(res_.criticalCircleRadius * L, 0) + (english_ ? " feet." : " meters."));
    Line(T("In case the crest elevation is above H, Tervane assumes a tension crack between the",
           "Als de top wapeningslaag boven H is, gaat Tervane uit van een scheur tussen de"));
    Line(T("crest and H.", "top en H."));
    Line(T("NOTE:  To obtain satisfactory Fs-deepseated, re-run Tervane with a larger specified",
           "OPMERKING: Om toereikende Fs-diepe glijvlakken te krijgen, draai Tervane nog eens"));
    Line(T("value of Fs-direct sliding.  This will force deeper circles that should yield",
           "met een grotere gespecificeerde Fs-\tafschuifweerstand. Hierdoor worden de lagere"));
    Line(T("larger deepseated safety factor.",
           "glijcirkels afgedwongen wat resulteert in een grotere Fs-diepe glijvlakken."));
  }
  Line(" ");
  Line(T("TIEBACK & COMPOUND", "'TIEBACK' & 'COMPOUND'"));
  Line(" ");
  if (r_.penetrationForbidden != 0)
    Line(T("Tieback/compound slip surfaces are restricted from penetrating the foundation soil.",
           "Tieback/compound glijvlakken zijn begrensd om door de ondergrond te gaan."));
  else
    Line(T("Tieback/compound slip surfaces are not restricted from penetrating the foundation soil.",
           "Tieback/compound glijvlakken zijn NIET begrensd om door de ondergrond te gaan."));
}

}  // namespace

std::vector<std::string> TextReportLines(const ProjectData& project) { return TextReportWriter(project).Lines(); }

void SaveResultsAsTextFile() {
  fw::FileDialogOptions options;
  options.defaultExtension = "txt";
  options.proposedName = "*.txt";
  options.askOverwrite = true;
  const std::optional<std::string> path = ChooseExportFile(options);
  if (!path) return;
  WriteExportFile(*path, TextReportLines(Project()));
}

}  // namespace tervane
