// The real file system for the data directory's rules, and the one call main() makes.
#pragma once

#include "dati/filesistema.h"

namespace lex::ui {

class FileSistemaQt : public FileSistema {
public:
    bool esiste(const QString& percorso) override;
    std::optional<QByteArray> leggi(const QString& percorso, QString& errore) override;
    bool scrivi(const QString& percorso, const QByteArray& dati, QString& errore) override;
    bool creaCartella(const QString& percorso, QString& errore) override;
    bool entra(const QString& percorso, QString& errore) override;
};

// Gives an installed game its data directory as working directory (see dati/cartelladati.h).
// Needs the QApplication. False after a message box when the game can not start.
bool entraNellaCartellaDati();

} // namespace lex::ui
