// Reading and writing "lexorio.ini": values from the end of the line, clamps, masks, failures, exact bytes.
#include "settings/impostazionipartita.h"
#include "fakes.h"
#include "shell/errori.h"

#include <gtest/gtest.h>

#include <vector>

namespace lex {
namespace {

struct Rifiuti {
    std::vector<std::pair<Maschera, int>> visti;
    std::function<void(Maschera, int)> f() {
        return [this](Maschera m, int i) { visti.emplace_back(m, i); };
    }
};

ImpostazioniPartita leggi(const QByteArray& testo, EsitoLettura* esito = nullptr, Rifiuti* rif = nullptr)
{
    ImpostazioniPartita r;
    Rifiuti locale;
    const EsitoLettura e = leggiTestoImpostazioni(testo, r, (rif ? rif : &locale)->f());
    if (esito)
        *esito = e;
    return r;
}

struct RigaValore {
    const char* riga;
    int ImpostazioniPartita::*campo;
    int atteso;
};

void PrintTo(const RigaValore& r, std::ostream* os) { *os << '"' << r.riga << "\" -> " << r.atteso; }

class ValoreSingolo : public ::testing::TestWithParam<RigaValore> {};

TEST_P(ValoreSingolo, LettoDallaFineDellaRiga)
{
    const RigaValore& p = GetParam();
    EsitoLettura e;
    const ImpostazioniPartita r = leggi(QByteArray(p.riga) + "\r\n", &e);
    EXPECT_EQ(e.errore, 0);
    EXPECT_EQ(r.*(p.campo), p.atteso) << p.riga;
}

INSTANTIATE_TEST_SUITE_P(
    Clamps, ValoreSingolo,
    ::testing::Values(
        RigaValore{"Velocita: 9", &ImpostazioniPartita::velocita, 5},
        RigaValore{"Velocita: 0", &ImpostazioniPartita::velocita, 1},
        RigaValore{"Velocita: x", &ImpostazioniPartita::velocita, 1},
        RigaValore{"Velocita: 3 ", &ImpostazioniPartita::velocita, 1}, // trailing blank is the last character
        RigaValore{"Velocita:     4", &ImpostazioniPartita::velocita, 4},
        RigaValore{"Quante:   5", &ImpostazioniPartita::quante, 10},
        RigaValore{"Quante:   99", &ImpostazioniPartita::quante, 50},
        RigaValore{"Quante:   35", &ImpostazioniPartita::quante, 35},
        RigaValore{"Quante:   ", &ImpostazioniPartita::quante, 10},
        RigaValore{"Quante:   1230", &ImpostazioniPartita::quante, 30},
        RigaValore{"Musica:   7", &ImpostazioniPartita::musica, 1},
        RigaValore{"Musica:   0", &ImpostazioniPartita::musica, 0},
        RigaValore{"Suoni:    0", &ImpostazioniPartita::suoni, 0},
        RigaValore{"Suoni:    ", &ImpostazioniPartita::suoni, 0},
        RigaValore{"Giocatori:0", &ImpostazioniPartita::giocatori, 1},
        RigaValore{"Giocatori:2", &ImpostazioniPartita::giocatori, 2},
        RigaValore{"Giocatori:8", &ImpostazioniPartita::giocatori, 2},
        RigaValore{"Giocator1:6", &ImpostazioniPartita::giocatore1, 6},
        RigaValore{"Giocator2:3", &ImpostazioniPartita::giocatore2, 3},
        RigaValore{"Confronta:2", &ImpostazioniPartita::confronta, 2},
        RigaValore{"Confronta:0", &ImpostazioniPartita::confronta, 0},
        RigaValore{"Confronta:", &ImpostazioniPartita::confronta, 0},
        // Keys are compared exactly: wrong case or missing blanks are skipped lines.
        RigaValore{"velocita: 5", &ImpostazioniPartita::velocita, 3},
        RigaValore{"Velocita:5", &ImpostazioniPartita::velocita, 3},
        RigaValore{"Quante:50", &ImpostazioniPartita::quante, 20}),
    [](const auto& riga) { return test::nomeRiga(riga.index, riga.param.riga); });

TEST(LetturaImpostazioni, TestoVuotoLasciaIPredefiniti)
{
    EXPECT_EQ(leggi(""), ImpostazioniPartita{});
    EXPECT_EQ(leggi("\r\n\r\nrubbish\r\n"), ImpostazioniPartita{});
}

TEST(LetturaImpostazioni, LaRigaPiuTardaVince)
{
    const auto r = leggi("Quante:   30\r\nVelocita: 2\r\nQuante:   40\r\n");
    EXPECT_EQ(r.quante, 40);
    EXPECT_EQ(r.velocita, 2);
}

TEST(LetturaImpostazioni, FineRigaSoloLfOCr)
{
    const auto r = leggi("Velocita: 4\nQuante:   30\rMusica:   1");
    EXPECT_EQ(r.velocita, 4);
    EXPECT_EQ(r.quante, 30);
    EXPECT_EQ(r.musica, 1);
}

using Flag = std::array<bool, 5>;

struct RigaMaschera {
    QByteArray testo;
    Flag classi;
    Flag frequenze;
    int rifiuti;
};

void PrintTo(const RigaMaschera& r, std::ostream* os) { *os << '"' << r.testo.constData() << '"'; }

class Maschere : public ::testing::TestWithParam<RigaMaschera> {};

TEST_P(Maschere, CancellanoSoltanto)
{
    Rifiuti rif;
    const auto r = leggi(GetParam().testo, nullptr, &rif);
    EXPECT_EQ(r.classi, GetParam().classi) << GetParam().testo.constData();
    EXPECT_EQ(r.frequenze, GetParam().frequenze) << GetParam().testo.constData();
    EXPECT_EQ(static_cast<int>(rif.visti.size()), GetParam().rifiuti);
}

constexpr Flag kTutti{false, true, true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Righe, Maschere,
    ::testing::Values(
        RigaMaschera{"Classi:   0101\r\n", {false, false, true, false, true}, kTutti, 0},
        RigaMaschera{"Classi:   0000\r\n", kTutti, kTutti, 0}, // no "1": read as 1111
        RigaMaschera{"Classi:   abcd\r\n", kTutti, kTutti, 0},
        RigaMaschera{"Classi:   x0x1\r\n", {false, true, false, true, true}, kTutti, 0},
        RigaMaschera{"Classi:   1\r\n", kTutti, kTutti, 0},
        RigaMaschera{"Frequenza:1000\r\n", kTutti, {false, true, false, false, false}, 0},
        // A later line can not set a flag again.
        RigaMaschera{"Frequenza:0111\r\nFrequenza:1111\r\n", kTutti, {false, false, true, true, true}, 0},
        // The zeros of two lines add up; clearing the last set flag is refused.
        RigaMaschera{"Frequenza:0011\r\nFrequenza:1100\r\n", kTutti, {false, false, false, false, true}, 1},
        RigaMaschera{"Classi:   0001\r\nClassi:   1110\r\n", {false, false, false, false, true}, kTutti, 1}),
    [](const auto& riga) { return test::nomeRiga(riga.index, riga.param.testo); });

struct RigaFallita {
    const char* testo;
    int errore;
};

void PrintTo(const RigaFallita& r, std::ostream* os) { *os << '"' << r.testo << "\" -> " << r.errore; }

class Fallimenti : public ::testing::TestWithParam<RigaFallita> {};

TEST_P(Fallimenti, FermanoLaLettura)
{
    EsitoLettura e;
    const auto r = leggi(GetParam().testo, &e);
    EXPECT_EQ(e.errore, GetParam().errore) << GetParam().testo;
    EXPECT_EQ(r.velocita, 3) << "reading must stop at the failing line";
}

INSTANTIATE_TEST_SUITE_P(
    Righe, Fallimenti,
    ::testing::Values(RigaFallita{"Confronta:3\r\nVelocita: 5\r\n", errori::kValoreNonValido},
                      RigaFallita{"Confronta:9\r\nVelocita: 5\r\n", errori::kValoreNonValido},
                      RigaFallita{"Giocator1:\r\nVelocita: 5\r\n", errori::kIndiceFuoriIntervallo},
                      RigaFallita{"Giocator1:0\r\nVelocita: 5\r\n", errori::kIndiceFuoriIntervallo},
                      RigaFallita{"Giocator2:7\r\nVelocita: 5\r\n", errori::kIndiceFuoriIntervallo},
                      RigaFallita{"Giocator2:x\r\nVelocita: 5\r\n", errori::kIndiceFuoriIntervallo}),
    [](const auto& riga) { return test::nomeRiga(riga.index, riga.param.testo); });

TEST(ScritturaImpostazioni, PredefinitiByttePerByte)
{
    EXPECT_EQ(testoImpostazioni(ImpostazioniPartita{}),
              QByteArray("Confronta:1\r\nMusica:   0\r\nSuoni:    1\r\nGiocatori:1\r\nGiocator1:1\r\n"
                         "Giocator2:2\r\nVelocita: 3\r\nQuante:   20\r\nClassi:   1111\r\nFrequenza:1111\r\n"
                         "Quante:   20\r\n\r\n"));
}

TEST(ScritturaImpostazioni, ValoriCambiati)
{
    ImpostazioniPartita r;
    r.confronta = 2; // the greyed box is written as 1
    r.musica = 1;
    r.suoni = 0;
    r.giocatori = 2;
    r.giocatore1 = 6;
    r.giocatore2 = 3;
    r.velocita = 5;
    r.quante = 50;
    r.classi = {false, false, true, false, true};
    r.frequenze = {false, true, false, false, false};
    r.personale = true; // never stored
    EXPECT_EQ(testoImpostazioni(r),
              QByteArray("Confronta:1\r\nMusica:   1\r\nSuoni:    0\r\nGiocatori:2\r\nGiocator1:6\r\n"
                         "Giocator2:3\r\nVelocita: 5\r\nQuante:   50\r\nClassi:   0101\r\nFrequenza:1000\r\n"
                         "Quante:   50\r\n\r\n"));
    r.confronta = 0;
    EXPECT_TRUE(testoImpostazioni(r).startsWith("Confronta:0\r\n"));
}

TEST(ScritturaImpostazioni, RiletturaRestituisceLoStesso)
{
    ImpostazioniPartita r;
    r.musica = 1;
    r.giocatori = 2;
    r.giocatore1 = 4;
    r.giocatore2 = 5;
    r.velocita = 1;
    r.quante = 10;
    r.classi = {false, true, false, false, true};
    ImpostazioniPartita letto;
    EXPECT_EQ(leggiTestoImpostazioni(testoImpostazioni(r), letto, {}).errore, 0);
    EXPECT_EQ(letto, r);
}

} // namespace
} // namespace lex
