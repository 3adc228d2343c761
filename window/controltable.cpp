#include "controltable.h"

namespace quelbor {

namespace {

using enum ControlKind;
using enum TextStyle;
using enum TextAlign;
using enum AtStart;
using namespace textColours;
using namespace accessibleDescriptions;

constexpr LogicalExtent kappaExtent{6000, 4000};
constexpr LogicalExtent schwindungExtent{4000, 1500};

// The two measurement captions continue the one above them; their descriptions say the whole.
constexpr std::string_view measuredAt =
    "Eingabe für die Berechnung: Temperatur, bei der der Feuchteleitkoeffizient gemessen wurde";
constexpr std::string_view measuredWith = "Eingabe für die Berechnung: Wasserbeladung, bei der "
                                          "der Feuchteleitkoeffizient gemessen wurde";
constexpr std::string_view diffusivityChart =
    "Diagramm: Feuchteleitkoeffizient bei 25 °C über dem volumetrischen Wassergehalt, "
    "logarithmisch; Grenz- und Referenzzustand rot, Messzustand grün markiert";
constexpr std::string_view shrinkageChart =
    "Diagramm: noch ausstehende lineare Trockenschwindung in % über der Wasserbeladung";

// clang-format off
constexpr ControlDesign controls[] = {
    // Title, input block and buttons
    {"Label40", Label, "Berechnung von Trocknungskenndaten", 150, 90, 5595, 435, 14.25, Underlined, blue, Left, Visible},
    {"lbl_EingMessdaten", Label, "Eingabedaten:", 270, 585, 1800, 345, windowFont, Plain, black, Left, Visible},
    {"Label41", Label, "Bezeichnung", 270, 990, 1470, 255, 11.25, Plain, darkRed, Left, Visible},
    {"txt_Massebezeichnung", TextBox, "Testmasse ABC von Ziegelei XYZ", 1755, 990, 3765, 250, 11.25, Plain, darkRed, Right, Visible, "Label41", uncalculatedInput},
    {"lbl_rhoSE", Label, "Dichte der getrockneten Masse in kg/m³", 270, 1305, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_rhoSE", TextBox, "1850", 4560, 1305, 975, 250, 9, Plain, black, Centre, Visible, "lbl_rhoSE", calculatedInput},
    {"Label43", Label, "Diff.-Widerstandszahl der trockenen Masse", 270, 1575, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_Mue", TextBox, "12", 4590, 1575, 930, 250, 9, Plain, black, Centre, Visible, "Label43", uncalculatedInput},
    {"lbl_Xanf", Label, "Anfangswasserbeladung in kg/kg atro", 270, 1860, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_Xanf", TextBox, "0,25", 4560, 1860, 975, 250, 9, Plain, black, Centre, Visible, "lbl_Xanf", calculatedInput},
    {"lbl_ksiSE", Label, "Lineare Trockenschwindung in %", 270, 2130, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_ksiSE", TextBox, "6,2", 4560, 2130, 975, 250, 9, Plain, black, Centre, Visible, "lbl_ksiSE", calculatedInput},
    {"lbl_kappaMess", Label, "Feuchteleitkoeffizient in 10^(-9) m²/s", 270, 2400, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_kappaMess", TextBox, "45", 4560, 2400, 975, 250, 9, Plain, black, Centre, Visible, "lbl_kappaMess", calculatedInput},
    {"lbl_thetaMess", Label, "             bei Messtemperatur in °C", 270, 2670, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_thetaMess", TextBox, "20,5", 4560, 2670, 975, 250, 9, Plain, black, Centre, Visible, "lbl_thetaMess", measuredAt},
    {"lbl_Xmess", Label, "             und Wasserbeladung in kg/kg atro", 270, 2940, 4215, 255, 9.75, Plain, black, Left, Visible},
    {"txt_Xmess", TextBox, "0,185", 4560, 2940, 975, 250, 9, Plain, black, Centre, Visible, "lbl_Xmess", measuredWith},
    {"Label39", Label, "Kappa-Steigung unter Grenzfeuchte ( 6...10 )", 270, 3240, 3645, 195, 8.25, Plain, black, Left, Visible},
    {"txt_KappaSteig", TextBox, "7", 4560, 3240, 975, 195, 8.25, Plain, black, Centre, Visible, "Label39", calculatedInput},
    {"cmd_Rechne", Button, "Rechne !", 4500, 510, 1095, 345, 11.25, Italic, black, Centre, Visible, {}, "Berechnet die Kenndaten und zeichnet beide Diagramme"},
    {"cmd_Nochmal", Button, "Nochmal !", 4305, 495, 1410, 390, 11.25, Italic, black, Centre, Hidden, {}, "Blendet die Ergebnisse aus und führt zurück zur Eingabe"},

    // Result block
    {"lbl_Ergebnisse", Label, "Rechenergebnisse:", 210, 3600, 2355, 345, windowFont, Plain, black, Centre, Hidden},
    {"lbl_psianf", Label, "Vol. Anfangswassergehalt in m³/m³", 270, 3960, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_psianf", TextBox, "", 4560, 3960, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_psianf", calculatedResult},
    {"lbl_XSE", Label, "Grenzwasserbeladung in kg/kg atro", 270, 4230, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_XSE", TextBox, "", 4560, 4230, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_XSE", calculatedResult},
    {"lbl_psiSE", Label, "Vol. Grenzwassergehalt in m³/m³", 270, 4500, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_psiSE", TextBox, "", 4560, 4500, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_psiSE", calculatedResult},
    {"lbl_psi25", Label, "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³", 270, 4770, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_psi25", TextBox, "", 4560, 4770, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_psi25", calculatedResult},
    {"lbl_kappa2525", Label, "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s", 270, 5040, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_kappa2525", TextBox, "", 4560, 5040, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_kappa2525", calculatedResult},
    {"lbl_kappaGrenz", Label, "Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s", 270, 5310, 4215, 255, 9.75, Plain, black, Left, Hidden},
    {"txt_kappaGrenz", TextBox, "", 4560, 5310, 975, 250, 9, Plain, black, Centre, Hidden, "lbl_kappaGrenz", calculatedResult},

    // Separator lines, from (x, y) to (x, y)
    {"Line1", Line, "", 5940, 9630, 5940, 60, windowFont, Plain, black, Left, Visible},
    {"Line2", Line, "", 45, 5670, 5925, 5670, windowFont, Plain, black, Left, Visible},

    // Shrinkage chart area
    {"Label42", Label, "Lineare Trockenschwindung", 1395, 5760, 3435, 345, 12.75, Underlined, black, Left, Visible},
    {"Picture2", Image, "lin. Trockenschwindung in %", 270, 6090, 225, 3405, windowFont, Plain, black, Left, Visible, {}, "Senkrechte Achsenbeschriftung des Schwindungsdiagramms"},
    {"pic_Schwindung", Surface, "", 840, 6150, 4875, 3075, windowFont, Plain, black, Left, Visible, "Label42", shrinkageChart, schwindungExtent},
    {"Label34", Label, "15", 570, 6030, 285, 255, 11.25, Plain, black, Left, Visible},
    {"Label33", Label, "10", 570, 7080, 255, 255, 11.25, Plain, black, Left, Visible},
    {"Label32", Label, "5", 660, 8070, 165, 255, 11.25, Plain, black, Left, Visible},
    {"Label31", Label, "0", 660, 9030, 165, 255, 11.25, Plain, black, Left, Visible},
    {"Label26", Label, "0", 810, 9210, 165, 255, 11.25, Plain, blue, Left, Visible},
    {"Label27", Label, "0,1", 1920, 9210, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"Label28", Label, "0,2", 3150, 9210, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"Label29", Label, "0,3", 4350, 9210, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"Label30", Label, "0,4", 5550, 9210, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"Label35", Label, "Wasserbeladung in kg/kg atro", 1620, 9495, 3315, 255, 11.25, Plain, blue, Left, Visible},

    // Diffusivity chart area
    {"Label36", Label, "Abhängigkeit des Feuchteleitkoeffizienten vom Wassergehalt", 6240, 120, 7185, 345, 12.75, Underlined, black, Left, Visible},
    {"lbl_MassenAnteil", Label, "Wasserbeladung in kg/kg atro", 8550, 585, 3180, 255, 11.25, Plain, blue, Left, Visible},
    {"lbl_n0", Label, "0", 7080, 885, 165, 255, 11.25, Plain, blue, Left, Visible},
    {"lbl_n1", Label, "0,1", 8010, 885, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"lbl_n2", Label, "0,2", 8790, 885, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"lbl_n3", Label, "0,3", 9420, 885, 315, 255, 11.25, Plain, blue, Left, Visible},
    {"lbl_n4", Label, "0,4", 9930, 885, 315, 255, 11.25, Plain, blue, Left, Hidden},
    {"lbl_n5", Label, "0,5", 10410, 885, 315, 255, 11.25, Plain, blue, Left, Hidden},
    {"lbl_n6", Label, "0,6", 10800, 885, 315, 255, 11.25, Plain, blue, Left, Hidden},
    {"lbl_n7", Label, "0,7", 11220, 885, 315, 255, 11.25, Plain, blue, Left, Hidden},
    {"lbl_n8", Label, "0,8", 11610, 885, 315, 255, 11.25, Plain, blue, Left, Hidden},
    {"pic_kappa", Surface, "", 7110, 1155, 6825, 6765, windowFont, Plain, black, Left, Visible, "Label36", diffusivityChart, kappaExtent},
    {"Picture1", Image, "Feuchteleitkoeffizient bei 25°C in m²/s", 6120, 2295, 180, 4470, windowFont, Plain, black, Left, Visible, {}, "Senkrechte Achsenbeschriftung des Diagramms des Feuchteleitkoeffizienten"},
    {"Label2", Label, "10", 6450, 1065, 315, 255, windowFont, Plain, black, Left, Visible},
    {"Label9", Label, "-6", 6750, 975, 225, 255, 11.25, Plain, black, Left, Visible},
    {"Label1", Label, "10", 6450, 2685, 315, 255, windowFont, Plain, black, Left, Visible},
    {"Label8", Label, "-7", 6750, 2595, 225, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_10_9", Label, "10", 6450, 4395, 315, 255, windowFont, Plain, black, Left, Visible},
    {"Label5", Label, "-8", 6750, 4305, 225, 255, 11.25, Plain, black, Left, Visible},
    {"Label3", Label, "10", 6450, 6075, 315, 255, windowFont, Plain, black, Left, Visible},
    {"Label6", Label, "-9", 6750, 5985, 225, 255, 11.25, Plain, black, Left, Visible},
    {"Label4", Label, "10", 6420, 7755, 315, 255, windowFont, Plain, black, Left, Visible},
    {"Label7", Label, "-10", 6690, 7665, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m0", Label, "0", 7080, 7935, 165, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m1", Label, "0,1", 8100, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m2", Label, "0,2", 9240, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m3", Label, "0,3", 10380, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m4", Label, "0,4", 11490, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m5", Label, "0,5", 12660, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_m6", Label, "0,6", 13770, 7935, 315, 255, 11.25, Plain, black, Left, Visible},
    {"lbl_VolAnteil", Label, "Volumetrischer Wassergehalt in m³/m³", 8490, 8205, 4065, 255, 11.25, Plain, black, Left, Visible},
    {"Label37", Label, "Schwindungsende (Grenzzustand) und Referenzzustand bei 25% atro sind rot", 7140, 8535, 6615, 255, 9, Plain, black, Left, Visible},
    {"Label38", Label, "                                    und der Messzustand ist grün markiert. ", 7140, 8775, 6615, 255, 9, Plain, black, Left, Visible},
    {"Picture3", Image, "Für Temperaturen 25°C < ϑ < 100°C gilt: κ(ϑ)/κ(25°C) = 1 + 0,0225·(ϑ/°C − 25)", 6210, 9090, 7890, 645, windowFont, Plain, black, Left, Visible, {}, "Temperaturabhängigkeit des Feuchteleitkoeffizienten, als Formel"},
    {"Picture4", Image, "Quelbor-Logo", 13620, 60, 510, 390, windowFont, Plain, black, Left, Visible, {}, "Logo von Quelbor"},

    // Minor labels of the logarithmic scale: "8", "6", "4", "2" within each decade
    {"Label10", Label, "8", 6840, 1215, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label11", Label, "6", 6840, 1455, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label12", Label, "4", 6840, 1755, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label13", Label, "2", 6840, 2205, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label17", Label, "8", 6840, 2895, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label16", Label, "6", 6840, 3135, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label15", Label, "4", 6840, 3435, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label14", Label, "2", 6840, 3885, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label18", Label, "8", 6840, 4605, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label19", Label, "6", 6840, 4845, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label20", Label, "4", 6840, 5145, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label21", Label, "2", 6840, 5595, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label22", Label, "8", 6840, 6285, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label23", Label, "6", 6840, 6525, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label24", Label, "4", 6840, 6825, 135, 255, 9.75, Plain, purple, Left, Visible},
    {"Label25", Label, "2", 6840, 7275, 135, 255, 9.75, Plain, purple, Left, Visible},
};
// clang-format on

} // namespace

std::span<const ControlDesign> controlTable()
{
    return controls;
}

} // namespace quelbor
