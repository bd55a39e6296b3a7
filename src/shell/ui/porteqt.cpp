#include "shell/ui/porteqt.h"

#include "board/ui/caselle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
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
    // The window the box belongs to: the modal one open now (the settings window), else the active one.
    QWidget* genitore = QApplication::activeModalWidget();
    if (!genitore)
        genitore = QApplication::activeWindow();
    if (!genitore)
        genitore = genitore_;
    QMessageBox box(genitore);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(titolo);
    box.setText(testo);
    switch (icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Avviso: box.setIcon(QMessageBox::Warning); break;
    case Icona::Errore: box.setIcon(QMessageBox::Critical); break;
    }
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    if (pulsanti == Pulsanti::OkAnnulla) {
        // In Italian whether or not Qt's own translations are installed.
        box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        box.setEscapeButton(QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    if (!box.parentWidget() || !box.parentWidget()->isVisible()) {
        // With no window to sit on (start-up, fatal errors) the box goes to the middle of the screen.
        box.adjustSize();
        if (const QScreen* s = QGuiApplication::primaryScreen())
            box.move(s->geometry().center() - box.rect().center());
    }
    // On top of its window and holding the keyboard, also where no window manager stacks it.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
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

void EventiQt::dopo(std::function<void()> f)
{
    QMetaObject::invokeMethod(
        qApp,
        [this, f = std::move(f)] {
            f();
            if (rispecchiaTutto)
                rispecchiaTutto();
        },
        Qt::QueuedConnection);
}

void UscitaQt::terminaSubito(int codice)
{
    std::_Exit(codice);
}

double MisureQt::larghezzaParola(const QString& testo, double punti)
{
    return larghezzaParolaPx(testo, punti) * 15.0;
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

Bordi MisureQt::bordi(bool conMenu)
{
    Bordi b;
    if (!finestra)
        return b;
    // A window manager's frame is known once the main window is on screen; dialogs get the same.
    if (const QWindow* w = finestra->windowHandle()) {
        const QMargins m = w->frameMargins();
        b.larghezza = (m.left() + m.right()) * 15.0;
        b.altezza = (m.top() + m.bottom()) * 15.0;
    }
    if (conMenu) {
        if (const auto* mw = qobject_cast<const QMainWindow*>(finestra); mw && mw->centralWidget()) {
            b.larghezza += (mw->width() - mw->centralWidget()->width()) * 15.0;
            b.altezza += (mw->height() - mw->centralWidget()->height()) * 15.0;
        }
    }
    return b;
}

void fissaCaratteri()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

bool caricaTraduzioni()
{
    auto* t = new QTranslator(qApp);
    if (t->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(t))
        return true;
    delete t;
    return false;
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
