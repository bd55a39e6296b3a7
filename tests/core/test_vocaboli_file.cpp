// The shipped word files are data, but the game trusts them blindly: the loader takes
// any three ";" as a record and the candidate builder compares classes as text. These
// checks keep assets/vocaboli.txt and assets/vocpers.txt playable as committed.
#include "vocab/cp1252.h"
#include "vocab/sensi.h"

#include <QByteArray>
#include <QtGlobal>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct Record {
    int riga = 0; // 1-based line number in the file
    QString frequenza, categoria, parola, traduzione;
};

struct FileVocaboli {
    QByteArray byte;
    QStringList commenti;
    std::vector<Record> record;
    QStringList difetti; // structural faults found while splitting
};

// The source root from CTest's environment; failing that, from this file's own path
// (tests/core/ under the root), so the test also runs when started by hand.
QString percorso(const char* nome)
{
    QString radice = QString::fromLocal8Bit(qgetenv("LEXORIO_SOURCE_DIR"));
    if (radice.isEmpty()) {
        radice = QString::fromUtf8(__FILE__);
        radice.truncate(radice.lastIndexOf(QLatin1String("/tests/core/")));
    }
    return radice + "/assets/" + QString::fromLatin1(nome);
}

FileVocaboli leggi(const char* nome)
{
    FileVocaboli f;
    QFile file(percorso(nome));
    if (!file.open(QIODevice::ReadOnly))
        return f;
    f.byte = file.readAll();
    const QList<QByteArray> righe = f.byte.split('\n');
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const QByteArray& r = righe[i];
        const int n = static_cast<int>(i + 1);
        if (i == righe.size() - 1) {
            if (!r.isEmpty())
                f.difetti << QString("riga %1: manca CR LF finale").arg(n);
            break;
        }
        if (!r.endsWith('\r')) {
            f.difetti << QString("riga %1: fine riga LF senza CR").arg(n);
            continue;
        }
        const QByteArray corpo = r.chopped(1);
        if (corpo.contains('\r'))
            f.difetti << QString("riga %1: CR isolato").arg(n);
        const QString testo = lex::cp1252::decodifica(corpo);
        if (testo.startsWith('/')) {
            f.commenti << testo;
            continue;
        }
        if (testo.trimmed().isEmpty()) {
            f.difetti << QString("riga %1: riga vuota").arg(n);
            continue;
        }
        const QStringList campi = testo.split(';');
        if (campi.size() < 4) {
            f.difetti << QString("riga %1: meno di tre ';'").arg(n);
            continue;
        }
        f.record.push_back({n, campi[0], campi[1], campi[2], campi.mid(3).join(';')});
    }
    return f;
}

// Bytes that Windows-1252 leaves undefined, plus NUL.
bool byteNonDefinito(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b == 0x00 || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// "amare", "temere", "porre", "avvicinarsi", "andarsene", optionally after "non".
bool iniziaConInfinito(const QString& traduzione)
{
    static const QRegularExpression separatori(QStringLiteral("[,;(]"));
    static const QRegularExpression infinito(QStringLiteral(
        "^[a-zàèéìòù]*((are|ere|ire|rre)|(ar|er|ir|rr)(si|ci|vi|lo|la|li|le|ne|sene|cene|gli|sela|cela))$"));
    QStringList parole = traduzione.split(separatori).value(0).trimmed().split(' ');
    if (parole.size() > 1 && parole.front() == QLatin1String("non"))
        parole.removeFirst();
    return !parole.isEmpty() && infinito.match(parole.front()).hasMatch();
}

// Faults that make a record unfit to play, whatever file it is in.
QStringList difettiDelRecord(const Record& r)
{
    QStringList d;
    const QString dove = QString("riga %1 (%2): ").arg(r.riga).arg(r.parola);
    static const QSet<QString> classi = {"1", "2", "3", "4"};
    if (!classi.contains(r.categoria))
        d << dove + "categoria '" + r.categoria + "' non è 1-4";
    if (r.parola.trimmed().isEmpty() || r.parola != r.parola.trimmed())
        d << dove + "parola vuota o con spazi ai margini";
    if (r.traduzione.trimmed().isEmpty())
        d << dove + "traduzione vuota";
    else if (r.traduzione != r.traduzione.trimmed())
        d << dove + "traduzione con spazi ai margini";
    if (r.traduzione.size() > 24)
        d << dove + "traduzione più lunga di 24 caratteri: " + r.traduzione;
    if (r.traduzione.contains(';'))
        d << dove + "sensi separati da ';' invece che da ',': " + r.traduzione;
    if (r.traduzione.contains(QChar(0xC3)))
        d << dove + "testo UTF-8 letto come Windows-1252: " + r.traduzione;
    if (r.categoria == QLatin1String("3") && !iniziaConInfinito(r.traduzione))
        d << dove + "verbo non all'infinito: " + r.traduzione;
    return d;
}

QStringList difettiComuni(const FileVocaboli& f)
{
    QStringList d = f.difetti;
    for (qsizetype i = 0; i < f.byte.size(); ++i)
        if (byteNonDefinito(f.byte[i]))
            d << QString("byte 0x%1 non Windows-1252 alla posizione %2")
                     .arg(static_cast<unsigned char>(f.byte[i]), 2, 16, QChar('0'))
                     .arg(i);
    if (f.byte.startsWith("\xEF\xBB\xBF"))
        d << "il file inizia con un BOM UTF-8";
    QSet<QString> visti;
    for (std::size_t i = 1; i < f.record.size(); ++i) { // the first record is the title
        const Record& r = f.record[i];
        d << difettiDelRecord(r);
        const QString chiave = r.parola + '\n' + r.traduzione;
        if (visti.contains(chiave))
            d << QString("riga %1: doppione %2 = %3").arg(r.riga).arg(r.parola, r.traduzione);
        visti.insert(chiave);
    }
    // Different texts with a sense in common are allowed: the board never offers one as a wrong
    // answer to the other (lex::poolCandidati).
    return d;
}

TEST(VocaboliFile, PrincipaleLeggibileInWindows1252ConCrLf)
{
    const FileVocaboli f = leggi("vocaboli.txt");
    ASSERT_FALSE(f.byte.isEmpty()) << "assets/vocaboli.txt assente";
    const QStringList d = difettiComuni(f);
    EXPECT_TRUE(d.isEmpty()) << d.mid(0, 20).join('\n').toStdString();
    // The accented vowels must be single bytes, not UTF-8 pairs.
    EXPECT_TRUE(f.byte.contains('\xE0') || f.byte.contains('\xE8') || f.byte.contains('\xF9'));
}

TEST(VocaboliFile, PrincipaleTitoloE1600ParoleInQuattroFasce)
{
    const FileVocaboli f = leggi("vocaboli.txt");
    ASSERT_EQ(f.record.size(), 1601u) << "un titolo e 1600 parole";
    const Record& titolo = f.record.front();
    EXPECT_EQ(titolo.riga, 1) << "il titolo è la prima riga";
    EXPECT_EQ(titolo.frequenza, "0");
    EXPECT_EQ(titolo.categoria, "0");

    std::map<QString, int> perFascia;
    std::map<QString, int> perClasse;
    int fasciaPrecedente = 1;
    for (std::size_t i = 1; i < f.record.size(); ++i) {
        const Record& r = f.record[i];
        ++perFascia[r.frequenza];
        ++perClasse[r.categoria];
        // Bands follow corpus rank, so the file never steps back to a more frequent band.
        const int fascia = r.frequenza.toInt();
        EXPECT_GE(fascia, fasciaPrecedente) << "riga " << r.riga;
        fasciaPrecedente = fascia;
    }
    EXPECT_EQ(perFascia.size(), 4u);
    for (const char* fascia : {"1", "2", "3", "4"})
        EXPECT_EQ(perFascia[fascia], 400) << "fascia " << fascia;
    // Every class must offer enough words for eleven wrong candidates in every band.
    for (const char* classe : {"1", "2", "3", "4"})
        EXPECT_GE(perClasse[classe], 100) << "classe " << classe;
}

TEST(VocaboliFile, PersonaleEsempioConFrequenzaZero)
{
    const FileVocaboli f = leggi("vocpers.txt");
    ASSERT_FALSE(f.byte.isEmpty()) << "assets/vocpers.txt assente";
    const QStringList d = difettiComuni(f);
    EXPECT_TRUE(d.isEmpty()) << d.mid(0, 20).join('\n').toStdString();
    EXPECT_FALSE(f.commenti.isEmpty()) << "manca l'intestazione di commento per i giocatori";
    // Fewer than 100 records make the loader warn; the title does not count as a word.
    ASSERT_GE(f.record.size(), 101u);
    std::map<QString, int> perClasse;
    for (std::size_t i = 1; i < f.record.size(); ++i) {
        EXPECT_EQ(f.record[i].frequenza, "0") << "riga " << f.record[i].riga;
        ++perClasse[f.record[i].categoria];
    }
    // A personal game draws wrong candidates from the same class: each class needs twelve words.
    for (const auto& [classe, n] : perClasse)
        EXPECT_GE(n, 12) << "classe " << classe.toStdString();
}

TEST(VocaboliFile, ControlliRiconosconoIDifetti)
{
    EXPECT_TRUE(iniziaConInfinito("amare"));
    EXPECT_TRUE(iniziaConInfinito("porre, collocare"));
    EXPECT_TRUE(iniziaConInfinito("avvicinarsi"));
    EXPECT_TRUE(iniziaConInfinito("non volere"));
    EXPECT_TRUE(iniziaConInfinito("essere lecito"));
    EXPECT_FALSE(iniziaConInfinito("amato"));
    EXPECT_FALSE(iniziaConInfinito("casa"));
    EXPECT_FALSE(iniziaConInfinito("non"));

    Record buono{7, "1", "3", "amo, -as, -avi, -atum, -are", "amare"};
    EXPECT_TRUE(difettiDelRecord(buono).isEmpty());
    Record r = buono;
    r.traduzione = "amò";
    EXPECT_EQ(difettiDelRecord(r).size(), 1);
    r = buono;
    r.categoria = " 3";
    EXPECT_EQ(difettiDelRecord(r).size(), 1) << "' 3' vale 3 per la selezione ma non per i candidati";
    r = buono;
    r.traduzione = "voler bene a qualcuno, amare";
    EXPECT_EQ(difettiDelRecord(r).size(), 2) << "troppo lunga e senza infinito in testa";
    r = buono;
    r.traduzione = QString::fromUtf8("perchÃ©"); // "perché" read with the wrong code page
    r.categoria = "1";
    EXPECT_EQ(difettiDelRecord(r).size(), 1);
    r = buono;
    r.traduzione = "amare; voler bene";
    EXPECT_EQ(difettiDelRecord(r).size(), 1) << "i sensi si separano con la virgola";
}

// Syllables of a Latin word: ae, oe, au are one vowel, other neighbouring vowels two
// (le-o, hi-ems); qu is a consonant, and so is i or u before a vowel at the start (iuvenis).
int sillabe(QString w)
{
    static const QRegularExpression iniziale(QStringLiteral("^[iu](?=[aeiou])"));
    w.replace(iniziale, QStringLiteral("j"));
    w.replace(QLatin1String("qu"), QLatin1String("q"));
    for (const char* dittongo : {"ae", "oe", "au"})
        w.replace(QLatin1String(dittongo), QLatin1String("a"));
    int n = 0;
    for (const QChar c : w)
        n += QStringLiteral("aeiouy").contains(c) ? 1 : 0;
    return n;
}

// The house style of dictionary forms (docs/vocabulary.md), where a rule can tell:
// - a third-declension genitive is abbreviated from a vowel ("legio, -onis", "princeps, -ipis");
// - it is written in full only when the nominative has one syllable or the stem changes
//   ("rex, regis", "pater, patris", "iter, itineris"), never when it merely extends the
//   nominative ("leo, -onis", not "leo, leonis");
// - fourth-conjugation perfects end in -ivi, those of the compounds of eo in -ii.
QString fuoriRegola(const Record& r)
{
    const QStringList p = r.parola.split(QStringLiteral(", "));
    static const QRegularExpression parola(QStringLiteral("^-?[a-z]+$"));
    if ((r.categoria == "1" || r.categoria == "2") && p.size() >= 2 && parola.match(p[0]).hasMatch() &&
        parola.match(p[1]).hasMatch() && p[1].endsWith(QLatin1String("is")) &&
        (p.size() == 2 || p[2].endsWith('.'))) {
        const QString& nom = p[0];
        const QString& gen = p[1];
        if (gen.startsWith('-')) {
            if (gen.size() > 3 && !QStringLiteral("aeiou").contains(gen[1]))
                return "genitivo abbreviato da una consonante";
        } else {
            QString tema = nom;
            if (tema.endsWith('s') || tema.endsWith('x'))
                tema.chop(1);
            if (sillabe(nom) > 1 && gen.startsWith(tema))
                return "genitivo per intero dove basta l'abbreviazione";
        }
    }
    if (r.categoria == "3" && p.size() >= 4 && p[1] == QLatin1String("-is") && p.back() == QLatin1String("-ire")) {
        const bool compostoDiEo = p[0].endsWith(QLatin1String("eo"));
        if (compostoDiEo && !p[2].endsWith(QLatin1String("ii")))
            return "perfetto di un composto di eo non in -ii";
        if (!compostoDiEo && p[2].endsWith(QLatin1String("ii")))
            return "perfetto della quarta coniugazione in -ii invece che in -ivi";
    }
    return {};
}

TEST(VocaboliFile, FormeSecondoLaStessaRegola)
{
    const auto forma = [](const char* classe, const char* parola) {
        return fuoriRegola(Record{1, "1", classe, parola, "x"});
    };
    for (const char* buona : {"legio, -onis, f.", "rex, regis, m.", "pater, patris, m.", "iter, itineris, n.",
                              "senex, senis, m.", "caro, carnis, f.", "princeps, -ipis, m.", "iuvenis, -is, m. e f.",
                              "ager, agri, m.", "vis, f. (pl. vires)"})
        EXPECT_TRUE(forma("1", buona).isEmpty()) << buona;
    for (const char* buona : {"felix, -icis", "praeceps, -ipitis", "par, paris", "acer, -cris, -cre"})
        EXPECT_TRUE(forma("2", buona).isEmpty()) << buona;
    for (const char* buona : {"audio, -is, -ivi, -itum, -ire", "redeo, -is, redii, reditum, -ire",
                              "aperio, -is, aperui, apertum, -ire", "doceo, -es, docui, doctum, -ere"})
        EXPECT_TRUE(forma("3", buona).isEmpty()) << buona;
    EXPECT_FALSE(forma("1", "leo, leonis, m.").isEmpty());
    EXPECT_FALSE(forma("1", "quies, quietis, f.").isEmpty());
    EXPECT_FALSE(forma("2", "supplex, -plicis").isEmpty());
    EXPECT_FALSE(forma("3", "finio, -is, -ii, -itum, -ire").isEmpty());
    EXPECT_FALSE(forma("3", "exeo, -is, exivi, exitum, -ire").isEmpty());

    for (const char* nome : {"vocaboli.txt", "vocpers.txt"}) {
        const FileVocaboli f = leggi(nome);
        for (std::size_t i = 1; i < f.record.size(); ++i) {
            const QString d = fuoriRegola(f.record[i]);
            EXPECT_TRUE(d.isEmpty()) << nome << " riga " << f.record[i].riga << ": " << qPrintable(f.record[i].parola)
                                     << ": " << qPrintable(d);
        }
    }
}

// The commonest Latin words: each was missing once because a count was broken (etiam, tam,
// totus, solus, cogito, paro ...; circum, bis, cito, graviter ... before the list followed the
// LASLA corpus's own counts), or stands for the top of every frequency list. Headwords as the
// file prints them first.
TEST(VocaboliFile, LeParolePiuComuniCiSono)
{
    static const char* const comuni[] = {
        // counts that the corpus data had lost
        "etiam", "tam", "totus", "solus", "cogito", "paro", "odium", "egredior", "mora", "superior", "potior",
        "ara", "testis", "moenia", "opinor", "hiems", "quando",
        // counts that only the corpus's own lemmas gave right
        "circum", "bis", "cito", "graviter", "ulciscor", "obses", "comperio", "attingo", "circumdo",
        "quot", "assequor", "afficio", "intellego", "summus", "plus", "maxime", "minus", "licet",
        // the top of the list
        "sum", "et", "qui", "in", "non", "hic", "is", "ego", "ille", "tu", "ad", "ut", "si", "nec", "sed",
        "possum", "cum", "e", "ipse", "suus", "dico", "res", "aut", "video", "de", "magnus", "omnis", "facio",
        "habeo", "do", "enim", "iam", "tamen", "nunc", "unus", "nam", "ita", "nullus", "alius", "homo", "vir",
        "tempus", "dies", "deus", "populus", "animus", "locus", "pater", "bellum", "urbs", "rex", "manus",
        "bonus", "malus", "multus", "primus", "parvus", "novus", "venio", "eo", "volo", "fero", "capio",
        "teneo", "puto", "credo", "scio", "nosco", "audio", "vinco", "mitto", "pono", "peto", "quaero",
        "semper", "saepe", "numquam", "quoque", "autem", "igitur", "itaque", "ergo", "sic", "tum", "ubi",
        "quia", "quod", "dum", "post", "ante", "per", "inter", "sine", "pro", "ob", "propter", "apud",
        "amicus", "inimicus", "hostis", "miles", "civis", "mater", "frater", "filius", "corpus", "caput",
        "mors", "vita", "terra", "mare", "aqua", "nox", "lux", "amor", "timor", "virtus", "gloria"};
    const FileVocaboli f = leggi("vocaboli.txt");
    QSet<QString> lemmi;
    for (std::size_t i = 1; i < f.record.size(); ++i)
        lemmi.insert(f.record[i].parola.section(QRegularExpression(QStringLiteral("[ ,]")), 0, 0));
    for (const char* parola : comuni)
        EXPECT_TRUE(lemmi.contains(QString::fromLatin1(parola))) << parola << " manca da vocaboli.txt";
}

} // namespace

namespace {
// The per-author counts travel with the list: an entry a line, in the list's order, so a list
// rebuilt without its counts (or the other way round) shows here.
TEST(VocaboliFile, CoperturaSegueLElenco)
{
    QFile file(percorso("copertura.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "assets/copertura.tsv assente";
    QList<QByteArray> righe;
    for (const QByteArray& r : file.readAll().split('\n'))
        if (!r.isEmpty() && !r.startsWith('#'))
            righe << r.chopped(r.endsWith('\r') ? 1 : 0);
    const FileVocaboli f = leggi("vocaboli.txt");
    ASSERT_EQ(righe.size(), static_cast<qsizetype>(f.record.size()) + 1) << "column names, totals, one line per entry";
    const QList<QByteArray> nomi = righe[0].split('\t');
    const QList<QByteArray> totali = righe[1].split('\t');
    ASSERT_EQ(nomi.size(), 11);
    EXPECT_EQ(nomi[2], "Caesar");
    EXPECT_EQ(nomi[10], "Tacitus");
    ASSERT_EQ(totali.size(), 11);
    for (std::size_t i = 1; i < f.record.size(); ++i) {
        const QList<QByteArray> c = righe[static_cast<qsizetype>(i) + 1].split('\t');
        ASSERT_EQ(c.size(), 11) << i;
        EXPECT_EQ(QString::fromLatin1(c[0]), f.record[i].parola) << "riga " << i;
        for (qsizetype a = 2; a < 11; ++a)
            EXPECT_LE(c[a].toLongLong(), totali[a].toLongLong()) << c[0].constData();
    }
}
} // namespace
