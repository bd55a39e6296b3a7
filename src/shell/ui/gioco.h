// The game process as main() assembles it: the Qt ports, the four media channels, the review of
// missed words, the rules and the main window, wired together. The benchmarks assemble exactly
// this too.
#pragma once

#include "dati/disco/filesistemadisco.h"
#include "dati/disparte.h"
#include "progressi/progressi.h"
#include "review/ripasso.h"
#include "shell/lexorio.h"
#include "shell/ui/finestreqt.h"
#include "shell/ui/lexorioview.h"
#include "shell/ui/porteqt.h"
#include "sound/ui/audiodifferito.h"

namespace lex::ui {

#include <thread>

// Application-wide settings of the game: its names, the pinned fonts, Qt's Italian texts, the
// menu bar in the window.
void preparaApplicazione();

// Fontconfig reads its configuration and caches (a third of the work before the first text)
// on a worker thread, started before the QApplication, while Qt connects to the display.
class CaratteriInAnticipo {
public:
    CaratteriInAnticipo();
    ~CaratteriInAnticipo() { attendi(); }
    void attendi(); // before the first font is used
    CaratteriInAnticipo(const CaratteriInAnticipo&) = delete;
    CaratteriInAnticipo& operator=(const CaratteriInAnticipo&) = delete;

private:
    std::thread lavoro_;
};

class Gioco {
public:
    // `cartelleAudio`: where the sound module is looked for.
    explicit Gioco(QStringList cartelleAudio = cartelleModuloAudio());

    void avvia(); // start-up; the window then shows
    Lexorio& regole() { return lexorio_; }
    AudioDifferito& audio() { return audio_; }
    LexorioView& vista() { return vista_; }
    // A step before the process ends on the spot (quit or failure), after the records' writes.
    void primaDiUscire(std::function<void()> passo) { uscita_.primaDi(std::move(passo)); }

private:
    AudioDifferito audio_;
    OrologioQt orologio_;
    CasualeQt casuale_;
    MessaggiBoxQt box_;
    EventiQt eventi_;
    UscitaQt uscitaQt_;
    UscitaOrdinata uscita_{uscitaQt_};
    MisureQt misure_;
    FileSistemaDisco file_;
    FinestreQt finestre_;
    Porte porte_;
    // The review and the learning record listen to the game. Made before the game and its window,
    // they go after them, and their pending writes are finished when the window has closed.
    ScrittoreInDisparte scrittore_{file_};
    ScrittoreInDisparte scrittoreProgressi_{file_};
    Ripasso ripasso_;
    CalendarioDiSistema calendario_;
    Progressi progressi_;
    OsservatoriPartita osservatori_;
    Lexorio lexorio_;
    LexorioView vista_;
};

} // namespace lex::ui
