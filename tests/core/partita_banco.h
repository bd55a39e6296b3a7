// A whole Lexorio on fakes with a player who answers the settings window with its controls
// and its O.K.
#pragma once

#include "fakes.h"
#include "settings/impostazioni.h"

#include <gtest/gtest.h>

namespace lex::test {

// A clock that lets a test act while a pause blocks.
struct OrologioSpia : FakeOrologio {
    std::function<void()> durantePausa;
    void pausa(int ms) override
    {
        if (durantePausa)
            durantePausa();
        FakeOrologio::pausa(ms);
    }
};

struct Scelte {
    bool annulla = false;
    int giocatori = 1, velocita = 3, parole = 10, simili = 1, musica = 0;
    std::array<int, 5> classi{0, 1, 1, 1, 1}, frequenze{0, 1, 1, 1, 1};
    bool cambiato = true; // a word-choice box was clicked
};

// The player sets the controls and presses O.K. (or Esc): the window's own hand-over runs.
inline void premiOk(Impostazioni& imp, const Scelte& c)
{
    if (c.annulla) {
        imp.carattere(27);
        return;
    }
    auto& w = imp.m;
    if (c.cambiato) { // clicked twice: marked, and the box as it was
        imp.similino_Click();
        imp.similino_Click();
    }
    imp.Giocatori_Click(c.giocatori);
    imp.velox_Change(c.velocita);
    imp.quverbi_Click(c.parole / 10 - 1);
    for (std::size_t i = 0; i <= 4; ++i) {
        w.Chclassi[i].value = c.classi[i];
        w.Chfreq[i].value = c.frequenze[i];
    }
    w.similino.value = c.simili;
    w.suoni.value = 1;
    w.musica.value = c.musica;
    imp.okay_Click(0);
}

// Record lines "1;class;verbumK;parolaK", and a file whose first record is never played.
inline QByteArray righe(int n, const char* classe = "1", int da = 1)
{
    QByteArray t;
    for (int i = da; i < da + n; ++i)
        t += QByteArray("1;") + classe + ";verbum" + QByteArray::number(i) + ";parola" + QByteArray::number(i) + "\r\n";
    return t;
}
inline QByteArray vocabolario(int n) { return "1;1;primus;primo\r\n" + righe(n); }

class InPartita : public ::testing::Test {
protected:
    Banco b;
    OrologioSpia orologio;
    Porte porte{orologio, b.casuale, b.box, b.eventi, b.uscita, b.misure, b.file, b.finestre};
    std::unique_ptr<Lexorio> lx;
    std::deque<Scelte> scelte;            // one per showing of the settings window
    std::vector<ImpostazioniModel> viste; // the window as the player found it
    std::vector<int> volute;              // and the word count it was given

    void avvia(const QByteArray& vocaboli)
    {
        b.file.metti(QStringLiteral("vocaboli.txt"), vocaboli);
        lx = std::make_unique<Lexorio>(porte, b.canali.crea());
        b.finestre.impostazioni = [this](Impostazioni& imp) {
            viste.push_back(imp.m);
            volute.push_back(imp.quanteVolute());
            premiOk(imp, scelte.empty() ? Scelte{} : scelte.front());
            if (!scelte.empty())
                scelte.pop_front();
        };
        viste.clear();
        lx->avvio();
        b.box.mostrati.clear(); // a short vocabulary is warned about
    }
    void inizia(Scelte c = {})
    {
        scelte.push_back(c);
        lx->tasto(13);
        ASSERT_EQ(lx->partita().turnoAperto, 1);
    }
    void tick() { lx->Timer1_Timer(); }
    const Elemento& accesa() const { return lx->modello().sign[static_cast<std::size_t>(lx->partita().evidenziata)]; }
    bool accesaEsatta() const { return accesa().text == lx->modello().sign[static_cast<std::size_t>(lx->partita().casellaEsatta)].text; }
    void illumina(bool esatta)
    {
        for (int i = 0; i < 30; ++i) {
            tick();
            if (accesa().visible && accesaEsatta() == esatta)
                return;
        }
        FAIL() << "the highlight never reached the box wanted";
    }
    void giusta(int codice) { illumina(true), lx->tasto(codice); }
    void sbagliata(int codice) { illumina(false), lx->tasto(codice); }
    int finoAlPrompt()
    {
        for (int i = 1; i <= 200; ++i) {
            tick();
            if (lx->modello().Parola.text == QLatin1String("Un tasto per ripartire"))
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
