#include "sound/sdl/canalisdl.h"

#include "sound/midi.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <array>

namespace lex {

namespace {

// SDL_mixer's callbacks carry no user pointer: mixer channel -> its wave channel.
constexpr int kCanaliMixer = 16;
std::array<std::atomic<CanaleWav::Stato*>, kCanaliMixer> g_canali{};
std::weak_ptr<SistemaAudio> g_sistema;
std::atomic<int> g_riposoMs{10000};

// Runs on the audio thread, or inside our own halt, with the mixer locked:
// no Mix_* calls here, only a queued report.
void SDLCALL canaleFinito(int canale)
{
    if (canale < 0 || canale >= kCanaliMixer)
        return;
    if (CanaleWav::Stato* s = g_canali[canale].load())
        s->riporta(s->motivo.exchange(kEsitoCompletato));
}

// The mixer calls this first for every buffer, before adding the wave channels.
void SDLCALL rendiMusica(void* dati, Uint8* stream, int len)
{
    auto* s = static_cast<CanaleMidi::Stato*>(dati);
    std::lock_guard lock(s->mutex);
    if (!s->suonando || !s->player)
        return; // the mixer has already cleared the buffer
    auto* pcm = reinterpret_cast<int16_t*>(stream);
    fluid_synth_write_s16(s->synth, len / 4, pcm, 0, 2, pcm, 1, 2);

    // FluidSynth's own "done" status comes seconds after the last event; the tick count does not.
    const int totale = fluid_player_get_total_ticks(s->player);
    const bool finito = totale > 0 && fluid_player_get_current_tick(s->player) >= totale;
    const bool fallito = !finito && fluid_player_get_status(s->player) == FLUID_PLAYER_DONE;
    if (finito || fallito) {
        s->suonando = false;
        fluid_player_stop(s->player);
        fluid_synth_all_sounds_off(s->synth, -1);
        s->riporta(finito || totale > 0 ? kEsitoCompletato : kEsitoInterrotto);
    }
}

QByteArray percorso(const QString& file)
{
    return QFile::encodeName(file);
}

CanaleMidi::Sintetizzatore caricaSoundfont(const QString& soundfont, int frequenza)
{
    CanaleMidi::Sintetizzatore r;
    r.settings = new_fluid_settings();
    if (!r.settings)
        return r;
    fluid_settings_setnum(r.settings, "synth.sample-rate", frequenza);
    fluid_settings_setnum(r.settings, "synth.gain", 0.45);
    fluid_settings_setint(r.settings, "synth.chorus.active", 0);
    fluid_settings_setint(r.settings, "synth.polyphony", 96);
    r.synth = new_fluid_synth(r.settings);
    if (r.synth && fluid_synth_sfload(r.synth, percorso(soundfont).constData(), 1) >= 0)
        return r;
    if (r.synth)
        delete_fluid_synth(r.synth);
    delete_fluid_settings(r.settings);
    return {};
}

} // namespace

// ---------------------------------------------------------------- device

std::shared_ptr<SistemaAudio> SistemaAudio::apri()
{
    if (auto s = g_sistema.lock())
        return s;
    // The game's own signal handling stays in charge; a library must not take it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    std::shared_ptr<SistemaAudio> s(new SistemaAudio);
    if (!s->apriDispositivo())
        return nullptr; // its destructor leaves the subsystem again
    int frequenza = 0, canali = 0;
    Uint16 formato = 0;
    Mix_QuerySpec(&frequenza, &formato, &canali);
    s->frequenza_ = frequenza;
    // FluidSynth logs to stderr; a missing file must stay silent.
    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(livello, nullptr, nullptr);
    g_sistema = s;
    s->programmaRiposo(); // even if nothing ever plays
    return s;
}

SistemaAudio::~SistemaAudio()
{
    attendiChiusura();
    Mix_ChannelFinished(nullptr);
    Mix_HookMusic(nullptr, nullptr);
    if (acceso_)
        Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SistemaAudio::setRiposo(int ms)
{
    g_riposoMs = ms;
}

bool SistemaAudio::apriDispositivo()
{
    // 512 frames keep the delay from key to sound near 10 ms.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 512, nullptr, 0) != 0)
        return false;
    Mix_AllocateChannels(kCanaliMixer);
    Mix_ChannelFinished(canaleFinito);
    acceso_ = true;
    return true;
}

void SistemaAudio::chiudiDispositivo()
{
    acceso_ = false;
    chiusura_ = std::thread([] {
        // The music hook goes with the device; the next play of the music sets it again.
        Mix_HookMusic(nullptr, nullptr);
        Mix_CloseAudio();
    });
}

void SistemaAudio::attendiChiusura()
{
    if (chiusura_.joinable())
        chiusura_.join();
}

bool SistemaAudio::sveglia()
{
    attendiChiusura();
    if (!acceso_ && !apriDispositivo())
        return false;
    programmaRiposo();
    return true;
}

void SistemaAudio::programmaRiposo()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() != app->thread()) {
        // Opened on a worker: the count starts on the GUI thread, whose timer it is.
        QMetaObject::invokeMethod(
            app,
            [w = weak_from_this()] {
                if (auto s = w.lock())
                    s->programmaRiposo();
            },
            Qt::QueuedConnection);
        return;
    }
    if (!riposo_) {
        riposo_ = std::make_unique<QTimer>();
        riposo_->setSingleShot(true);
        QObject::connect(riposo_.get(), &QTimer::timeout, [this] { controllaRiposo(); });
    }
    riposo_->start(g_riposoMs.load());
}

void SistemaAudio::controllaRiposo()
{
    if (!acceso_)
        return;
    if (Mix_Playing(-1) > 0 || (musicaInCorso_ && musicaInCorso_())) {
        programmaRiposo();
        return;
    }
    chiudiDispositivo();
}

void StatoCanale::riporta(int esito)
{
    if (!notifica)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    std::weak_ptr<StatoCanale> w = weak_from_this();
    QMetaObject::invokeMethod(
        app,
        [w, esito] {
            auto s = w.lock();
            if (s && s->fine)
                s->fine(esito);
        },
        Qt::QueuedConnection);
}

// ---------------------------------------------------------------- wave files

CanaleWav::CanaleWav(std::shared_ptr<SistemaAudio> sistema, QString file)
    : sistema_(std::move(sistema)), file_(std::move(file)), stato_(std::make_shared<Stato>())
{
    for (int i = 0; i < kCanaliMixer && canaleMixer_ < 0; ++i) {
        CanaleWav::Stato* libero = nullptr;
        if (g_canali[i].compare_exchange_strong(libero, stato_.get()))
            canaleMixer_ = i;
    }
}

CanaleWav::~CanaleWav()
{
    if (canaleMixer_ >= 0) {
        g_canali[canaleMixer_] = nullptr;
        // Takes the mixer lock: once it returns no callback can still be using our state.
        if (sistema_->acceso())
            Mix_HaltChannel(canaleMixer_);
    }
    sistema_->attendiChiusura();
    if (chunk_)
        Mix_FreeChunk(chunk_);
}

bool CanaleWav::apri()
{
    if (chunk_)
        return true;
    // Sounds are loaded in the open device's format.
    if (canaleMixer_ < 0 || !sistema_->sveglia())
        return false;
    chunk_ = Mix_LoadWAV(percorso(file_).constData());
    return chunk_ != nullptr;
}

void CanaleWav::ferma(int motivo)
{
    if (!sistema_->acceso() || Mix_Playing(canaleMixer_) == 0)
        return;
    // Recorded before the halt, whose callback runs synchronously and reads it.
    stato_->motivo = motivo;
    Mix_HaltChannel(canaleMixer_);
    stato_->motivo = kEsitoCompletato;
}

void CanaleWav::chiudi()
{
    if (!chunk_)
        return;
    ferma(kEsitoInterrotto);
    sistema_->attendiChiusura();
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

bool CanaleWav::indietro()
{
    if (!chunk_)
        return false;
    ferma(kEsitoSostituito);
    return true;
}

bool CanaleWav::suona()
{
    if (!chunk_ || !sistema_->sveglia())
        return false;
    // A wave channel is either at its beginning or playing: nothing to resume.
    if (Mix_Playing(canaleMixer_) != 0)
        return true;
    return Mix_PlayChannel(canaleMixer_, chunk_, 0) >= 0;
}

int CanaleWav::modo() const
{
    if (!chunk_)
        return 0;
    return sistema_->acceso() && Mix_Playing(canaleMixer_) != 0 ? kModoInRiproduzione : kModoFermo;
}

// ---------------------------------------------------------------- MIDI

CanaleMidi::CanaleMidi(std::shared_ptr<SistemaAudio> sistema, QString file, QString soundfont)
    : sistema_(std::move(sistema)), file_(std::move(file)), stato_(std::make_shared<Stato>())
{
    const int frequenza = sistema_->frequenza();
    sistema_->setMusicaInCorso([w = std::weak_ptr<Stato>(stato_)] {
        auto s = w.lock();
        if (!s)
            return false;
        std::lock_guard lock(s->mutex);
        return s->suonando;
    });
    caricamento_ = std::async(std::launch::async, [soundfont, frequenza] {
        return caricaSoundfont(soundfont, frequenza);
    });
}

CanaleMidi::~CanaleMidi()
{
    sistema_->attendiChiusura();
    if (Mix_GetMusicHookData() == stato_.get())
        Mix_HookMusic(nullptr, nullptr); // takes the mixer lock: the renderer is done with us
    pronto(); // the loader's result must be freed too
    if (stato_->player)
        delete_fluid_player(stato_->player);
    if (sint_.synth)
        delete_fluid_synth(sint_.synth);
    if (sint_.settings)
        delete_fluid_settings(sint_.settings);
}

bool CanaleMidi::pronto()
{
    if (!caricato_) {
        sint_ = caricamento_.get();
        caricato_ = true;
        std::lock_guard lock(stato_->mutex);
        stato_->synth = sint_.synth;
    }
    return sint_.synth != nullptr;
}

bool CanaleMidi::apri()
{
    if (aperto_)
        return true;
    const QByteArray p = percorso(file_);
    if (fluid_is_midifile(p.constData()) == 0)
        return false;
    QFile f(file_);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // Kept in memory: the player is rebuilt for every play from the beginning.
    dati_ = f.readAll();
    aperto_ = midiCompleto(dati_);
    if (!aperto_)
        dati_.clear();
    return aperto_;
}

void CanaleMidi::ferma(int esito)
{
    bool eraInCorso = false;
    {
        std::lock_guard lock(stato_->mutex);
        eraInCorso = stato_->suonando;
        stato_->suonando = false;
        if (stato_->player) {
            fluid_player_stop(stato_->player);
            delete_fluid_player(stato_->player);
            stato_->player = nullptr;
        }
        if (stato_->synth)
            fluid_synth_all_sounds_off(stato_->synth, -1); // stop at once, no release tails
    }
    if (eraInCorso)
        stato_->riporta(esito);
}

void CanaleMidi::chiudi()
{
    if (!aperto_)
        return;
    ferma(kEsitoInterrotto);
    dati_.clear();
    aperto_ = false;
}

bool CanaleMidi::indietro()
{
    if (!aperto_)
        return false;
    ferma(kEsitoSostituito);
    return true;
}

bool CanaleMidi::suona()
{
    if (!aperto_ || !pronto() || !sistema_->sveglia())
        return false;
    {
        std::lock_guard lock(stato_->mutex);
        if (stato_->suonando)
            return true;
        if (stato_->player)
            delete_fluid_player(stato_->player);
        stato_->player = new_fluid_player(stato_->synth);
        if (!stato_->player)
            return false;
        if (fluid_player_add_mem(stato_->player, dati_.constData(), size_t(dati_.size())) != FLUID_OK
            || fluid_player_play(stato_->player) != FLUID_OK) {
            delete_fluid_player(stato_->player);
            stato_->player = nullptr;
            return false;
        }
        stato_->suonando = true;
    }
    // Outside our mutex: the hook takes the mixer lock first and then ours.
    if (Mix_GetMusicHookData() != stato_.get())
        Mix_HookMusic(rendiMusica, stato_.get());
    return true;
}

int CanaleMidi::modo() const
{
    if (!aperto_)
        return 0;
    std::lock_guard lock(stato_->mutex);
    return stato_->suonando ? kModoInRiproduzione : kModoFermo;
}

} // namespace lex
