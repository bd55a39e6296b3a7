#include "shell/ui/lexorioview.h"

#include "board/ui/caselle.h"
#include "shell/ui/porteqt.h"
#include "shell/ui/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

namespace lex::ui {

int codiceTasto(const QKeyEvent* ev)
{
    switch (ev->key()) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: break;
    }
    const QString t = ev->text();
    if (t.isEmpty() || ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    return t.at(0).unicode();
}

template <typename F>
void LexorioView::esegui(F&& f)
{
    f();
    rispecchia();
}

Pezzo* LexorioView::pezzo(const Elemento& e, const QString& nome, Stile stile, QWidget* genitore,
                          std::function<void()> click)
{
    auto* p = new Pezzo(e, std::move(stile), genitore);
    p->setObjectName(nome);
    if (click)
        p->alClick = [this, click] { esegui(click); };
    if (genitore == tabellone_)
        diTabellone_.push_back(p);
    else if (genitore == frame1_)
        diFrame1_.push_back(p);
    else
        diCornice_.push_back(p);
    return p;
}

LexorioView::LexorioView(Lexorio& regole, const LexorioModel& modello) : r_(regole), m_(modello)
{
    const auto& m = m_;
    setWindowTitle(m.caption);

    tabellone_ = new QWidget(this);
    tabellone_->setFixedSize(px(m.window.width), px(m.window.height));
    tabellone_->setAutoFillBackground(true);
    QPalette pal = tabellone_->palette();
    pal.setColor(QPalette::Window, colore(m.window.back));
    tabellone_->setPalette(pal);
    setCentralWidget(tabellone_);
    tabellone_->installEventFilter(this);

    auto* menu = menuBar()->addMenu(QStringLiteral("&Impostazioni"));
    menu->addAction(QStringLiteral("&Partenza nuova partita"), this, [this] { esegui([this] { r_.menuImposta(); }); });
    menu->addAction(QStringLiteral("&Ripasso errori"), this, [this] { esegui([this] { r_.menuRipasso(); }); });
    menu->addAction(QStringLiteral("Pro&gressi"), this, [this] { esegui([this] { r_.menuProgressi(); }); });
    menu->addAction(QStringLiteral("Vocaboli da un &testo…"), this, [this] { esegui([this] { r_.menuTesto(); }); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Fine"), this, [this] { esegui([this] { r_.menuEsci(); }); });
    menuBar()->addMenu(QStringLiteral("?"))->addAction(QStringLiteral("Info"), this, [this] { esegui([this] { r_.menuInfo(); }); });

    const Stile trasparente{arial(9, true), Qt::AlignLeft | Qt::AlignVCenter, false, false};

    for (int i : {1, 2}) {
        pezzo(m.barrone[i], QStringLiteral("barrone%1").arg(i), {QFont(), Qt::AlignCenter, false, false}, tabellone_);
        pezzo(m.barra[i], QStringLiteral("barra%1").arg(i), {QFont(), Qt::AlignCenter, false, true, false, true}, tabellone_);
        pezzo(m.colonna[i], QStringLiteral("colonna%1").arg(i), {QFont(), Qt::AlignCenter, false, false}, tabellone_);
        pezzo(m.base[i], QStringLiteral("base%1").arg(i), {QFont(), Qt::AlignCenter, false, false}, tabellone_);
        pezzo(m.figura[i], QStringLiteral("figura%1").arg(i), {QFont(), Qt::AlignCenter, false, false}, tabellone_);
        pezzo(m.punti[i], QStringLiteral("punti%1").arg(i), {arial(14, true), Qt::AlignCenter, false, false}, tabellone_);
    }

    frame1_ = new Pezzo(m.Frame1, {QFont(), Qt::AlignCenter, false, true, true}, tabellone_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    diTabellone_.push_back(frame1_);
    for (std::size_t i = 0; i < m.sign.size(); ++i)
        pezzo(m.sign[i], QStringLiteral("sign%1").arg(i), {fontCasella(), Qt::AlignCenter, true, true, false, true}, frame1_);
    for (int i = 1; i <= 4; ++i)
        pezzo(m.fumetto[i], QStringLiteral("fumetto%1").arg(i), {QFont(), Qt::AlignCenter, false, false}, frame1_,
              [this] { r_.clickFumetto(); });
    // The quote labels lie on the balloons but take no clicks of their own.
    pezzo(m.battuta[1], QStringLiteral("battuta1"),
          {carattere(QStringLiteral("Comic Sans MS"), 15, true), Qt::AlignCenter, true, false}, frame1_);
    pezzo(m.battuta[2], QStringLiteral("battuta2"),
          {carattere(QStringLiteral("Comic Sans MS"), 11, true), Qt::AlignCenter, true, false}, frame1_);
    // Above the balloons, so the restart prompt stays readable; its background always equals the
    // panel's (both take the scorer's colour together), so only the text is drawn over the balloons.
    pezzo(m.Parola, QStringLiteral("Parola"), {fontParola(14), Qt::AlignCenter, false, false}, frame1_,
          [this] { r_.clickParola(); });

    // The title stays where start-up put it; from the first game the status panel covers it.
    pezzo(m.arapacis, QStringLiteral("arapacis"), {QFont(), Qt::AlignCenter, false, false}, tabellone_,
          [this] { r_.clickArapacis(); });
    cornice_ = new Pezzo(m.Cornice, {QFont(), Qt::AlignCenter, false, true, true}, tabellone_);
    cornice_->setObjectName(QStringLiteral("Cornice"));
    diTabellone_.push_back(cornice_);
    // The counts grow with the run (penalties are never reset): their labels widen rather than cut digits.
    Stile conteggio{arial(11, true), Qt::AlignLeft | Qt::AlignVCenter, false, false};
    conteggio.allargaAlTesto = true;
    pezzo(m.Labverbi, QStringLiteral("Labverbi"), conteggio, cornice_);
    // The clock reads hh:mm:ss: regular weight keeps it inside its label.
    Stile stato{arial(9), Qt::AlignLeft | Qt::AlignVCenter, false, false};
    stato.allargaAlTesto = true;
    pezzo(m.Lab[1], QStringLiteral("Lab1"), stato, cornice_);
    pezzo(m.Lab[2], QStringLiteral("Lab2"), stato, cornice_);

    pezzo(m.foto1, QStringLiteral("foto1"), {QFont(), Qt::AlignCenter, false, false, false, true}, tabellone_);
    pezzo(m.foto2, QStringLiteral("foto2"), {QFont(), Qt::AlignCenter, false, false, false, true}, tabellone_);
    pezzo(m.Label1, QStringLiteral("Label1"), trasparente, tabellone_, [this] { r_.clickLabel1(); });
    pezzo(m.Label2, QStringLiteral("Label2"), {arial(9, true), Qt::AlignRight | Qt::AlignVCenter, false, false}, tabellone_);
    pezzo(m.Iml[7], QStringLiteral("Iml7"), {QFont(), Qt::AlignCenter, false, false}, tabellone_);
    pezzo(m.Imr[7], QStringLiteral("Imr7"), {QFont(), Qt::AlignCenter, false, false}, tabellone_);

    // The window itself holds the keyboard focus: a menu used from the keyboard gives the focus
    // back to it, where with no focus at all the menu bar would keep it and swallow Esc.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // Switched off by the rules since the last mirror (before a box, say): no tick more.
        if (!m_.Timer1.enabled) {
            timer_.stop();
            return;
        }
        esegui([this] { r_.Timer1_Timer(); });
    });

    setFixedSize(sizeHint());
}

void LexorioView::rispecchia()
{
    const auto& m = m_;
    for (Pezzo* p : diTabellone_)
        p->rispecchia();
    for (Pezzo* p : diFrame1_)
        p->rispecchia();
    for (Pezzo* p : diCornice_)
        p->rispecchia();

    if (timer_.interval() != m.Timer1.interval)
        timer_.setInterval(m.Timer1.interval);
    if (timer_.isActive() != m.Timer1.enabled) {
        if (m.Timer1.enabled)
            timer_.start();
        else
            timer_.stop();
    }

    if (primoRispecchio_ && m.windowShown) {
        primoRispecchio_ = false;
        move(px(m.window.left), px(m.window.top));
    }
    if (m.windowShown != isVisible()) {
        setVisible(m.windowShown);
        if (m.windowShown) {
            // Back from the settings window: the keys must reach the board again at once.
            raise();
            activateWindow();
        }
    }
}

void LexorioView::ridisegnaSubito()
{
    rispecchia();
    if (isVisible())
        repaint();
}

void LexorioView::keyPressEvent(QKeyEvent* ev)
{
    const int codice = codiceTasto(ev);
    if (codice == 0) {
        QMainWindow::keyPressEvent(ev);
        return;
    }
    esegui([this, codice] { r_.tasto(codice); });
}

bool LexorioView::eventFilter(QObject* o, QEvent* ev)
{
    if (o == tabellone_ && ev->type() == QEvent::Paint && !disegnato_) {
        disegnato_ = true;
        // Queued: the picture being painted now first reaches the screen.
        QTimer::singleShot(0, this, [this] {
            if (dopoPrimoDisegno)
                dopoPrimoDisegno();
        });
    }
    return QMainWindow::eventFilter(o, ev);
}

void LexorioView::closeEvent(QCloseEvent* ev)
{
    r_.chiusura();
    ev->accept();
}

} // namespace lex::ui
