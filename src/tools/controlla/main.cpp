// lexorio-controlla [file]: checks a personal word list (vocpers.txt unless named) before a
// game does. Prints the encoding it read, every faulty line with its number, the words per
// frequency and class, which choices of the settings window can start a game, the
// translations that would not fit their box; exits 0 when the game can play the list, 1 when
// it cannot, 2 when the file cannot be read or the command line is wrong.
#include "board/ui/caselle.h"
#include "shell/ui/porteqt.h"
#include "vocab/controllo.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

using namespace lex;

namespace {
// A terminal command: Qt's notes about the desktop session are noise here.
void soloErrori(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo != QtDebugMsg && tipo != QtInfoMsg && !testo.startsWith(QLatin1String("QStandardPaths:")))
        fprintf(stderr, "%s\n", qPrintable(testo));
}

constexpr const char* kUso =
    "Uso: lexorio-controlla [file]\n"
    "Controlla un elenco di vocaboli (vocpers.txt se non se ne nomina un altro) come lo leggerebbe il gioco:\n"
    "la codifica, le righe difettose con il loro numero, i vocaboli per frequenza e per classe, quali scelte\n"
    "delle impostazioni permettono di avviare una partita, le traduzioni troppo lunghe per la loro casella.\n"
    "Esce con 0 se il gioco può usare l'elenco, 1 se non può, 2 se il file non si legge.\n";
} // namespace

int main(int argc, char** argv)
{
    const bool aiuto = argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (aiuto || argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::fputs(kUso, aiuto ? stdout : stderr);
        return aiuto ? 0 : 2;
    }
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
    const QByteArray dati = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        out << "File " << nome << " illeggibile.\n";
        return 2;
    }
    const Resoconto r = controllaVocabolario(dati, ui::entraNellaCasella);
    out << testoResoconto(r, nome);
    return r.utilizzabile() ? 0 : 1;
}
