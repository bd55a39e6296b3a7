// Starting the real program from outside and watching it: when its first picture reached the
// X server (told by the probe preloaded into it), what CPU its threads used, what it holds.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace lex::bench {

class Processo {
public:
    // Starts `programma` in `cartella` with the extra environment given ("NAME=value"),
    // the paint probe preloaded.
    Processo(const std::string& programma, const std::string& cartella, const std::vector<std::string>& ambiente);
    ~Processo(); // kills the program
    Processo(const Processo&) = delete;
    Processo& operator=(const Processo&) = delete;

    // Milliseconds from just before the program was started to its first paint; NaN when it
    // did not paint within the time given.
    double primoDisegno(int entroMs = 30000);
    double cpuMs() const;  // CPU time of its live threads so far
    double rssMb() const;  // resident memory now
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int lettura_ = -1;
    double inizio_ = 0;
    double disegno_ = -1;
};

double oraMs(); // the monotonic clock the probe uses, in ms

// A scratch copy of the ready-to-play directory's data files, with the given settings file.
class CartellaGioco {
public:
    CartellaGioco(const std::string& cartellaGioco, const std::string& impostazioni);
    ~CartellaGioco();
    const std::string& percorso() const { return percorso_; }

private:
    std::string percorso_;
};

// The settings file of the game: music and sound switches, players, speed 1..5, 10 words.
std::string impostazioni(bool musica, bool suoni, int giocatori, int velocita);

} // namespace lex::bench
