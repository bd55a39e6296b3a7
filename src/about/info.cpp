#include "about/info.h"

namespace lex {

InfoModel InfoModel::apertura()
{
    InfoModel m;
    m.window = collocato(0, 0, 3510, 3555);
    m.window.back = colori::arancio;
    m.Image1 = collocato(120, 240, 1335, 1695);
    m.Image1.picture = QStringLiteral("autore");
    m.Command3 = collocato(120, 240, 1335, 1695);
    m.Command3.text = QStringLiteral("L'autore (foto non recente)");
    m.Command3.picture = QStringLiteral("bottone");
    m.Command3.back = colori::gialloChiaro;
    m.lblVersion = collocato(2040, 360, 1275, 345);
    m.lblVersion.text = QStringLiteral("Versione %1.%2").arg(kVersioneMaggiore).arg(kVersioneMinore);
    m.lbldes = collocato(2040, 840, 1275, 945);
    m.lbldes.text = QStringLiteral("Squadra Lexorio\nRoma,\n25 dicembre 2002");
    m.email = collocato(240, 2400, 1815, 825);
    m.email.text = QStringLiteral("Per segnalazioni o suggerimenti:\n\nlexorio@example.org");
    m.Command1 = collocato(2160, 2400, 1215, 855);
    m.Command1.text = QStringLiteral("O.K.");
    m.Command1.back = colori::gialloChiaro;
    for (auto* e : {&m.lblVersion, &m.lbldes, &m.email})
        e->back = colori::arancio;
    return m;
}

void InfoModel::clickCommand3()
{
    fotoScoperta = true;
    Command3.visible = false;
}

} // namespace lex
