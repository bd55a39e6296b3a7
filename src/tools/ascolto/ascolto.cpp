// Renders what a player hears into a raw file (S16LE stereo, 44100 Hz) with SDL's
// disk driver, to be measured with sox:
//
//   ascolto partita <asset-dir> <out.raw>   a short game in real time: welcome, music,
//                                           right and wrong answers, the final victory
//   ascolto musica  <asset-dir> <out.raw>   the whole background piece, faster than real time
#include "sound/sdl/audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

using namespace lex;

namespace {

void effetto(Canale& c)
{
    c.indietro();
    c.suona();
}

void avviaMusica(Canale& m)
{
    if (m.modo() == kModoInRiproduzione)
        return;
    m.chiudi();
    m.apri();
    m.indietro();
    m.suona();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ascolto partita|musica <asset-dir> <out.raw>\n");
        return 2;
    }
    const QByteArray modo = argv[1];
    const QString uscita = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(uscita));
    if (modo == "musica")
        qputenv("SDL_DISKAUDIODELAY", "0"); // no pacing: as fast as the synthesiser goes
    QCoreApplication app(argc, argv);
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "no such directory: %s\n", argv[2]);
        return 2;
    }

    Canali c = canaliAudio();
    for (Canale* k : {c.vittoria.get(), c.right.get(), c.wrong.get(), c.musica.get()})
        if (!k->apri())
            std::fprintf(stderr, "silent: %s\n", qPrintable(k->file()));

    if (modo == "musica") {
        c.musica->setNotifica(true);
        c.musica->setFinePlay([](int) { QCoreApplication::quit(); });
        if (!c.musica->suona())
            return 1;
        return app.exec();
    }

    // The welcome: the music follows once it has ended.
    c.vittoria->setNotifica(true);
    c.vittoria->setFinePlay([&](int esito) {
        if (esito == kEsitoCompletato)
            avviaMusica(*c.musica);
    });
    effetto(*c.vittoria);
    const struct {
        int ms;
        Canale* canale;
    } copione[] = {
        {5000, c.right.get()}, {6200, c.wrong.get()}, {7000, c.right.get()}, {7150, c.right.get()},
        {8500, c.wrong.get()}, {8600, c.wrong.get()}, {9800, c.right.get()}, {11000, c.vittoria.get()},
    };
    for (const auto& passo : copione) {
        Canale* k = passo.canale;
        QTimer::singleShot(passo.ms, &app, [k] { effetto(*k); });
    }
    QTimer::singleShot(15000, &app, &QCoreApplication::quit);
    return app.exec();
}
