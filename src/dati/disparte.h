// Writing files away from the game's thread, so the game never waits for the disk nor for the
// making of the text. Every write goes through the file port, so it is the same atomic write.
#pragma once

#include "dati/filesistema.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace lex {

class ScrittoreInDisparte {
public:
    // Proprio: one thread of its own, started by the first write. Chiamante: each write is done
    // at once on the caller's thread (the tests, with an in-memory file port).
    enum class Filo { Proprio, Chiamante };
    explicit ScrittoreInDisparte(FileSistema& fs, Filo filo = Filo::Proprio) : fs_(fs), filo_(filo) {}
    ~ScrittoreInDisparte(); // finishes what is waiting to be written
    ScrittoreInDisparte(const ScrittoreInDisparte&) = delete;
    ScrittoreInDisparte& operator=(const ScrittoreInDisparte&) = delete;

    // testo runs on the writing thread (it must own what it reads). The directory is the one of
    // the moment of the call. A later text for the same file replaces one not yet made.
    void scrivi(const QString& percorso, std::function<QByteArray()> testo);
    // Why the latest write failed (the system's text); empty when it succeeded or none was done.
    QString ultimoErrore();
    // How many writes have failed so far.
    int fallite();
    void attendi(); // returns once nothing is waiting to be written

private:
    void lavora();

    FileSistema& fs_;
    const Filo filo_;
    std::mutex mutex_;
    std::condition_variable cambiato_;
    std::map<QString, std::function<QByteArray()>> inAttesa_; // absolute path -> newest text
    bool scrivendo_ = false;
    bool fine_ = false;
    QString ultimoErrore_;
    int fallite_ = 0;
    std::thread lavoratore_;
};

} // namespace lex
