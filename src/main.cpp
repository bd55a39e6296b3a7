// Lexorio: wires the real ports, the channels, the rules and the main window, then runs.
#include "dati/ui/filesistemaqt.h"
#include "review/ripasso.h"
#include "review/ui/ripassoview.h"
#include "shell/lexorio.h"
#include "shell/ui/finestreqt.h"
#include "shell/ui/lexorioview.h"
#include "shell/ui/porteqt.h"

#if __has_include("sound/sdl/audio.h")
#include "sound/sdl/audio.h"
#define LEXORIO_AUDIO 1
#endif

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a plugin error; say what is wrong instead.
bool displayDisponibile()
{
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty())
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayDisponibile()) {
        std::fputs("Lexorio needs a graphical display, and none was found (DISPLAY is not set).\n"
                   "On a machine without a screen, run it under a virtual one:\n"
                   "    xvfb-run -a ./lexorio\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexorio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/pictures/lexorio.svg")));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Lexorio"));
    lex::ui::fissaCaratteri();
    lex::ui::caricaTraduzioni(); // without them the boxes set their own Italian button texts
    QApplication::setFont(lex::ui::arial(9));
    // Installed, the game plays in the player's data directory (unless started beside its files).
    if (!lex::ui::entraNellaCartellaDati())
        return 1;

    lex::ui::OrologioQt orologio;
    lex::ui::CasualeQt casuale;
    lex::ui::MessaggiBoxQt box;
    lex::ui::EventiQt eventi;
    lex::ui::UscitaQt uscita;
    lex::ui::MisureQt misure;
    lex::ui::FileQt file;
    lex::ui::FinestreQt finestre;
    lex::Porte porte{orologio, casuale, box, eventi, uscita, misure, file, finestre};

#ifdef LEXORIO_AUDIO
    lex::Canali canali = lex::canaliAudio();
#else
    lex::Canali canali = lex::Canali::muti();
#endif
    // The review of missed words listens to the game. Made before the game and its window, it
    // goes after them, and its pending write is finished when the window has closed.
    lex::ArchivioFile archivio;
    lex::Ripasso ripasso(archivio);
    ripasso.carica();

    lex::Lexorio lexorio(porte, std::move(canali));
    lexorio.osservatore = &ripasso;
    lex::ui::LexorioView view(lexorio);
    box.setGenitore(&view);
    finestre.genitore = &view;
    finestre.dopo = [&view] { view.rispecchia(); };
    finestre.ripasso = [&] { return lex::ui::mostraRipassoModale(ripasso, box, archivio, &view); };
    eventi.ridisegnaTutto = [&view] { view.ridisegnaSubito(); };
    eventi.rispecchiaTutto = [&view] { view.rispecchia(); };
    misure.finestra = &view;

    lexorio.avvio();
    view.rispecchia();
    return app.exec();
}
