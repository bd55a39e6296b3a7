#include "sound/sdl/canalisdl.h"

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

QByteArray percorso(const QString& file)
{
    return QFile::encodeName(file);
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

} // namespace lex
