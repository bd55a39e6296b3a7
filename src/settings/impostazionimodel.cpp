#include "settings/impostazionimodel.h"

namespace lex {

namespace {

Casella casella(double l, double t, double w, double h, const char* testo, int valore)
{
    Casella c = inRosso<Casella>(l, t, w, h, testo);
    c.value = valore;
    return c;
}

} // namespace

ImpostazioniModel ImpostazioniModel::progettato()
{
    ImpostazioniModel m;
    m.window = inRosso(0, 0, 6915, 4710);
    m.window.visible = false;

    m.Frame1 = inRosso(120, 0, 1815, 3075, "Imposta gioco");
    m.Frame2 = inRosso(2040, 0, 2775, 1215, "Classi grammaticali");
    m.Frame3 = inRosso(2040, 1200, 2775, 1215, "Classi di frequenza");
    for (Elemento* f : {&m.Frame1, &m.Frame2, &m.Frame3})
        f->fore = colori::bianco;

    // Inside Frame1.
    m.suoni = casella(120, 240, 700, 210, "&Suoni", 1);
    m.musica = casella(900, 240, 840, 210, "&Musica", 0);
    m.velocita = inRosso(240, 480, 1335, 255, "&Velocità:  3");
    m.velox = inRosso<BarraScorrimento>(120, 720, 1575, 250);
    m.velox.value = 3;
    m.Giocatori[1] = inRosso<Opzione>(240, 1080, 1455, 210, "&1 giocatore");
    m.Giocatori[1].selected = true;
    m.Giocatori[2] = inRosso<Opzione>(240, 1320, 1455, 255, "&2 giocatori");
    m.quverbi = inRosso<Lista>(120, 1680, 1575, 1110);
    m.quverbi.back = colori::rossoChiaro;

    // Inside Frame2.
    m.Chclassi[1] = casella(120, 210, 1335, 210, "Nomi", 1);
    m.Chclassi[2] = casella(120, 450, 1815, 210, "Aggettivi e pronomi", 1);
    m.Chclassi[3] = casella(120, 690, 1335, 210, "Verbi", 1);
    m.Chclassi[4] = casella(120, 930, 2175, 210, "Avverbi, cong., prep.", 1);
    m.Chclassi[0].visible = false;

    // Inside Frame3, except box 0 which stands on the window.
    m.Chfreq[1] = casella(120, 240, 2535, 210, "Frequenza 1 (più frequenti)", 1);
    m.Chfreq[2] = casella(120, 450, 1455, 210, "Frequenza 2", 1);
    m.Chfreq[3] = casella(120, 690, 1455, 210, "Frequenza 3", 1);
    m.Chfreq[4] = casella(120, 930, 2475, 210, "Frequenza 4 (meno frequenti)", 1);
    m.Chfreq[0] = casella(2160, 2480, 2655, 210, "Elenco &personale (vocpers.txt)", 0);
    m.similino = casella(2160, 2720, 2655, 210, "&Escludi simili (prime due lettere)", 1);
    m.primaRipasso = casella(2160, 2960, 2655, 210, "Prima i vocaboli &da ripassare", 0);
    m.primaRipasso.visible = false;

    m.okay[0] = inRosso(4920, 120, 1935, 1455, "&O.K.", 15.75);
    m.okay[1] = inRosso(4920, 2280, 1935, 495, "&Uscita (esc)", 11.25);
    m.okay[2] = inRosso(4920, 1680, 1935, 495, "&Salva impostazioni", 9);
    for (Elemento& b : m.okay)
        b.back = colori::rossoChiaro;

    // Player 1 on the right, player 2 on the left, as on the board.
    m.Picture1[0].visible = false;
    m.Picture1[1] = inRosso(5760, 3180, 1050, 1050);
    m.Picture1[2] = inRosso(120, 3180, 1050, 1050);
    m.Picture1[3] = inRosso(3480, 3180, 2145, 1050);
    m.Picture1[3].picture = QStringLiteral("nuvola1");
    m.Picture1[4] = inRosso(1320, 3180, 2145, 1050);
    m.Picture1[4].picture = QStringLiteral("nuvola2");
    // The balloon lines lie over the balloons and are placed relative to them.
    m.battuta[0].visible = false;
    m.battuta[1] = inRosso(180, 150, 1530, 840, "", 12);
    m.battuta[2] = inRosso(480, 150, 1530, 840, "", 12);
    m.battuta[1].back = m.battuta[2].back = colori::bianco;
    m.nomefoto[0] = inRosso(1440, 4380, 4050, 255, "Cliccare sulla foto per cambiare personaggio");
    m.nomefoto[1] = inRosso(5760, 4380, 1050, 255);
    m.nomefoto[2] = inRosso(120, 4380, 1050, 255);
    for (Elemento& n : m.nomefoto)
        n.back = colori::bianco;

    // The photo store lies outside the client area and is never shown.
    m.foto[0].visible = false;
    for (int i = 1; i <= 6; ++i) {
        Elemento& f = m.foto[static_cast<std::size_t>(i)];
        f = inRosso(7200, 0, 1050, 1050);
        f.visible = false;
        f.picture = QStringLiteral("foto%1").arg(i);
    }
    return m;
}

} // namespace lex
