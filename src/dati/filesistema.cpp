#include "dati/filesistema.h"

#include <QDir>

namespace lex {

std::optional<QByteArray> FileSistema::contenuto(const QString& percorso, QString& motivo)
{
    QByteArray dati;
    switch (leggi(percorso, dati, motivo)) {
    case Lettura::Letta:
        return dati;
    case Lettura::Assente:
        if (motivo.isEmpty())
            motivo = QStringLiteral("No such file or directory");
        return std::nullopt;
    case Lettura::Illeggibile:
        break;
    }
    return std::nullopt;
}

bool FileSistema::copia(const QString& da, const QString& a, QString& motivo)
{
    const auto dati = contenuto(da, motivo);
    return dati && scrivi(a, *dati, motivo);
}

QString FileSistema::assoluto(const QString& percorso)
{
    if (QDir::isAbsolutePath(percorso))
        return QDir::cleanPath(percorso);
    const QString corrente = cartellaCorrente();
    // A working directory removed under the game has no name any more: the path stays relative
    // (and its writes fail there), never "/name" at the root.
    if (corrente.isEmpty())
        return percorso;
    return QDir::cleanPath(QDir::fromNativeSeparators(corrente) + QLatin1Char('/') + percorso);
}

} // namespace lex
