#include "vocab/controllo.h"

#include "vocab/selezione.h"

#include <QFileInfo>
#include <QTextStream>

namespace lex {

namespace {

constexpr std::array<const char*, 5> kClassi = {"", "nomi", "aggettivi e pronomi", "verbi", "avverbi, cong., prep."};
constexpr std::array<const char*, 5> kFrequenze = {"elenco personale (frequenza 0)", "frequenza 1 (più frequenti)",
                                                    "frequenza 2", "frequenza 3", "frequenza 4 (meno frequenti)"};

PartitaPossibile conta(const Vocabolario& v, QString nome, SceltaParole s)
{
    PartitaPossibile p{std::move(nome), 0, 0};
    p.vocaboli = int(selezionaVoci(v, s).vocabolo.size());
    s.escludiSimili = true;
    p.senzaSimili = int(selezionaVoci(v, s).vocabolo.size());
    return p;
}

// 0 no game, 1 a game after the message, 2 a game without it.
int livello(int n)
{
    return n >= kParoleSenzaAvviso ? 2 : n >= kParoleMinime ? 1 : 0;
}

QString esito(int n)
{
    if (n >= kParoleSenzaAvviso)
        return QStringLiteral("si gioca");
    if (n >= kParoleMinime)
        return QStringLiteral("la partita parte dopo l'avviso \"Solo  %1 vocaboli selezionati!\"").arg(n);
    return QStringLiteral("la partita non parte");
}

QString quanti(int n)
{
    QString t = QString::number(n) + (n == 1 ? QStringLiteral(" vocabolo") : QStringLiteral(" vocaboli"));
    if (n < kParoleSenzaAvviso)
        t += QStringLiteral(", servono almeno %1").arg(kParoleSenzaAvviso);
    return t;
}

QString descriviCodifica(const Resoconto& r)
{
    const QString altri = QStringLiteral("per usarlo con altri programmi conviene salvarlo in Windows-1252 "
                                         "(detta anche \"ANSI\" o \"Europa occidentale\").");
    switch (r.caricamento.codifica) {
    case Codifica::Ascii:
        return QStringLiteral("Codifica: solo caratteri ASCII, che si leggono uguali in Windows-1252 e in UTF-8.");
    case Codifica::Windows1252:
        return QStringLiteral("Codifica: Windows-1252, quella del gioco.");
    case Codifica::Utf8:
        return QStringLiteral("Codifica: UTF-8. Il gioco lo legge così; ") + altri;
    case Codifica::Utf8ConBom:
        break;
    }
    if (r.utf8Difettoso)
        return QStringLiteral("Codifica: UTF-8 con BOM, ma con byte che non sono UTF-8: il gioco mostra "
                              "quei caratteri come \"\uFFFD\". Salvarlo di nuovo in UTF-8 o in Windows-1252.");
    return QStringLiteral("Codifica: UTF-8 con BOM. Il gioco lo legge così; ") + altri;
}

// The game reads the personal list when it is chosen, the main one at start-up; past the limit it
// shows the report and ends.
QString troppeDifettose(const QString& nome, int ultimaLetta)
{
    const bool principale = QFileInfo(nome).fileName() == QLatin1String("vocaboli.txt");
    return QStringLiteral("  Troppe righe difettose: %1\n  il gioco mostra queste righe in un messaggio intitolato "
                          "\"Troppi record difettosi nel file %2\"\n  e si chiude, senza leggere il file oltre la riga %3.\n")
        .arg(principale ? QStringLiteral("all'avvio") : QStringLiteral("quando nelle impostazioni si sceglie \"Elenco personale\","),
             principale ? QStringLiteral("vocaboli.txt") : QStringLiteral("vocpers.txt"))
        .arg(ultimaLetta);
}

} // namespace

Resoconto controllaVocabolario(QByteArrayView dati, const std::function<bool(const QString&)>& entra,
                               Vocabolario tabella)
{
    Resoconto r(std::move(tabella));
    r.byte = dati.size();
    r.sembraUtf16 = sembraUtf16(dati);
    r.caricamento = caricaVocaboli(dati, r.vocabolario);
    r.utf8Difettoso = r.caricamento.codifica == Codifica::Utf8ConBom && !utf8Valido(dati.sliced(qsizetype(sizeof kBomUtf8) - 1));
    // Row 0 is the file's title, never played.
    QList<int> giocabili;
    QList<QPair<QString, QString>> classeETraduzione;
    for (int i = 1; i <= r.vocabolario.ultimovoc; ++i) {
        const Voce& v = r.vocabolario.righe[static_cast<std::size_t>(i)];
        const auto f = leggiClasse(v.frequenza);
        const auto c = leggiClasse(v.categoria);
        if (!f || !c || *f < 0 || *f > 4 || *c < 1 || *c > 4) {
            r.fuoriIntervallo.append(i);
            continue;
        }
        ++r.giocabili;
        giocabili << i;
        classeETraduzione.append({v.categoria, v.traduzione});
        ++r.perFrequenza[*f];
        ++r.perClasse[*c];
        if (!entra(v.traduzione))
            r.nonEntrano.append(i);
    }
    for (SensoCondiviso coppia : sensiCondivisi(classeETraduzione)) {
        coppia.prima = giocabili[coppia.prima];
        coppia.seconda = giocabili[coppia.seconda];
        r.sensiCondivisi << coppia;
    }
    for (const auto& [classe, quante] : r.perClasse) {
        if (quante == 1)
            r.classiSolitarie.append(classe);
        else if (quante < kParoleSenzaAvviso)
            r.classiPiccole.append(classe);
    }
    r.insidie = cercaInsidie(dati, r.caricamento, r.vocabolario);

    // What the game's own selection picks for each choice a teacher would tick.
    if (r.caricamento.caricati > 0) {
        const SceltaParole tutto{{true, true, true, true, true}, {false, true, true, true, true}, false};
        r.partite.append(conta(r.vocabolario, QStringLiteral("Tutte le classi"), tutto));
        for (std::size_t c = 1; c <= 4; ++c) {
            SceltaParole s = tutto;
            s.classi = {};
            s.classi[c] = true;
            r.partite.append(conta(r.vocabolario, QStringLiteral("Solo ") + QString::fromUtf8(kClassi[c]), s));
        }
        if (r.perFrequenza.size() > 1)
            for (const auto& [f, n] : r.perFrequenza) {
                SceltaParole s = tutto;
                s.frequenze = {};
                s.frequenze[std::size_t(f)] = true;
                r.partite.append(conta(r.vocabolario, QStringLiteral("Solo ") + QString::fromUtf8(kFrequenze[std::size_t(f)]), s));
            }
    }
    return r;
}

QString testoResoconto(const Resoconto& r, const QString& nome)
{
    QString testo;
    QTextStream out(&testo);
    const auto& c = r.caricamento;
    const auto riga = [&](int i) { return c.righeRecord.value(i); };
    const auto& voce = [&](int i) -> const Voce& { return r.vocabolario.righe[static_cast<std::size_t>(i)]; };

    if (r.byte == 0)
        out << "File " << nome << ": vuoto.\n";
    else if (c.caricati == 0)
        out << "File " << nome << ": nessun record (un record è una riga \"frequenza;classe;parola;traduzione\").\n";
    else
        out << "File " << nome << ": " << c.caricati << " record letti (il primo è il titolo e non si gioca).\n";
    const QString mista = testoCodificaMista(r.insidie, c.codifica);
    if (r.sembraUtf16)
        out << "Il file è salvato in UTF-16 (\"Unicode\"), che il gioco non legge: salvarlo in Windows-1252 o in UTF-8.\n";
    else if (!mista.isEmpty())
        out << mista << "\n";
    else if (r.byte > 0)
        out << descriviCodifica(r) << "\n";
    out << testoTitolo(r.insidie, c, r.vocabolario);

    out << testoTabulazioni(r.insidie);
    if (!c.righeDifettose.isEmpty()) {
        out << "\nRighe difettose (servono almeno tre \";\"):\n";
        const QStringList testi = c.rapporto.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < c.righeDifettose.size(); ++i)
            out << "  riga " << c.righeDifettose[i] << ": " << rapportoVisibile(testi.value(i)) << "\n";
        if (c.troppiDifettosi)
            out << troppeDifettose(nome, c.righeDifettose.last());
        else
            out << "  Il gioco le segnala senza numero di riga e gioca le altre.\n";
    }
    if (c.oltreLimite > 0)
        out << "\nOltre il limite di " << kRigheVocabolario << " record: " << c.oltreLimite << " record ignorati.\n";

    if (c.caricati > 0) {
        out << "\nVocaboli giocabili: " << r.giocabili << "\n  per frequenza:";
        for (const auto& [f, n] : r.perFrequenza)
            out << "  " << f << ": " << n;
        out << "\n  per classe:   ";
        for (const auto& [k, n] : r.perClasse)
            out << "  " << k << ": " << n;
        out << "\n";
    }
    if (!r.fuoriIntervallo.isEmpty()) {
        out << "\nRecord che il gioco non sceglie mai (frequenza fuori da 0-4 o classe fuori da 1-4):\n";
        for (int i : r.fuoriIntervallo)
            out << "  riga " << riga(i) << ": " << voce(i).frequenza << ";" << voce(i).categoria << ";" << voce(i).parola << "\n";
    }
    if (!r.nonEntrano.isEmpty()) {
        out << "\nTraduzioni troppo lunghe per la loro casella:\n";
        for (int i : r.nonEntrano)
            out << "  riga " << riga(i) << ": " << voce(i).parola << " = " << voce(i).traduzione << "\n";
    }
    if (!r.sensiCondivisi.isEmpty()) {
        out << "\nPer informazione: traduzioni diverse della stessa categoria con un significato in comune;\n"
               "  il gioco non le mette mai sulla stessa tavola come risposta sbagliata l'una dell'altra:\n";
        for (const SensoCondiviso& s : r.sensiCondivisi)
            out << "  righe " << riga(static_cast<int>(s.prima)) << " e " << riga(static_cast<int>(s.seconda)) << ": "
                << voce(static_cast<int>(s.prima)).parola << " = " << voce(static_cast<int>(s.prima)).traduzione << " / "
                << voce(static_cast<int>(s.seconda)).parola << " = " << voce(static_cast<int>(s.seconda)).traduzione
                << " (in comune: " << s.senso << ")\n";
    }
    out << testoClassi(r.insidie, c, r.vocabolario);
    for (const auto& [k, n] : r.perClasse)
        if (n < kParoleSenzaAvviso)
            out << testoClassePiccola(k, n);

    if (!r.partite.isEmpty() && !c.troppiDifettosi) {
        out << "\nPartite possibili (servono almeno " << kParoleMinime << " vocaboli, " << kParoleSenzaAvviso
            << " perché il gioco non avverta):\n";
        for (const PartitaPossibile& p : r.partite) {
            out << "  " << p.scelta << ": " << quanti(p.vocaboli) << ": " << esito(p.vocaboli) << ".";
            if (p.senzaSimili != p.vocaboli) {
                out << " Con \"Escludi simili\" " << p.senzaSimili;
                if (livello(p.senzaSimili) != livello(p.vocaboli))
                    out << ": " << esito(p.senzaSimili);
                out << ".";
            }
            out << "\n";
        }
    }

    if (c.caricati > 0 && c.caricati < 100) {
        out << "\nMeno di 100 record: all'avvio il gioco avvisa che il file ha solo " << c.caricati << " vocaboli.";
        out << (r.utilizzabile() ? " È solo un avviso: si gioca lo stesso.\n" : "\n");
    }

    if (r.utilizzabile())
        out << "\nElenco utilizzabile.\n";
    else if (c.troppiDifettosi)
        out << "\nElenco NON utilizzabile: troppe righe difettose.\n";
    else
        out << "\nElenco NON utilizzabile: servono almeno " << kParoleMinime << " vocaboli giocabili.\n";
    return testo;
}

} // namespace lex
