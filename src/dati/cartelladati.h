// The installed game's working directory: the player's data directory, seeded with the shipped
// files on first start and kept in step with them afterwards, never overwriting a file the player
// or a teacher changed there. Started where its files already are (the build tree's play
// directory, a teacher's folder), the game stays there as before.
#pragma once

#include "dati/filesistema.h"
#include "shell/porte.h"

#include <QMap>
#include <QStringList>

namespace lex {

// The files copied into the data directory, in the order they are copied.
QStringList fileSpediti();

// Whether the game writes a file of this name in its folder: the settings, the records, the
// personal list and its backups, the shipped copies and their record.
bool scrittoDalGioco(const QString& nome);

// Beside them: the SHA-256 of every file as it was put there (the format of sha256sum), so a
// later start knows which copies are still untouched.
inline constexpr const char* kRegistroOriginali = ".originali.sha256";

// $XDG_DATA_HOME/lexorio, or ~/.local/share/lexorio when that is unset or not absolute;
// empty when neither names a place.
QString cartellaDatiUtente(const QString& xdgDataHome, const QString& home);

// name -> hash in lower-case hex. Lines that are not "<64 hex digits>  <name>" are ignored.
QMap<QString, QByteArray> leggiRegistro(const QByteArray& testo);
QByteArray scriviRegistro(const QMap<QString, QByteArray>& registro);

struct EsitoSemina {
    QStringList copiati; // put in: missing files, and untouched copies of an older shipped file
    QStringList tenuti;  // differ from the shipped file and stay as they are
    QStringList errori;  // "<file>: <reason>" for each file that could not be read or written
};

// Brings the data directory in line with the shipped directory. A file is copied when it is
// missing, or when it still is exactly what an earlier seeding put there; anything else the
// player has is kept.
EsitoSemina semina(FileSistema& fs, const QString& spediti, const QString& cartella);

// Where the game is started from and what names the player's data directory.
struct Luoghi {
    QString corrente; // the current working directory
    QString spediti;  // where an installation keeps the shipped files, seen from the program
    QString xdgDataHome;
    QString home;
};

// Before the game's start-up. When the current directory holds no vocabulary and the program is
// an installed one, seeds the data directory and makes it the current directory; otherwise
// nothing happens. False after a message box when the game can not start.
bool preparaCartellaDati(FileSistema& fs, MessaggiBox& box, const Luoghi& luoghi);

} // namespace lex
