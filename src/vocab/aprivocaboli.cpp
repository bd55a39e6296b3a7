#include "shell/fatale.h"
#include "shell/lexorio.h"
#include "vocab/caricamento.h"


namespace lex {

void Lexorio::aprivocaboli(const QString& fv)
{
    QByteArray dati;
    QString motivo;
    if (porte_.file.leggi(fv, dati, motivo) != Lettura::Letta)
        terminaConMessaggio(porte_, QStringLiteral("File ") + fv + QStringLiteral(" assente o difettoso"), Icona::Errore);

    const EsitoCaricamento e = caricaVocaboli(dati, vocabolario_);
    if (e.troppiDifettosi)
        terminaConMessaggio(porte_, rapportoVisibile(e.rapporto), Icona::Errore,
                            QStringLiteral("Troppi record difettosi nel file ") + fv);
    if (!e.rapporto.isEmpty())
        messaggio(rapportoVisibile(e.rapporto), QStringLiteral("Record difettosi nel file  ") + fv, Icona::Avviso,
                  Pulsanti::Ok);
    if (e.caricati < 100)
        messaggio(QStringLiteral("Solo ") + QString::number(e.caricati) + QStringLiteral(" vocaboli nel file  ") + fv,
                  QString::fromLatin1(kTitolo), Icona::Avviso, Pulsanti::Ok);
    if (e.oltreLimite > 0)
        messaggio(QStringLiteral("Il file %1 contiene %2 vocaboli: ne sono stati caricati solo i primi %3.")
                      .arg(fv)
                      .arg(e.caricati + e.oltreLimite)
                      .arg(kRigheVocabolario),
                  QString::fromLatin1(kTitolo), Icona::Avviso, Pulsanti::Ok);
}

} // namespace lex
