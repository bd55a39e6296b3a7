// The file system as the data directory's rules see it: a few small files by absolute path.
// The game wires the Qt implementation (src/dati/ui); the tests an in-memory fake.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace lex {

class FileSistema {
public:
    virtual ~FileSistema() = default;
    virtual bool esiste(const QString& percorso) = 0; // a file, not a directory
    // The whole file, or nothing with the reason in errore.
    virtual std::optional<QByteArray> leggi(const QString& percorso, QString& errore) = 0;
    // Replaces the whole file at once: a failed write leaves the old file as it was.
    virtual bool scrivi(const QString& percorso, const QByteArray& dati, QString& errore) = 0;
    // With its parents; true when the directory is there afterwards.
    virtual bool creaCartella(const QString& percorso, QString& errore) = 0;
    // Makes it the current working directory.
    virtual bool entra(const QString& percorso, QString& errore) = 0;
};

} // namespace lex
