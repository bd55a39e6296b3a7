// The one way the rules reach files: settings, vocabularies, the review, the data directory.
// Paths are absolute, or relative to the current working directory. The game wires the disk
// (src/dati/disco); the tests an in-memory fake that never touches the disk.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <limits>
#include <optional>

namespace lex {

enum class Lettura { Assente, Letta, Illeggibile };

inline constexpr qint64 kSenzaLimite = std::numeric_limits<qint64>::max() / 2;

class FileSistema {
public:
    virtual ~FileSistema() = default;
    virtual bool esiste(const QString& percorso) = 0; // a file, not a directory
    // The whole file. Illeggibile, with the system's reason, when it can not be read or holds
    // more than massimo bytes.
    virtual Lettura leggi(const QString& percorso, QByteArray& dati, QString& motivo, qint64 massimo = kSenzaLimite) = 0;
    // Replaces the whole file at once. On failure the old file stays byte for byte, nothing is
    // left beside it, and motivo says why (the system's text).
    virtual bool scrivi(const QString& percorso, QByteArrayView dati, QString& motivo) = 0;
    // Renames without replacing: false when the target exists or the renaming fails.
    virtual bool rinomina(const QString& da, const QString& a, QString& motivo) = 0;
    // With its parents; true when the directory is there afterwards.
    virtual bool creaCartella(const QString& percorso, QString& motivo) = 0;
    // Makes it the current working directory.
    virtual bool entra(const QString& percorso, QString& motivo) = 0;
    // The current working directory: absolute, native separators, no trailing separator.
    virtual QString cartellaCorrente() = 0;

    // The whole file, or nothing with the reason (a missing file is a reason too).
    std::optional<QByteArray> contenuto(const QString& percorso, QString& motivo);
    // Replaces a with a copy of da, all at once as scrivi does.
    bool copia(const QString& da, const QString& a, QString& motivo);
    // Relative paths made absolute against the current directory of this moment (left relative
    // when the current directory has gone).
    QString assoluto(const QString& percorso);
    // A damaged record file ("ripasso.txt") renamed "ripasso-guasto.txt", "ripasso-guasto-2.txt",
    // … never over an earlier one: the name it got, or nothing when it could not be renamed.
    std::optional<QString> mettiDaParte(const QString& nome);
};

} // namespace lex
