#include "dati/fileregistro.h"

namespace lex {

void FileDiRegistro::carica(const std::function<bool(const QByteArray&)>& prendi)
{
    QByteArray testo;
    QString motivo;
    const Lettura l = fs_.leggi(nome_, testo, motivo, massimo_);
    if (l == Lettura::Assente || (l == Lettura::Letta && prendi(testo)))
        return;
    if (const auto daParte = fs_.mettiDaParte(nome_)) {
        avvisoLettura_ = QStringLiteral("Il file %1 era danneggiato o illeggibile: è stato messo da parte come %2 e %3.")
                             .arg(nome_, *daParte, parole_.daCapo);
        return;
    }
    nonScrivere_ = true;
    avvisoLettura_ = QStringLiteral("Il file %1 è danneggiato o illeggibile e non si è potuto metterlo da parte: "
                                    "resta com'è, e %2.")
                         .arg(nome_, parole_.nonSalvato);
}

void FileDiRegistro::scrivi(std::function<QByteArray()> testo)
{
    if (!nonScrivere_)
        scrittore_.scrivi(nome_, std::move(testo));
}

QStringList FileDiRegistro::avvisi() const
{
    QStringList a;
    if (!avvisoLettura_.isEmpty())
        a << avvisoLettura_;
    if (const QString motivo = scrittore_.ultimoErrore(); !motivo.isEmpty())
        a << QStringLiteral("Non è stato possibile scrivere %1 (%2): %3.").arg(nome_, motivo, parole_.perdita);
    return a;
}

QString FileDiRegistro::mancataRegistrazione()
{
    const int fallite = scrittore_.fallite();
    if (fallite == falliteDette_)
        return {};
    falliteDette_ = fallite;
    // A later write that worked makes the earlier failure moot.
    return scrittore_.ultimoErrore();
}

} // namespace lex
