#include "dati/unasolapartita.h"

#include <QDir>
#include <QSysInfo>

namespace lex {

UnaSolaPartita::UnaSolaPartita(const QString& cartella)
    : cartella_(cartella), blocco_(QDir(cartella).filePath(QString::fromLatin1(kFileBlocco)))
{
    // Held for a whole session: never stale by age, only when its process is gone.
    blocco_.setStaleLockTime(0);
}

UnaSolaPartita::~UnaSolaPartita() = default; // QLockFile removes the file

UnaSolaPartita::Esito UnaSolaPartita::prendi()
{
    if (blocco_.isLocked() || blocco_.tryLock(0))
        return Esito::Presa;
    return blocco_.error() == QLockFile::LockFailedError ? Esito::Occupata : Esito::NonScrivibile;
}

bool UnaSolaPartita::prendiOAvvisa(MessaggiBox& box)
{
    if (prendi() != Esito::Occupata)
        return true;
    // A copy on another computer (a shared folder) can not be seen to have ended: when that
    // computer went down with the game open, only removing the lock frees the folder.
    qint64 pid = 0;
    QString computer, programma;
    if (!blocco_.getLockInfo(&pid, &computer, &programma) || computer == QSysInfo::machineHostName())
        computer.clear();
    box.mostra(testoCartellaOccupata(cartella_, computer), QStringLiteral("lexorio"), Icona::Errore, Pulsanti::Ok);
    return false;
}

QString testoCartellaOccupata(const QString& cartella, const QString& altroComputer)
{
    QString t = QStringLiteral("Lexorio è già aperto con questa cartella:\n%1\n\n"
                               "Si gioca con una sola finestra per cartella: due insieme si cancellerebbero a vicenda "
                               "gli errori da ripassare e i progressi. Tornare alla finestra di Lexorio già aperta, "
                               "oppure chiuderla e avviare di nuovo il gioco.")
                    .arg(QDir::toNativeSeparators(cartella));
    if (!altroComputer.isEmpty())
        t += QStringLiteral("\n\nL'altra finestra è aperta sul computer \"%1\". Se quel computer si è spento con il "
                            "gioco aperto, cancellare il file %2 in questa cartella.")
                 .arg(altroComputer, QString::fromLatin1(kFileBlocco));
    return t;
}

} // namespace lex
