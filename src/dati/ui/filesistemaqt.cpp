#include "dati/ui/filesistemaqt.h"

#include "dati/cartelladati.h"
#include "dati/disco/filesistemadisco.h"
#include "shell/ui/porteqt.h"

#include <QCoreApplication>
#include <QDir>

namespace lex::ui {

bool entraNellaCartellaDati()
{
    Luoghi luoghi;
    luoghi.corrente = QDir::currentPath();
    // An installation keeps the shipped files at <prefix>/share/lexorio beside <prefix>/bin.
    luoghi.spediti = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                     + QStringLiteral(LEXORIO_SPEDITI_DA_PROGRAMMA));
    luoghi.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    luoghi.home = qEnvironmentVariable("HOME");
    FileSistemaDisco fs;
    MessaggiBoxQt box;
    return preparaCartellaDati(fs, box, luoghi);
}

} // namespace lex::ui
