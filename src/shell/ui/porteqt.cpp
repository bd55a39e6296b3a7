#include "shell/ui/porteqt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <cstdlib>

namespace lex::ui {

float OrologioQt::adesso()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 86400000.0);
}

void OrologioQt::pausa(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

CasualeQt::CasualeQt() { semina(); }

void CasualeQt::semina()
{
    gen_.seed(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()) ^ std::random_device{}());
}

double CasualeQt::r()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(gen_);
}

Risposta MessaggiBoxQt::mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti)
{
    QMessageBox box(QApplication::activeWindow() ? QApplication::activeWindow() : genitore_);
    box.setWindowTitle(titolo);
    box.setText(testo);
    switch (icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Avviso: box.setIcon(QMessageBox::Warning); break;
    case Icona::Errore: box.setIcon(QMessageBox::Critical); break;
    }
    if (pulsanti == Pulsanti::OkAnnulla) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    if (!box.parentWidget() || !box.parentWidget()->isVisible()) {
        // With no window to sit on (start-up, fatal errors) the box goes to the middle of the screen.
        box.adjustSize();
        if (const QScreen* s = QGuiApplication::primaryScreen())
            box.move(s->geometry().center() - box.rect().center());
    }
    return box.exec() == QMessageBox::Ok ? Risposta::Ok : Risposta::Annulla;
}

void EventiQt::eseguiPendenti()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventiQt::ridisegna()
{
    if (ridisegnaTutto)
        ridisegnaTutto();
}

void UscitaQt::terminaSubito(int codice)
{
    std::_Exit(codice);
}

double MisureQt::larghezzaParola(const QString& testo, double punti)
{
    return QFontMetricsF(arial(punti, true)).horizontalAdvance(testo) * 15.0;
}

double MisureQt::larghezzaSchermo()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() * 15.0 : 1024 * 15.0;
}

double MisureQt::altezzaSchermo()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() * 15.0 : 768 * 15.0;
}

bool FileQt::esiste(const QString& nome)
{
    return QFile::exists(nome);
}

QString FileQt::cartellaCorrente()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

void fissaCaratteri()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont carattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace lex::ui
