// The files the review keeps beside the game, as whole texts. A port: the game uses
// ArchivioFile, the tests a fake that records what was written and when.
#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace lex {

enum class Lettura { Assente, Letta, Illeggibile };

class Archivio {
public:
    virtual ~Archivio() = default;
    virtual bool esiste(const QString& nome) = 0;
    // The whole file; Illeggibile also when it is larger than massimo bytes.
    virtual Lettura leggi(const QString& nome, QByteArray& dati, qint64 massimo) = 0;
    // Replaces the file all at once: on failure the old file stays as it was.
    virtual bool scrivi(const QString& nome, const QByteArray& dati) = 0;
    // The same, away from the game's thread, so the game never waits for the disk nor for the
    // making of the text: testo runs on the writing thread (it must own what it reads). A later
    // text for the same name replaces one not yet made.
    virtual void scriviInDisparte(const QString& nome, std::function<QByteArray()> testo) = 0;
    // Whether the latest write in the background failed.
    virtual bool scritturaInDisparteFallita() = 0;
    // Renames without replacing: false when the target exists or the renaming fails.
    virtual bool rinomina(const QString& da, const QString& a) = 0;
    // Replaces a with a copy of da, all at once as scrivi does.
    virtual bool copia(const QString& da, const QString& a) = 0;
};

// Files in the current working directory, opened by bare name. Writes go through QSaveFile;
// those in the background run on one thread of their own.
class ArchivioFile : public Archivio {
public:
    ArchivioFile() = default;
    ~ArchivioFile() override; // finishes what is waiting to be written
    ArchivioFile(const ArchivioFile&) = delete;
    ArchivioFile& operator=(const ArchivioFile&) = delete;

    bool esiste(const QString& nome) override;
    Lettura leggi(const QString& nome, QByteArray& dati, qint64 massimo) override;
    bool scrivi(const QString& nome, const QByteArray& dati) override;
    void scriviInDisparte(const QString& nome, std::function<QByteArray()> testo) override;
    bool scritturaInDisparteFallita() override;
    bool rinomina(const QString& da, const QString& a) override;
    bool copia(const QString& da, const QString& a) override;

    void attendi(); // returns once nothing is waiting to be written

private:
    void lavora();

    std::mutex mutex_;
    std::condition_variable cambiato_;
    std::map<QString, std::function<QByteArray()>> inAttesa_; // absolute path -> newest text
    bool scrivendo_ = false;
    bool fine_ = false;
    bool fallita_ = false;
    std::thread filo_; // started by the first write in the background
};

} // namespace lex
