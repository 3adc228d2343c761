#pragma once

#include <string_view>

namespace quelbor {

// What "Ergebnisse kopieren" puts on the clipboard, a column each, in the order the window
// shows them from top to bottom: the body's name, the seven inputs and the six results, each
// under the caption of its label. A number's decimal mark is written as the results show it.
struct CopiedColumn
{
    std::string_view caption; // the label that captions the box in the window
    std::string_view box;
    bool number;
};

inline constexpr CopiedColumn copiedColumns[] = {
    {"Label41", "txt_Massebezeichnung", false},
    {"lbl_rhoSE", "txt_rhoSE", true},
    {"lbl_Xanf", "txt_Xanf", true},
    {"lbl_ksiSE", "txt_ksiSE", true},
    {"lbl_kappaMess", "txt_kappaMess", true},
    {"lbl_thetaMess", "txt_thetaMess", true},
    {"lbl_Xmess", "txt_Xmess", true},
    {"Label39", "txt_KappaSteig", true},
    {"lbl_psianf", "txt_psianf", true},
    {"lbl_XSE", "txt_XSE", true},
    {"lbl_psiSE", "txt_psiSE", true},
    {"lbl_psi25", "txt_psi25", true},
    {"lbl_kappa2525", "txt_kappa2525", true},
    {"lbl_kappaGrenz", "txt_kappaGrenz", true},
};

} // namespace quelbor
