// The sound back-end, loaded once the main window has shown. The module liblexorio-audio.so
// (beside the program, or in its library directory once installed) is opened on a worker
// thread, so that neither its libraries (SDL, SDL_mixer, FluidSynth and the long chain behind
// them) nor opening the sound device stand between the start and the first picture. Until it
// is there, the rules play on stand-ins that keep their commands (sound/differiti.h). Without
// the module or a sound device the game plays in silence.
#pragma once

#include "sound/differiti.h"

#include <QObject>
#include <QStringList>
#include <future>
#include <thread>

namespace lex::ui {

// Where the game looks for its sound module: beside the program, then in its private library
// directory as installed.
QStringList cartelleModuloAudio();

class AudioDifferito {
public:
    explicit AudioDifferito(QStringList cartelle = cartelleModuloAudio());
    ~AudioDifferito(); // waits for the worker
    AudioDifferito(const AudioDifferito&) = delete;
    AudioDifferito& operator=(const AudioDifferito&) = delete;

    Canali canali();   // the stand-ins, for the rules
    void carica();     // starts loading; later calls do nothing
    bool pronto() const { return differiti_.collegati(); }

private:
    Canali attendi();  // for a question asked before the hand-over

    QStringList cartelle_;
    CanaliDifferiti differiti_;
    std::promise<Canali> promessa_;
    std::future<Canali> futuro_;
    std::thread lavoro_;
    QObject contesto_; // the hand-over runs on its thread, the GUI thread
};

} // namespace lex::ui
