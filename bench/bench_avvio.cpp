// The real program from outside, under the display it is given: process start to the first
// painted start screen against a bare Qt widgets window started the same way (finestra_nuda),
// the CPU the start screen costs once the welcome sound is over, and the memory the game holds
// with its music playing. SDL's dummy driver stands for a sound card.
#include "misura.h"
#include "processo.h"

#include <chrono>
#include <thread>

using namespace lex::bench;

namespace {

const std::vector<std::string> kAudio = {"SDL_AUDIODRIVER=dummy"};

void dormi(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

// bench_avvio [rounds [program]]: another build of the game can be measured the same way.
int main(int argc, char** argv)
{
    const int giri = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string programma = argc > 2 ? argv[2] : LEXORIO_GIOCO;
    CartellaGioco predefinita(LEXORIO_PLAY_DIR, impostazioni(false, true, 1, 3));

    // Start-up: the two programs take turns, each first in every other round, after two rounds
    // to warm the caches. Each is gone before the next starts.
    std::vector<double> nuda, gioco;
    for (int g = -2; g < giri; ++g) {
        double tn = 0, tl = 0;
        for (int volta = 0; volta < 2; ++volta) {
            const bool primaNuda = g % 2 == 0;
            if ((volta == 0) == primaNuda)
                tn = Processo(LEXORIO_FINESTRA_NUDA, predefinita.percorso(), kAudio).primoDisegno();
            else
                tl = Processo(programma, predefinita.percorso(), kAudio).primoDisegno();
        }
        if (g >= 0) {
            nuda.push_back(tn);
            gioco.push_back(tl);
        }
    }
    rigaRapporto("Start-up: process start → first painted start screen (median of " + std::to_string(giri) +
                     "; baseline: bare widgets window)",
                 mediana(gioco), mediana(nuda), "ms", 1.3);

    // The start screen at rest: after the welcome sound, with every sound device left idle.
    {
        Processo l(programma, predefinita.percorso(), kAudio);
        l.primoDisegno();
        dormi(15000);
        const double c0 = l.cpuMs(), t0 = oraMs();
        dormi(10000);
        const double quota = (l.cpuMs() - c0) / (oraMs() - t0) * 100;
        riga("Idle start screen, CPU over 10 s (sounds on, music off)", numero(quota, "% of a core", 2), "", "",
             "< 0.5%", quota < 0.5);
    }

    // Memory with the music playing: it starts once the welcome sound has ended.
    {
        CartellaGioco conMusica(LEXORIO_PLAY_DIR, impostazioni(true, true, 1, 3));
        Processo l(programma, conMusica.percorso(), kAudio);
        l.primoDisegno();
        dormi(6000);
        const double mb = l.rssMb();
        riga("Resident memory, music playing", numero(mb, "MB"), "", "", "≤ 80 MB", mb <= 80);
    }
    return 0;
}
