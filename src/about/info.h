// The About box "frmAbout": what it says, built afresh at every opening.
#pragma once

#include "shell/elementi.h"

namespace lex {

inline constexpr int kVersioneMaggiore = 3;
inline constexpr int kVersioneMinore = 1;

struct InfoModel {
    QString caption = QStringLiteral("Lexorio !");
    Elemento window, Image1, Command3, lblVersion, lbldes, email, Command1;
    bool fotoScoperta = false; // Command3 was clicked: the portrait shows until the box closes

    // The box as designed, with the three texts written as on opening.
    static InfoModel apertura();
    void clickCommand3();
};

} // namespace lex
