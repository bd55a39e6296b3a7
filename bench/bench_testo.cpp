// A 10,000-word Latin text lemmatised (Caesar's Gallic War I, as the gold text holds it), against
// the baseline of splitting it into words; loading the lexicon, against reading its files'
// bytes; and the memory the feature adds while in use.
#include "misura.h"
#include "testo/elencotesto.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <unistd.h>

using namespace lex;
using namespace lex::testo;

namespace {

double residenteMb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campi = f.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

QString testoDiCesare(int parole)
{
    QFile f(QStringLiteral(LEXORIO_SOURCE_DIR "/tests/core/dati/oro_cesare.tsv"));
    QStringList forme;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : f.readAll().split('\n'))
            if (!riga.startsWith('#') && riga.contains('\t'))
                forme << QString::fromUtf8(riga.left(riga.indexOf('\t'))).remove(u' ');
    QStringList out;
    while (!forme.isEmpty() && out.size() < parole)
        out << forme.mid(0, parole - out.size());
    return out.join(u' ');
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const double prima = residenteMb();
    const QString cartella = Lessico::cartellaPredefinita();
    volatile qsizetype pozzo = 0;
    const double leggere = bench::migliore(1, 3, [&] {
        for (const char* nome : {"/modeles.la", "/lemmes.la", "/irregs.la"}) {
            QFile f(cartella + QLatin1String(nome));
            if (f.open(QIODevice::ReadOnly))
                pozzo = pozzo + QString::fromUtf8(f.readAll()).split(u'\n').size();
        }
    });
    Lessico lessico;
    Frequenze frequenze;
    Casa casa;
    const double caricare = bench::migliore(1, 1, [&] {
        lessico.carica(cartella);
        frequenze.caricaIncorporate();
        casa.caricaIncorporata();
    });
    if (lessico.numeroLemmi() == 0) {
        std::fprintf(stderr, "bench_testo: collatinus is not installed\n");
        return 1;
    }
    const QString testo = testoDiCesare(10000);
    const Lemmatizzatore l(lessico, frequenze);
    const double dividere = bench::migliore(3, 5, [&] { pozzo = pozzo + qsizetype(pezzi(testo).size()); });
    const double lemmatizzare = bench::migliore(3, 1, [&] {
        const std::vector<Parola> p = l.lemmatizza(testo);
        pozzo = pozzo + qsizetype(elencoDaTesto(p, lessico, casa, nullptr).voci.size());
    });
    const double dopo = residenteMb();

    bench::riga("Lemmatising a 10,000-word text and making its list (baseline: splitting it into words)",
                bench::numero(lemmatizzare / 1000, "ms"), bench::numero(dividere / 1000, "ms", 2),
                bench::volte(lemmatizzare / dividere), "≤ 1000 ms", lemmatizzare <= 1e6);
    bench::riga("Loading the Latin lexicon, the corpus counts and the 1600 words (baseline: reading the lexicon's files)",
                bench::numero(caricare / 1000, "ms"), bench::numero(leggere / 1000, "ms"), bench::volte(caricare / leggere),
                "", true);
    bench::riga("Memory added by the lexicon while in use (resident)", bench::numero(dopo - prima, "MB"), "", "",
                "≤ 60 MB", dopo - prima <= 60);
    return 0;
}
