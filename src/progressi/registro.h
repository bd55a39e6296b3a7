// The learning record: per character, every word played, how it went, and its Leitner box.
//
// The rule, per game and per word, for each recorded player:
//   - a wrong key at any asking of the word sends it back to box 1;
//   - otherwise, answered right at the first key at least once, it moves up one box (at most
//     one box per game, and never beyond 5);
//   - otherwise (asked, but the other player or the clock took it) the box stays.
// A word is known from box 3. It is due again, for the scheduled review, once the days of
// its box have passed since it was last played: box 1 at once, then 1, 2, 4 and 8 days.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace lex {

inline constexpr int kScatole = 5;
inline constexpr int kScatolaNota = 3;
inline constexpr int kFasce = 5; // frequency bands: 0 the personal list, 1 (commonest) to 4

struct VoceProgressi {
    QString categoria, parola, traduzione; // as in the vocabulary the game was playing
    int fascia = 0;                        // frequency band when last played, 0 to 4
    int chiesta = 0;                       // askings
    int giustaPrimo = 0;                   // askings answered right at the first key
    int sbagliata = 0;                     // askings with a wrong key
    QDate ultima;                          // the day last played
    int scatola = 1;                       // 1 to 5

    bool nota() const { return scatola >= kScatolaNota; }
    // Due for the scheduled review on day oggi.
    bool daRipassare(QDate oggi) const;
    friend bool operator==(const VoceProgressi&, const VoceProgressi&) = default;
};

// Known words per frequency band at the end of a day's last game.
struct GiornoProgressi {
    QDate giorno;
    std::array<int, kFasce> note{};
    friend bool operator==(const GiornoProgressi&, const GiornoProgressi&) = default;
};

struct ProfiloProgressi {
    QList<VoceProgressi> voci;      // in the order first played
    QList<GiornoProgressi> giorni;  // ascending, one per day played
    bool vuoto() const { return voci.isEmpty() && giorni.isEmpty(); }
    const VoceProgressi* cerca(const QString& parola, const QString& traduzione) const;
    int note() const;
    friend bool operator==(const ProfiloProgressi&, const ProfiloProgressi&) = default;
};

struct DatiProgressi {
    bool primaDaRipassare = false;          // the scheduled review, chosen in the settings window
    std::array<ProfiloProgressi, 7> profili; // 1 to 6, by character number; 0 unused
    friend bool operator==(const DatiProgressi&, const DatiProgressi&) = default;
};

// One player's game, asking by asking.
struct EsitoDomanda {
    QString categoria, parola, traduzione;
    int fascia = 0;
    bool primoGiusto = false; // the player's first key was right
    bool sbagliata = false;   // the player pressed a wrong key
};

// Folds one player's game into a profile on day oggi, and notes the day's known words.
void registraPartita(ProfiloProgressi& profilo, const QList<EsitoDomanda>& domande, QDate oggi);

// The due words, lowest box first, then the longest unplayed, then in record order.
QList<VoceProgressi> daRipassare(const ProfiloProgressi& profilo, QDate oggi);

// The band of a vocabulary frequency text ("1", " 2"): 0 to 4, 0 for anything else.
int fasciaDi(const QString& frequenza);

} // namespace lex
