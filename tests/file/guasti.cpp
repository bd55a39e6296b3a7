#include "file/guasti.h"

#include "dati/cartelladati.h"
#include "progressi/progressi.h"
#include "review/finestraripasso.h"
#include "settings/impostazioni.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <system_error>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lex::test {

std::map<QString, QByteArray> fotografia(const QString& cartella)
{
    std::map<QString, QByteArray> foto;
    const QDir d(cartella);
    for (const QFileInfo& i : d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (i.isDir()) {
            foto[i.fileName() + QLatin1Char('/')] = "<dir>";
            for (const auto& [nome, dati] : fotografia(i.filePath()))
                foto[i.fileName() + QLatin1Char('/') + nome] = dati;
            continue;
        }
        QFile f(i.filePath());
        foto[i.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illeggibile>");
    }
    return foto;
}

QString sistema(int codice)
{
    return QString::fromLocal8Bit(std::system_category().message(codice));
}

Dentro::Dentro(const QString& cartella) : prima_(QDir::currentPath())
{
    QDir::setCurrent(cartella);
}

Dentro::~Dentro()
{
    QDir::setCurrent(prima_);
}

PiccoloTmpfs::PiccoloTmpfs(int kilobyte)
{
    if (::geteuid() != 0) {
        perche_ = QStringLiteral("not root: mounting a tmpfs needs it");
        return;
    }
    const QByteArray opzioni = "size=" + QByteArray::number(kilobyte) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, opzioni.constData()) != 0) {
        perche_ = QStringLiteral("mount refused: ") + sistema(errno);
        return;
    }
    montato_ = true;
}

PiccoloTmpfs::~PiccoloTmpfs()
{
    if (montato_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool PiccoloTmpfs::riempi()
{
    QFile f(dir_.filePath(QStringLiteral("riempitivo")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray pezzo(512, 'x');
    while (f.write(pezzo) == pezzo.size()) {
    }
    // Down to the last byte: one more byte fits nowhere.
    while (f.write("x", 1) == 1) {
    }
    return f.error() != QFileDevice::NoError;
}

bool PiccoloTmpfs::solaLettura()
{
    return montato_
           && ::mount(nullptr, QFile::encodeName(dir_.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr)
                  == 0;
}

QString conLimiteDiFile(long limite, const std::function<QString()>& corpo)
{
    int tubo[2];
    if (::pipe(tubo) != 0)
        return QStringLiteral("(no pipe)");
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{static_cast<rlim_t>(limite), static_cast<rlim_t>(limite)};
        ::setrlimit(RLIMIT_FSIZE, &r);
        const QByteArray detto = corpo().toUtf8();
        qsizetype fatto = 0;
        while (fatto < detto.size()) {
            const ssize_t n = ::write(tubo[1], detto.constData() + fatto, static_cast<size_t>(detto.size() - fatto));
            if (n <= 0)
                break;
            fatto += n;
        }
        ::_exit(0); // nothing of the parent's (the test framework) runs here
    }
    ::close(tubo[1]);
    QByteArray letto;
    char buffer[4096];
    for (ssize_t n; (n = ::read(tubo[0], buffer, sizeof buffer)) > 0;)
        letto.append(buffer, n);
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return QStringLiteral("(the child ended abnormally: status %1)").arg(stato);
    return QString::fromUtf8(letto);
}

QString Scrittori::ultimoBox(std::size_t prima) const
{
    return banco.box.mostrati.size() > prima ? banco.box.mostrati.back().testo : QString();
}

QString Scrittori::salvaImpostazioni()
{
    Impostazioni imp(porte);
    imp.velox_Change(5);
    const std::size_t prima = banco.box.mostrati.size();
    imp.okay_Click(2);
    if (banco.box.mostrati.size() == prima)
        return {};
    const auto& b = banco.box.mostrati.back();
    return b.titolo + QStringLiteral(": ") + b.testo;
}

namespace {
// One game of one word, missed once: the word, its translation, the wrong choice pressed.
void unaPartita(OsservatorePartita& o, const char* parola, const char* traduzione = "nuovo",
                const char* scelta = "vecchio")
{
    o.partitaIniziata(1, QStringLiteral("Cicero"), {});
    o.parolaChiesta(QString::fromLatin1(parola), QString::fromLatin1(traduzione), QStringLiteral("2"), QStringLiteral("1"));
    o.rispostaGiudicata(1, QString::fromLatin1(scelta), false);
    o.partitaFinita();
}
} // namespace

QString Scrittori::registraPartita()
{
    ScrittoreInDisparte scrittore(disco); // its own thread, as in the game
    Ripasso ripasso(disco, scrittore);
    ripasso.carica();
    unaPartita(ripasso, "novum");
    scrittore.attendi();
    return ripasso.avvisi().join(QLatin1Char('\n'));
}

QString Scrittori::registraProgressi()
{
    ScrittoreInDisparte scrittore(disco);
    FakeCalendario calendario;
    Progressi progressi(disco, scrittore, calendario);
    progressi.carica();
    unaPartita(progressi, "novum");
    scrittore.attendi();
    return progressi.avvisi().join(QLatin1Char('\n'));
}

QString Scrittori::salvaElenco()
{
    FakeFileSistema memoria;
    ScrittoreInDisparte scrittore(memoria, ScrittoreInDisparte::Filo::Chiamante);
    Ripasso ripasso(memoria, scrittore);
    unaPartita(ripasso, "novum");
    FinestraRipasso finestra(ripasso, banco.box, disco); // every question answered OK
    const std::size_t prima = banco.box.mostrati.size();
    finestra.okay_Click(0);
    return ultimoBox(prima);
}

QString Scrittori::semina(const QString& spediti)
{
    Luoghi luoghi;
    luoghi.corrente = QDir::currentPath();
    luoghi.spediti = spediti;
    luoghi.xdgDataHome = QDir::currentPath();
    const QString prima = QDir::currentPath();
    const std::size_t box = banco.box.mostrati.size();
    preparaCartellaDati(disco, banco.box, luoghi);
    QDir::setCurrent(prima);
    return ultimoBox(box);
}

void fileDiPrima()
{
    const auto scrivi = [](const QString& nome, const QByteArray& dati) {
        QFile f(nome);
        f.open(QIODevice::WriteOnly);
        f.write(dati);
    };
    scrivi(QStringLiteral("lexorio.ini"), testoImpostazioni({}));
    scrivi(QStringLiteral("vocpers.txt"), "0;0;Elenco;della maestra\r\n0;1;miles;soldato\r\n");
    // A review the game itself wrote, so that it is read and not set aside.
    FakeFileSistema memoria;
    ScrittoreInDisparte scrittore(memoria, ScrittoreInDisparte::Filo::Chiamante);
    Ripasso ripasso(memoria, scrittore);
    unaPartita(ripasso, "vetus", "vecchio", "nuovo");
    scrivi(QStringLiteral("ripasso.txt"), memoria.di(QStringLiteral("ripasso.txt")));
    FakeCalendario calendario;
    Progressi progressi(memoria, scrittore, calendario);
    unaPartita(progressi, "vetus");
    scrivi(QStringLiteral("progressi.txt"), memoria.di(QStringLiteral("progressi.txt")));
    // The data directory with an untouched copy of an older shipped vocabulary: a seeding replaces it.
    QDir().mkdir(QStringLiteral("lexorio"));
    const QByteArray vecchio = "0;0;Lexorio;titolo\r\n1;1;vetus;vecchio\r\n";
    scrivi(QStringLiteral("lexorio/vocaboli.txt"), vecchio);
    QMap<QString, QByteArray> registro;
    registro.insert(QStringLiteral("vocaboli.txt"),
                    QCryptographicHash::hash(vecchio, QCryptographicHash::Sha256).toHex());
    scrivi(QStringLiteral("lexorio/") + QString::fromLatin1(kRegistroOriginali), scriviRegistro(registro));
}

} // namespace lex::test
