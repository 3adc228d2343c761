#pragma once

namespace quelbor::windowDesign {

inline constexpr char caption[] =
    " Quelbor v. 1.4 vom 29.05.2006  -  Berechnung von Trocknungskenndaten";

// Where the client area starts on the screen and how large it is at start, in twips.
inline constexpr int startLeft = 660;
inline constexpr int startTop = 1050;
inline constexpr int startClientWidth = 5880;
inline constexpr int startClientHeight = 3585;

// The keyboard order of the controls that can take the focus.
inline constexpr const char *tabOrder[] = {
    "txt_rhoSE",
    "txt_Xanf",
    "txt_ksiSE",
    "txt_kappaMess",
    "txt_thetaMess",
    "txt_psianf",
    "txt_XSE",
    "txt_psiSE",
    "txt_kappa2525",
    "cmd_Rechne",
    "txt_psi25",
    "cmd_Nochmal",
    "pic_kappa",
    "txt_kappaGrenz",
    "pic_Schwindung",
    "Picture1",
    "Picture2",
    "txt_KappaSteig",
    "Picture3",
    "Picture4",
    "txt_Xmess",
    "txt_Mue",
    "txt_Massebezeichnung",
};

} // namespace quelbor::windowDesign
