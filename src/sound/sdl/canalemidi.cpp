#include "sound/sdl/canalisdl.h"

#include "sound/midi.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace lex {

namespace {

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
    if (r.synth && fluid_synth_sfload(r.synth, QFile::encodeName(soundfont).constData(), 1) >= 0)
        return r;
    if (r.synth)
        delete_fluid_synth(r.synth);
    delete_fluid_settings(r.settings);
    return {};
}

} // namespace

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
    const QByteArray p = QFile::encodeName(file_);
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
