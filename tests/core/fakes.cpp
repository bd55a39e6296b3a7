#include "fakes.h"

#include <algorithm>

namespace lex::test {

FakeFileSistema::FakeFileSistema(QString cartella) : corrente(std::move(cartella))
{
    QString ignorato;
    creaCartella(corrente, ignorato);
}

bool FakeFileSistema::esiste(const QString& p)
{
    return svaniti.count(p) || file.count(assoluto(p)) > 0;
}

Lettura FakeFileSistema::leggi(const QString& p, QByteArray& dati, QString& motivo, qint64 massimo)
{
    const QString a = assoluto(p);
    if (!file.count(a))
        return Lettura::Assente;
    if (illeggibili.count(p) || illeggibili.count(a) || cartelle.count(a)) {
        motivo = QStringLiteral("Permission denied");
        return Lettura::Illeggibile;
    }
    if (file.at(a).size() > massimo) {
        motivo = QStringLiteral("File too large");
        return Lettura::Illeggibile;
    }
    dati = file.at(a);
    return Lettura::Letta;
}

bool FakeFileSistema::scrivi(const QString& p, QByteArrayView dati, QString& motivo)
{
    scritti << p;
    const QString a = assoluto(p);
    const QString cartella = a.left(std::max<qsizetype>(a.lastIndexOf(QLatin1Char('/')), 1));
    if (bloccati.count(p) || bloccati.count(a) || bloccati.count(cartella)) {
        motivo = QStringLiteral("Read-only file system");
        return false;
    }
    if (!cartelle.count(cartella)) {
        motivo = QStringLiteral("No such file or directory");
        return false;
    }
    if (pieno) {
        motivo = QStringLiteral("No space left on device");
        return false;
    }
    ++scritture;
    file[a] = dati.toByteArray();
    return true;
}

bool FakeFileSistema::rinomina(const QString& da, const QString& a, QString& motivo)
{
    const QString origine = assoluto(da), destinazione = assoluto(a);
    if (rinominaImpossibile || !file.count(origine) || file.count(destinazione)) {
        motivo = QStringLiteral("Permission denied");
        return false;
    }
    file[destinazione] = file.at(origine);
    file.erase(origine);
    return true;
}

bool FakeFileSistema::creaCartella(const QString& p, QString& motivo)
{
    if (increabili.count(p) || file.count(p)) {
        motivo = QStringLiteral("Permission denied");
        return false;
    }
    for (qsizetype i = 1; i <= p.size(); ++i)
        if (i == p.size() || p[i] == QLatin1Char('/'))
            cartelle.insert(p.left(i));
    return true;
}

bool FakeFileSistema::entra(const QString& p, QString& motivo)
{
    if (inaccessibili.count(p) || !cartelle.count(p)) {
        motivo = QStringLiteral("Permission denied");
        return false;
    }
    corrente = p;
    return true;
}

} // namespace lex::test
