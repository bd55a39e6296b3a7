// A media channel bound to one sound file of the current directory, with the
// commands the game gives it by name: "Open", "Close", "Prev", "Play".
#pragma once

#include <QString>
#include <functional>

namespace lex {

inline constexpr int kModoInRiproduzione = 526; // mode while playing
inline constexpr int kEsitoCompletato = 1;      // report: the play completed
inline constexpr int kEsitoSostituito = 2;      // report: superseded by another play or a rewind
inline constexpr int kEsitoInterrotto = 4;      // report: aborted (Close) or failed

class Canale {
public:
    virtual ~Canale() = default;
    virtual QString file() const = 0;
    virtual bool apri() = 0;     // "Open"; false when the file is missing or unplayable
    virtual void chiudi() = 0;   // "Close": stops any play
    virtual bool indietro() = 0; // "Prev": back to the beginning
    virtual bool suona() = 0;    // "Play": from the current position, returns at once
    virtual int modo() const = 0;
    virtual void setNotifica(bool attiva) = 0;
    // Called on the GUI thread, once per play that ended while notification was on.
    virtual void setFinePlay(std::function<void(int esito)> f) = 0;
};

// A channel that stays silent: for a machine without sound, and for tests.
class CanaleMuto : public Canale {
public:
    explicit CanaleMuto(QString f) : file_(std::move(f)) {}
    QString file() const override { return file_; }
    bool apri() override { return false; }
    void chiudi() override {}
    bool indietro() override { return false; }
    bool suona() override { return false; }
    int modo() const override { return 0; }
    void setNotifica(bool) override {}
    void setFinePlay(std::function<void(int)>) override {}

private:
    QString file_;
};

} // namespace lex
