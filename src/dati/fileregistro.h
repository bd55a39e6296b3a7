// A record the game keeps in a file of its own (the review, the learning record): read once at
// start, written in the background after each game. A damaged file is set aside under a name of
// its own and the record starts again; when even that fails, the file stays as it is and is
// never written over. Each failed write is told once after a game.
#pragma once

#include "dati/disparte.h"
#include "dati/filesistema.h"

#include <QStringList>

#include <functional>

namespace lex {

class FileDiRegistro {
public:
    // How the warnings end: what starts again after a set-aside, what this session will not
    // keep when the damaged file must stay, what a failed write costs.
    struct Parole {
        QString daCapo, nonSalvato, perdita;
    };
    FileDiRegistro(FileSistema& fs, ScrittoreInDisparte& scrittore, QString nome, qint64 massimo, Parole parole)
        : fs_(fs), scrittore_(scrittore), nome_(std::move(nome)), massimo_(massimo), parole_(std::move(parole))
    {
    }

    // Reads the file; prendi parses it and says whether it took it.
    void carica(const std::function<bool(const QByteArray&)>& prendi);
    // The same with a reader that gives the record, or nothing for a text it refuses.
    template <typename Dati, typename Leggi>
    void carica(Dati& dati, Leggi leggi)
    {
        carica([&](const QByteArray& testo) {
            auto d = leggi(testo);
            if (d)
                dati = std::move(*d);
            return d.has_value();
        });
    }
    // testo runs on the writing thread, so it must own what it reads.
    void scrivi(std::function<QByteArray()> testo);
    // The file set aside, a write that failed; empty when all is well.
    QStringList avvisi() const;
    // Why the writes since the last call failed, once; empty when none did.
    QString mancataRegistrazione();

private:
    FileSistema& fs_;
    ScrittoreInDisparte& scrittore_;
    const QString nome_;
    const qint64 massimo_;
    const Parole parole_;
    QString avvisoLettura_;
    int falliteDette_ = 0;
    bool nonScrivere_ = false;
};

} // namespace lex
