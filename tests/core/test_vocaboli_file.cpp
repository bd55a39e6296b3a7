// The shipped word files are data, but the game trusts them blindly: the loader takes
// any three ";" as a record and the candidate builder compares classes as text. These
// checks keep assets/vocaboli.txt and assets/vocpers.txt playable as committed.
#include "vocab/cp1252.h"

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
    std::map<QString, int> significati; // class + translation -> line
    for (std::size_t i = 1; i < f.record.size(); ++i) { // the first record is the title
        const Record& r = f.record[i];
        d << difettiDelRecord(r);
        const QString chiave = r.parola + '\n' + r.traduzione;
        if (visti.contains(chiave))
            d << QString("riga %1: doppione %2 = %3").arg(r.riga).arg(r.parola, r.traduzione);
        visti.insert(chiave);
        // Wrong candidates come from the same class: a shared translation would show two right answers.
        const auto [pos, nuovo] = significati.emplace(r.categoria + '\n' + r.traduzione, r.riga);
        if (!nuovo)
            d << QString("riga %1: stessa traduzione della riga %2 nella stessa categoria: %3")
                     .arg(r.riga)
                     .arg(pos->second)
                     .arg(r.traduzione);
    }
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
}

} // namespace
