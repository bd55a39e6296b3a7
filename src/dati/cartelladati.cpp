#include "dati/cartelladati.h"

#include "shell/fatale.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>

namespace lex {

namespace {

QString unisci(const QString& cartella, const QString& nome) { return cartella + QLatin1Char('/') + nome; }

QByteArray impronta(const QByteArray& dati)
{
    return QCryptographicHash::hash(dati, QCryptographicHash::Sha256).toHex();
}

// A directory as the player reads it in a message.
QString mostrata(const QString& percorso) { return QDir::toNativeSeparators(percorso); }

} // namespace

QStringList fileSpediti()
{
    return {QStringLiteral("vocaboli.txt"), QStringLiteral("vocpers.txt"), QStringLiteral("copertura.tsv"), QStringLiteral("Right.wav"),
            QStringLiteral("Wrong.wav"),    QStringLiteral("Vittoria.wav"), QStringLiteral("musica.mid")};
}

bool scrittoDalGioco(const QString& nome)
{
    static const QRegularExpression copia(QStringLiteral("^vocpers(-[0-9]+)?\\.bak$"));
    return fileSpediti().contains(nome) || copia.match(nome).hasMatch() || nome == QLatin1String("lexorio.ini") ||
           nome == QLatin1String("ripasso.txt") || nome == QLatin1String("progressi.txt") ||
           nome == QLatin1String(kRegistroOriginali);
}

QString cartellaDatiUtente(const QString& xdgDataHome, const QString& home)
{
    // A relative XDG_DATA_HOME is invalid and must be ignored, as the base-directory rules say.
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome + QStringLiteral("/lexorio"));
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share/lexorio"));
    return {};
}

QMap<QString, QByteArray> leggiRegistro(const QByteArray& testo)
{
    static const QRegularExpression riga(QStringLiteral("^([0-9a-fA-F]{64}) [ *](.+)$"));
    QMap<QString, QByteArray> registro;
    for (const QByteArray& r : testo.split('\n')) {
        const auto m = riga.match(QString::fromUtf8(r).remove(QLatin1Char('\r')));
        if (m.hasMatch())
            registro.insert(m.captured(2), m.captured(1).toLower().toLatin1());
    }
    return registro;
}

QByteArray scriviRegistro(const QMap<QString, QByteArray>& registro)
{
    QByteArray testo;
    for (auto it = registro.cbegin(); it != registro.cend(); ++it)
        testo += it.value() + "  " + it.key().toUtf8() + '\n';
    return testo;
}

EsitoSemina semina(FileSistema& fs, const QString& spediti, const QString& cartella)
{
    EsitoSemina esito;
    const QString percorsoRegistro = unisci(cartella, QString::fromLatin1(kRegistroOriginali));
    QMap<QString, QByteArray> registro;
    if (fs.esiste(percorsoRegistro)) {
        QString errore;
        // Unreadable, it counts as empty: every differing file is then kept, which is the safe side.
        if (const auto testo = fs.contenuto(percorsoRegistro, errore))
            registro = leggiRegistro(*testo);
    }
    const QMap<QString, QByteArray> prima = registro;
    const auto fallito = [&esito](const QString& nome, const QString& errore) {
        esito.errori << nome + QStringLiteral(": ") + errore;
    };

    for (const QString& nome : fileSpediti()) {
        const QString origine = unisci(spediti, nome);
        const QString destinazione = unisci(cartella, nome);
        if (!fs.esiste(origine))
            continue; // not part of this installation
        QString errore;
        const auto spedito = fs.contenuto(origine, errore);
        if (!spedito) {
            fallito(nome, errore);
            continue;
        }
        const QByteArray nuovo = impronta(*spedito);
        bool copia = true;
        if (fs.esiste(destinazione)) {
            const auto presente = fs.contenuto(destinazione, errore);
            if (!presente) {
                fallito(nome, errore);
                continue;
            }
            if (*presente == *spedito) {
                registro.insert(nome, nuovo);
                continue;
            }
            const QByteArray attuale = impronta(*presente);
            // Only a copy that is still exactly what was put there may be replaced.
            copia = registro.value(nome) == attuale;
            if (!copia) {
                esito.tenuti << nome;
                continue;
            }
        }
        if (!fs.scrivi(destinazione, *spedito, errore)) {
            fallito(nome, errore);
            continue;
        }
        registro.insert(nome, nuovo);
        esito.copiati << nome;
    }

    if (registro != prima) {
        QString errore;
        if (!fs.scrivi(percorsoRegistro, scriviRegistro(registro), errore))
            fallito(QString::fromLatin1(kRegistroOriginali), errore);
    }
    return esito;
}

bool preparaCartellaDati(FileSistema& fs, MessaggiBox& box, const Luoghi& luoghi)
{
    const QString titolo = QString::fromLatin1(kTitolo);
    const QString vocabolario = QStringLiteral("vocaboli.txt");
    if (fs.esiste(unisci(luoghi.corrente, vocabolario)) || luoghi.spediti.isEmpty()
        || !fs.esiste(unisci(luoghi.spediti, vocabolario)))
        return true;

    const QString cartella = cartellaDatiUtente(luoghi.xdgDataHome, luoghi.home);
    if (cartella.isEmpty()) {
        box.mostra(QStringLiteral("Impossibile trovare la cartella dei dati di Lexorio:\n"
                                  "le variabili HOME e XDG_DATA_HOME non indicano una cartella."),
                   titolo, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    QString errore;
    if (!fs.creaCartella(cartella, errore)) {
        box.mostra(QStringLiteral("Impossibile creare la cartella dei dati di Lexorio:\n%1\n\n%2")
                       .arg(mostrata(cartella), errore),
                   titolo, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    const EsitoSemina esito = semina(fs, luoghi.spediti, cartella);
    if (!esito.errori.isEmpty())
        box.mostra(QStringLiteral("Alcuni file non sono stati copiati nella cartella dei dati di Lexorio:\n%1\n\n%2")
                       .arg(mostrata(cartella), esito.errori.join(QLatin1Char('\n'))),
                   titolo, Icona::Avviso, Pulsanti::Ok);
    if (!fs.entra(cartella, errore)) {
        box.mostra(QStringLiteral("Impossibile aprire la cartella dei dati di Lexorio:\n%1\n\n%2")
                       .arg(mostrata(cartella), errore),
                   titolo, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    return true;
}

} // namespace lex
