// Media channels on SDL_mixer: wave files on mixer channels, MIDI rendered by
// FluidSynth into the mixer's music hook.
//
// Threads: commands run on the GUI thread. Ends of play are noticed on the audio
// thread (or synchronously inside a halt) and only ever posted, queued, to the
// GUI thread, where the channel's end-of-play function runs.
#pragma once

#include "sound/canale.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

class QTimer;
struct Mix_Chunk;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace lex {

inline constexpr int kModoFermo = 525; // open and idle

// The sound device, shared by the channels; the last one to go closes it.
//
// An open device costs CPU even when silent: its thread wakes for every buffer (86 times a
// second) whether or not anything plays, paused or not. So it rests: once nothing has played
// for a while it is closed, and the next command that needs it opens it again, which takes
// about as long as the wait for the next buffer. The sounds loaded stay valid across a rest
// (the device is always opened with the same format). Closing waits for the device's thread
// and, with some drivers, for the buffers to drain (tens of ms): it happens on a thread of its
// own, and the mixer is not touched until it is over.
class SistemaAudio : public std::enable_shared_from_this<SistemaAudio> {
public:
    // The system already there, or a new one with its device open; nullptr without a usable device.
    static std::shared_ptr<SistemaAudio> apri();
    ~SistemaAudio();
    SistemaAudio(const SistemaAudio&) = delete;
    SistemaAudio& operator=(const SistemaAudio&) = delete;

    int frequenza() const { return frequenza_; }

    // The device open, reopened after a rest; false when it cannot be. Called on the GUI
    // thread by every command that needs the device; it also starts the count to the next
    // rest again.
    bool sveglia();
    bool acceso() const { return acceso_; }
    // Returns once a closing under way is over: call it before any mixer call that does not
    // first ask for the device (sveglia) or whether it is open (acceso).
    void attendiChiusura();
    // Whether the music is playing: the device does not rest under it.
    void setMusicaInCorso(std::function<bool()> f) { musicaInCorso_ = std::move(f); }
    // How long the device stays open after the last sound (10 s; shorter in tests).
    static void setRiposo(int ms);

private:
    SistemaAudio() = default;
    bool apriDispositivo();
    void chiudiDispositivo();
    void programmaRiposo();  // (re)starts the count to the next rest
    void controllaRiposo();

    int frequenza_ = 0;
    bool acceso_ = false;
    std::function<bool()> musicaInCorso_;
    std::unique_ptr<QTimer> riposo_; // created on the GUI thread, at the first command
    std::thread chiusura_;
};

// What outlives a channel while reports about it are still queued.
struct StatoCanale : std::enable_shared_from_this<StatoCanale> {
    std::atomic<bool> notifica{false};
    std::function<void(int)> fine; // GUI thread only

    // Queue a report for the GUI thread; callable from any thread, never blocks on the mixer.
    void riporta(int esito);
};

class CanaleWav : public Canale {
public:
    CanaleWav(std::shared_ptr<SistemaAudio> sistema, QString file);
    ~CanaleWav() override;

    QString file() const override { return file_; }
    bool apri() override;
    void chiudi() override;
    bool indietro() override;
    bool suona() override;
    int modo() const override;
    void setNotifica(bool attiva) override { stato_->notifica = attiva; }
    void setFinePlay(std::function<void(int)> f) override { stato_->fine = std::move(f); }

    // Read by the mixer's finished callback.
    struct Stato : StatoCanale {
        std::atomic<int> motivo{kEsitoCompletato}; // why the current play is about to stop
    };

private:
    void ferma(int motivo);

    std::shared_ptr<SistemaAudio> sistema_;
    QString file_;
    int canaleMixer_ = -1;
    Mix_Chunk* chunk_ = nullptr;
    std::shared_ptr<Stato> stato_;
};

class CanaleMidi : public Canale {
public:
    // Starts loading the soundfont on a worker thread at once: start-up does not wait for it.
    CanaleMidi(std::shared_ptr<SistemaAudio> sistema, QString file, QString soundfont);
    ~CanaleMidi() override;

    QString file() const override { return file_; }
    bool apri() override;
    void chiudi() override;
    bool indietro() override;
    bool suona() override;
    int modo() const override;
    void setNotifica(bool attiva) override { stato_->notifica = attiva; }
    void setFinePlay(std::function<void(int)> f) override { stato_->fine = std::move(f); }

    // True once the soundfont is loaded (waits for the loader).
    bool pronto();

    struct Sintetizzatore {
        fluid_settings_t* settings = nullptr;
        fluid_synth_t* synth = nullptr;
    };

    // Shared with the music hook; the mutex guards the player against the renderer.
    struct Stato : StatoCanale {
        std::mutex mutex;
        fluid_synth_t* synth = nullptr;
        fluid_player_t* player = nullptr;
        bool suonando = false;
    };

private:
    void ferma(int esito);

    std::shared_ptr<SistemaAudio> sistema_;
    QString file_;
    bool aperto_ = false;
    QByteArray dati_;
    std::future<Sintetizzatore> caricamento_;
    bool caricato_ = false;
    Sintetizzatore sint_;
    std::shared_ptr<Stato> stato_;
};

} // namespace lex
