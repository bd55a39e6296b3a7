// lexorio-testo [-o FILE] TESTO: the words of a Latin text as a personal word list (vocpers.txt
// unless named), with a summary on standard error. lexorio-testo --lemmi TESTO: one line per
// word of the text, "form<TAB>lemma<TAB>other|candidates". Exits like lexorio-controlla: 0 when
// the game can play the list, 1 when it cannot, 2 when the text cannot be read or the command
// line is wrong.
#include "dati/disco/filesistemadisco.h"
#include "testo/elencotesto.h"
#include "vocab/selezione.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

using namespace lex;
using namespace lex::testo;

namespace {

constexpr const char* kUso =
    "Uso: lexorio-testo [-o FILE] TESTO\n"
    "     lexorio-testo --lemmi TESTO\n"
    "Fa delle parole di un testo latino (UTF-8 o Windows-1252) un elenco personale per il gioco:\n"
    "scrive vocpers.txt (o FILE) e riassume su standard error le parole, i lemmi, quanti sono fra\n"
    "i 1600 vocaboli e le forme non riconosciute. Con --lemmi scrive una riga per parola: la forma,\n"
    "il lemma scelto e gli altri possibili. Esce con 0 se il gioco può usare l'elenco, 1 se non può,\n"
    "2 se il testo non si legge. Servono i dati del pacchetto collatinus.\n";

void scriviErrore(const QString& testo)
{
    std::fputs(testo.toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString uscita = QStringLiteral("vocpers.txt");
    QString ingresso;
    bool lemmi = false;
    bool errato = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUso, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--lemmi") == 0)
            lemmi = true;
        else if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
            uscita = QString::fromLocal8Bit(argv[++i]);
        else if (argv[i][0] != '-' && ingresso.isEmpty())
            ingresso = QString::fromLocal8Bit(argv[i]);
        else
            errato = true;
    }
    if (errato || ingresso.isEmpty()) {
        std::fputs(kUso, stderr);
        return 2;
    }

    QFile file(ingresso);
    if (!file.open(QIODevice::ReadOnly)) {
        scriviErrore(QStringLiteral("File %1 assente o illeggibile.\n").arg(ingresso));
        return 2;
    }
    const QByteArray dati = file.read(kTestoMassimo + 1);
    if (file.error() != QFileDevice::NoError) {
        scriviErrore(QStringLiteral("File %1 illeggibile.\n").arg(ingresso));
        return 2;
    }
    const TestoLetto letto = leggiTesto(dati);
    if (!letto.errore.isEmpty()) {
        scriviErrore(ingresso + QStringLiteral(": ") + letto.errore + u'\n');
        return 2;
    }

    Lessico lessico;
    QString errore;
    Frequenze frequenze;
    if (!lessico.carica(Lessico::cartellaPredefinita(), &errore) || !frequenze.caricaIncorporate()) {
        scriviErrore(QStringLiteral("Mancano i dati del lessico latino (%1). Installa il pacchetto collatinus:\n"
                                    "  sudo apt-get install collatinus\n")
                         .arg(errore));
        return 2;
    }
    const Lemmatizzatore lemmatizzatore(lessico, frequenze);

    if (lemmi) {
        // One line per word, written as it comes: a long text takes no more memory than a short one.
        QByteArray out;
        lemmatizzatore.scorri(letto.testo, [&](Parola& p) {
            QStringList altri;
            const QString scelto = p.candidati.empty() ? QString() : lessico.lemma(p.candidati[0]).forma;
            for (std::size_t k = 1; k < p.candidati.size(); ++k)
                if (const QString f = lessico.lemma(p.candidati[k]).forma; !altri.contains(f) && f != scelto)
                    altri << f;
            out += (QString(p.scritta).remove(u'\t') + u'\t' + scelto + u'\t' + altri.join(u'|') + u'\n').toUtf8();
            if (out.size() > 65536) {
                std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
                out.clear();
            }
        });
        std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
        return 0;
    }

    Casa casa;
    casa.caricaIncorporata();
    Glosse glosse;
    glosse.carica(Lessico::cartellaPredefinita());
    RaccoltaElenco raccolta(lessico, casa, &glosse);
    lemmatizzatore.scorri(letto.testo, [&raccolta](Parola& p) { raccolta.aggiungi(p); });
    const ElencoTesto& elenco = raccolta.elenco();
    scriviErrore(riassunto(elenco));
    if (elenco.parole == 0) {
        scriviErrore(QStringLiteral("Il testo non ha parole (è vuoto, o ha solo numeri e segni): elenco non scritto.\n"));
        return 1;
    }
    if (elenco.voci.empty()) {
        scriviErrore(QStringLiteral("Nessuna parola latina riconosciuta: elenco non scritto.\n"));
        return 1;
    }
    const QByteArray testo = testoElenco(elenco, QStringLiteral("Vocaboli di ") + QFileInfo(ingresso).fileName());
    FileSistemaDisco disco;
    QString motivo;
    if (!disco.scrivi(uscita, testo, motivo)) {
        scriviErrore(QStringLiteral("Non si riesce a scrivere %1 (%2): nessun file è stato cambiato.\n").arg(uscita, motivo));
        return 2;
    }
    const int giocabili = vocaboliGiocabili(testo);
    scriviErrore(QStringLiteral("Scritto %1: %2 vocaboli, %3 in una partita (servono almeno %4).\n")
                     .arg(uscita)
                     .arg(elenco.voci.size())
                     .arg(giocabili)
                     .arg(kParoleMinime));
    return giocabili >= kParoleMinime ? 0 : 1;
}
