// A whole Lexorio on fakes, with a player who answers the settings window: the helpers the
// game scenarios share.
#pragma once

#include "fakes.h"
#include "settings/impostazioni.h"

#include <gtest/gtest.h>

namespace lex::test {

// A clock that can look at the board while a pause blocks.
class OrologioSpia : public FakeOrologio {
public:
    std::function<void()> durantePausa;
    void pausa(int ms) override
    {
        if (durantePausa)
            durantePausa();
        FakeOrologio::pausa(ms);
    }
};

// What the player does in the settings window.
struct Scelte {
    bool annulla = false;
    int giocatori = 1;
    int velocita = 3;
    int parole = 10;
    std::array<int, 5> classi{0, 1, 1, 1, 1};
    std::array<int, 5> frequenze{0, 1, 1, 1, 1};
    int simili = 1, suoni = 1, musica = 0;
    bool cambiato = true; // a word-choice box was clicked
    QString destra = QStringLiteral("Cicero"), sinistra = QStringLiteral("Caesar");
};

// O.K. as the settings window hands it over to the main window.
inline void premiOk(Impostazioni& imp, LexorioModel& m, const Scelte& c)
{
    auto& w = imp.m;
    if (c.annulla) {
        w.tag.clear();
        w.shown = false;
        return;
    }
    w.Giocatori[1].selected = c.giocatori == 1;
    w.Giocatori[2].selected = c.giocatori == 2;
    w.velox.value = c.velocita;
    w.quverbi.rows = {"10 vocaboli", "20 vocaboli", "30 vocaboli", "40 vocaboli", "50 vocaboli"};
    w.quverbi.selected = c.parole / 10 - 1;
    for (std::size_t i = 0; i <= 4; ++i) {
        w.Chclassi[i].value = c.classi[i];
        w.Chfreq[i].value = c.frequenze[i];
    }
    w.similino.value = c.simili;
    w.suoni.value = c.suoni;
    w.musica.value = c.musica;
    w.Frame2.tag = c.cambiato ? QStringLiteral("cambiato") : QString();
    w.tag = QStringLiteral("fatto");
    m.foto1.tag = c.destra;
    m.foto2.tag = c.sinistra;
    m.Imr[4].tag = QStringLiteral("vincit ") + c.destra;
    m.Imr[5].tag = QStringLiteral("vae ") + c.destra;
    m.Iml[4].tag = QStringLiteral("vincit ") + c.sinistra;
    m.Iml[5].tag = QStringLiteral("vae ") + c.sinistra;
    m.Timer1.interval = 600 - 100 * c.velocita;
    w.shown = false;
}

// Record lines: n words of one band and class, numbered from da.
inline QByteArray righe(int n, const char* classe = "1", const char* frequenza = "1", int da = 1)
{
    QByteArray t;
    for (int i = da; i < da + n; ++i)
        t += QByteArray(frequenza) + ";" + classe + ";verbum" + QByteArray::number(i) + ";parola" + QByteArray::number(i) + "\r\n";
    return t;
}

// A vocabulary file: a first record that is never played, then the words.
inline QByteArray vocabolario(int n, const char* classe = "1") { return "1;1;primus;primo\r\n" + righe(n, classe); }

class Partita : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    Banco b;
    OrologioSpia orologio;
    Porte porte{orologio, b.casuale, b.box, b.eventi, b.uscita, b.misure, b.file, b.finestre};
    std::unique_ptr<Lexorio> lx;
    std::deque<Scelte> scelte;               // one per showing of the settings window; default after
    std::vector<ImpostazioniModel> viste;    // the settings window as the player found it

    void avvia(const QByteArray& vocaboli)
    {
        cartella.scrivi(QStringLiteral("vocaboli.txt"), vocaboli);
        lx = std::make_unique<Lexorio>(porte, b.canali.crea());
        b.finestre.impostazioni = [this](Impostazioni& imp) {
            viste.push_back(imp.m);
            Scelte c;
            if (!scelte.empty()) {
                c = scelte.front();
                scelte.pop_front();
            }
            premiOk(imp, lx->m, c);
        };
        viste.clear();
        lx->avvio();
        b.box.mostrati.clear(); // a short test vocabulary is warned about
    }

    void tick() { lx->Timer1_Timer(); }
    const Elemento& accesa() const { return lx->m.sign[static_cast<std::size_t>(lx->s.evidenziata)]; }
    bool accesaEsatta() const
    {
        return accesa().text == lx->m.sign[static_cast<std::size_t>(lx->s.casellaesatta)].text;
    }
    // Ticks until the lit box is (or is not) the right one.
    void illumina(bool esatta)
    {
        for (int i = 0; i < 30; ++i) {
            tick();
            if (accesa().visible && accesaEsatta() == esatta)
                return;
        }
        FAIL() << "the highlight never reached the box wanted";
    }
    void giusta(int codice)
    {
        illumina(true);
        lx->tasto(codice);
    }
    void sbagliata(int codice)
    {
        illumina(false);
        lx->tasto(codice);
    }
    // Ticks of the closing animation until the restart prompt, counted.
    int finoAlPrompt()
    {
        for (int i = 1; i <= 200; ++i) {
            tick();
            if (lx->m.Parola.text == QLatin1String("Un tasto per ripartire"))
                return i;
        }
        ADD_FAILURE() << "no restart prompt";
        return -1;
    }
    QStringList boxMostrati() const
    {
        QStringList t;
        for (const auto& x : b.box.mostrati)
            t << x.testo;
        return t;
    }
};

} // namespace lex::test
