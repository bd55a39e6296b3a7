// Lexorio: wires the real ports, the channels, the rules and the main window, then runs.
#include "dati/cartelladati.h"
#include "dati/disco/scritturaatomica.h"
#include "dati/ui/filesistemaqt.h"
#include "dati/unasolapartita.h"
#include "shell/ui/gioco.h"
#include "shell/ui/porteqt.h"

#include <QApplication>
#include <QDir>
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
    lex::ui::CaratteriInAnticipo caratteri;
    QApplication app(argc, argv);
    lex::ui::preparaApplicazione();
    // Installed, the game plays in the player's data directory (unless started beside its files).
    if (!lex::ui::entraNellaCartellaDati())
        return 1;
    // One game per data folder, held until the process ends.
    lex::UnaSolaPartita unaSola(QDir::currentPath());
    {
        lex::ui::MessaggiBoxQt box;
        if (!unaSola.prendiOAvvisa(box))
            return 1;
    }
    // Saves killed in the middle (the machine down) left their new file beside the old one.
    lex::togliAvanzi(QDir::currentPath(), lex::scrittoDalGioco);
    caratteri.attendi();
    lex::ui::Gioco gioco;
    gioco.primaDiUscire([&unaSola] { unaSola.rilascia(); });
    gioco.avvia();
    return app.exec();
}
