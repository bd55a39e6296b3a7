// The file port on the real disk: reads through Qt, every write through scriviAtomicamente.
#pragma once

#include "dati/filesistema.h"

namespace lex {

class FileSistemaDisco : public FileSistema {
public:
    bool esiste(const QString& percorso) override;
    Lettura leggi(const QString& percorso, QByteArray& dati, QString& motivo, qint64 massimo = kSenzaLimite) override;
    bool scrivi(const QString& percorso, QByteArrayView dati, QString& motivo) override;
    bool rinomina(const QString& da, const QString& a, QString& motivo) override;
    bool creaCartella(const QString& percorso, QString& motivo) override;
    bool entra(const QString& percorso, QString& motivo) override;
    QString cartellaCorrente() override;
};

} // namespace lex
