#include "shell/modello.h"

namespace lex {

LexorioModel LexorioModel::progettato()
{
    LexorioModel m;
    m.window = collocato(0, 0, 7035, 6300);
    m.window.back = colori::arancio;

    m.Frame1 = collocato(0, 0, 4925, 4725);
    m.Frame1.back = colori::rossoScuro;

    m.Parola = collocato(50, 3800, 4825, 360);
    m.Parola.text = QStringLiteral("Parola");
    m.Parola.fontSize = 14;
    m.Parola.fore = colori::giallo;
    m.Parola.back = colori::rossoScuro;
    // The start screen's word invites a click; the first game gives it the default pointer.
    m.Parola.puntatore = Puntatore::Mano;

    for (auto& s : m.sign) {
        s = collocato(0, 0, 1575, 495);
        s.text = QStringLiteral("?");
    }

    m.Label1 = collocato(0, 6000, 5700, 300);
    m.Label1.back = colori::arancio;
    m.Label2 = collocato(5715, 6000, 1305, 300);
    m.Label2.back = colori::arancio;

    m.Cornice = collocato(0, 0, 2725, 1095, false);
    m.Cornice.back = colori::arancio;
    m.Labverbi = collocato(120, 240, 1935, 375);
    m.Labverbi.text = QStringLiteral("Vocaboli: ");
    m.Lab[1] = collocato(120, 720, 1395, 270);
    m.Lab[1].text = QStringLiteral("Tempo: 00 00");
    m.Lab[2] = collocato(1920, 720, 975, 270);
    m.Lab[2].text = QStringLiteral("Penalità: ");
    for (auto* l : {&m.Labverbi, &m.Lab[1], &m.Lab[2]})
        l->back = colori::arancio;

    m.arapacis = collocato(0, 0, 2700, 1050, false);
    m.arapacis.picture = QStringLiteral("arapacis");
    m.foto1 = collocato(0, 0, 1050, 1050);
    m.foto2 = collocato(0, 0, 1050, 1050);

    for (int i = 1; i <= 2; ++i) {
        const QString lato = i == 1 ? QStringLiteral("r") : QStringLiteral("l");
        const Colore colore = i == 1 ? colori::blu : colori::rosso;
        m.barrone[i] = collocato(0, 0, 690, 5940, false);
        m.barrone[i].picture = QStringLiteral("barrone");
        m.barra[i] = collocato(0, 0, 540, 1575, false);
        m.barra[i].back = colore;
        m.figura[i] = collocato(0, 0, 510, 660, false);
        m.colonna[i] = collocato(0, 0, 510, 495, false);
        m.colonna[i].picture = QStringLiteral("colonna%1").arg(i);
        m.base[i] = collocato(0, 0, 510, 420, false);
        m.base[i].picture = QStringLiteral("base%1").arg(i);
        m.punti[i] = collocato(0, 0, 420, 375, false);
        m.punti[i].text = QStringLiteral("0");
        m.punti[i].back = colori::arancio;
        m.punti[i].fore = colore;
        auto& serie = i == 1 ? m.Imr : m.Iml;
        for (int k = 0; k <= 7; ++k) {
            serie[k] = collocato(0, 0, k == 4 ? 495 : 510, 660, false);
            serie[k].picture = QStringLiteral("im%1%2").arg(lato).arg(k);
        }
        serie[7].width = 375;
        serie[7].height = 315;
    }

    m.fumetto[1] = collocato(0, 0, 4350, 4320, false);
    m.fumetto[2] = collocato(0, 0, 4350, 4320, false);
    m.fumetto[3] = collocato(0, 0, 2370, 2415, false);
    m.fumetto[4] = collocato(0, 0, 2175, 2370, false);
    for (int i = 1; i <= 4; ++i)
        m.fumetto[i].picture = QStringLiteral("fumetto%1").arg(i);
    m.battuta[1] = collocato(360, 0, 3975, 1335, false);
    m.battuta[2] = collocato(2040, 0, 1725, 900, false);
    for (int i = 1; i <= 2; ++i) {
        m.battuta[i].text = QStringLiteral("Battuta");
        m.battuta[i].back = colori::bianco;
    }

    m.Timer1 = Timer{1000, false};
    return m;
}

} // namespace lex
