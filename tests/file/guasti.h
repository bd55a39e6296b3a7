// Real faults for the file port on the disk: a directory whose every file is recorded before and
// after, a small tmpfs (filled, or read-only) when the tests run as root, a child process under a
// file-size limit, and each of the game's writers run there as the game runs it.
#pragma once

#include "core/fakes.h"
#include "dati/disco/filesistemadisco.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <map>

namespace lex::test {

// Every entry of a directory, hidden ones included, with its bytes ("<dir>" for a directory).
std::map<QString, QByteArray> fotografia(const QString& cartella);

// The system's own words for an error, in whatever language the machine speaks.
QString sistema(int codice);

// The current directory for as long as it lives.
class Dentro {
public:
    explicit Dentro(const QString& cartella);
    ~Dentro();
    Dentro(const Dentro&) = delete;
    Dentro& operator=(const Dentro&) = delete;

private:
    QString prima_;
};

// A tmpfs of a few pages mounted on a temporary directory, unmounted at the end. Needs root
// (mount); montato() is false elsewhere, and perche() says why.
class PiccoloTmpfs {
public:
    explicit PiccoloTmpfs(int kilobyte = 64);
    ~PiccoloTmpfs();
    PiccoloTmpfs(const PiccoloTmpfs&) = delete;
    PiccoloTmpfs& operator=(const PiccoloTmpfs&) = delete;
    bool montato() const { return montato_; }
    QString perche() const { return perche_; }
    QString percorso() const { return dir_.path(); }
    // Writes a filler file until the file system says it is full; true when it did.
    bool riempi();
    // Mounted again read-only: every write fails with EROFS, whoever the process is.
    bool solaLettura();

private:
    QTemporaryDir dir_;
    bool montato_ = false;
    QString perche_;
};

// Runs corpo in a child process whose files may hold at most limite bytes, SIGXFSZ ignored, so
// a write past the limit fails with EFBIG. Returns what corpo returned, or a note of how the child
// ended when it did not end normally.
QString conLimiteDiFile(long limite, const std::function<QString()>& corpo);

// The game's writers on the real disk in the current directory, each as the game calls it, each
// answering with what the player is shown (empty when nothing is said).
struct Scrittori {
    Banco banco; // everything but the files is faked
    FileSistemaDisco disco;
    Porte porte{banco.orologio, banco.casuale, banco.box, banco.eventi, banco.uscita,
                banco.misure,   disco,          banco.finestre};

    QString salvaImpostazioni();   // "Salva impostazioni" in the settings window
    QString registraPartita();     // a game with a miss ends: ripasso.txt in the background
    QString registraProgressi();   // the same game in the learning record: progressi.txt
    QString salvaElenco();         // "Salva come elenco personale" in the review window
    // An installed game's first start: seeds the current directory from spediti.
    QString semina(const QString& spediti);

private:
    QString ultimoBox(std::size_t prima) const;
};

// Files a writer would replace, in the current directory, with the bytes they hold before any fault.
void fileDiPrima();

} // namespace lex::test
