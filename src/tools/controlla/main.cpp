// lexorio-controlla [file]: checks a personal word list (vocpers.txt unless named) before a
// game does. Prints every faulty line, the words per frequency and class, the translations
// that would not fit their box; exits 0 when the game can play the list, 1 when it cannot,
// 2 when the file cannot be read.
#include "board/ui/caselle.h"
#include "shell/ui/porteqt.h"
#include "vocab/controllo.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace lex;

namespace {
// A terminal command: Qt's notes about the desktop session are noise here.
void soloErrori(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo != QtDebugMsg && tipo != QtInfoMsg && !testo.startsWith(QLatin1String("QStandardPaths:")))
        fprintf(stderr, "%s\n", qPrintable(testo));
}
} // namespace

int main(int argc, char** argv)
{
    // Measuring text needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(soloErrori);
    QGuiApplication app(argc, argv);
    ui::fissaCaratteri();
    QTextStream out(stdout);

    const QString nome = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("vocpers.txt");
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly)) {
        out << "File " << nome << " assente o illeggibile.\n";
        return 2;
    }
    const Resoconto r = controllaVocabolario(file.readAll(), ui::entraNellaCasella);
    const auto& c = r.caricamento;
    const auto riga = [&](int i) { return c.righeRecord.value(i); };
    const auto& voce = [&](int i) -> const Voce& { return r.vocabolario.righe[static_cast<std::size_t>(i)]; };

    out << "File " << nome << ": " << c.caricati << " record letti (il primo è il titolo e non si gioca).\n";
    if (!c.righeDifettose.isEmpty()) {
        out << "\nRighe difettose (servono almeno tre \";\"):\n";
        const QStringList testi = c.rapporto.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < c.righeDifettose.size(); ++i)
            out << "  riga " << c.righeDifettose[i] << ": " << rapportoVisibile(testi.value(i)) << "\n";
        out << (c.troppiDifettosi ? "  Troppe righe difettose: il gioco si fermerebbe qui senza leggere il resto.\n"
                                  : "  Il gioco le segnala e gioca le altre.\n");
    }
    if (c.oltreLimite > 0)
        out << "\nOltre il limite di " << kRigheVocabolario << " record: " << c.oltreLimite << " record ignorati.\n";
    if (c.caricati < 100)
        out << "\nMeno di 100 record: il gioco lo segnalerà all'avvio della partita.\n";

    out << "\nVocaboli giocabili: " << r.giocabili << "\n  per frequenza:";
    for (const auto& [f, n] : r.perFrequenza)
        out << "  " << f << ": " << n;
    out << "\n  per classe:   ";
    for (const auto& [k, n] : r.perClasse)
        out << "  " << k << ": " << n;
    out << "\n";
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
        out << "\nAvvertenza: traduzioni diverse della stessa categoria con un significato in comune;\n"
               "  chi sceglie l'una quando è chiesta l'altra parola viene giudicato in errore:\n";
        for (const SensoCondiviso& s : r.sensiCondivisi)
            out << "  righe " << riga(static_cast<int>(s.prima)) << " e " << riga(static_cast<int>(s.seconda)) << ": "
                << voce(static_cast<int>(s.prima)).parola << " = " << voce(static_cast<int>(s.prima)).traduzione << " / "
                << voce(static_cast<int>(s.seconda)).parola << " = " << voce(static_cast<int>(s.seconda)).traduzione
                << " (in comune: " << s.senso << ")\n";
    }
    for (int k : r.classiSolitarie)
        out << "\nLa classe " << k << " ha un solo vocabolo: le altre caselle resteranno vuote.\n";

    if (r.utilizzabile()) {
        out << "\nElenco utilizzabile.\n";
        return 0;
    }
    out << "\nElenco NON utilizzabile: "
        << (c.troppiDifettosi ? "troppe righe difettose.\n" : "servono almeno 7 vocaboli giocabili.\n");
    return 1;
}
