#include "settings/ui/impostazioniview.h"

#include "shell/ui/finestreqt.h"
#include "shell/ui/lexorioview.h"
#include "shell/ui/porteqt.h"
#include "shell/ui/elementiqt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace lex::ui {

namespace {

// Check boxes and option buttons whose click is decided by the rules: the widget does not
// change its own state, the mirror shows whatever the rules left in the model.
template <typename Base>
class Pulsante : public Base {
public:
    using Base::Base;
    std::function<void()> alClick;

protected:
    void nextCheckState() override
    {
        if (alClick)
            alClick();
    }
};

// A picture that takes the keyboard focus, as the player places do.
class Foto : public Pezzo {
public:
    Foto(const Elemento& e, Stile stile, QWidget* genitore) : Pezzo(e, std::move(stile), genitore)
    {
        setFocusPolicy(Qt::StrongFocus);
    }
    std::function<void(bool)> alFuoco;

protected:
    // Another window taking the activation (a message box) is not a loss of focus here.
    void focusInEvent(QFocusEvent* ev) override
    {
        Pezzo::focusInEvent(ev);
        if (alFuoco && ev->reason() != Qt::ActiveWindowFocusReason)
            alFuoco(true);
    }
    void focusOutEvent(QFocusEvent* ev) override
    {
        Pezzo::focusOutEvent(ev);
        if (alFuoco && ev->reason() != Qt::ActiveWindowFocusReason)
            alFuoco(false);
    }
    void paintEvent(QPaintEvent* ev) override
    {
        Pezzo::paintEvent(ev);
        if (hasFocus()) {
            QPainter p(this);
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

using ui::applica; // the plain widget's, beside the overloads below

void applica(QAbstractButton* b, const Elemento& e)
{
    applica(static_cast<QWidget*>(b), e);
    if (b->text() != e.text)
        b->setText(e.text);
}

void applica(QCheckBox* c, const Casella& e)
{
    applica(static_cast<QAbstractButton*>(c), e);
    const Qt::CheckState s = e.value == 0 ? Qt::Unchecked : e.value == 1 ? Qt::Checked : Qt::PartiallyChecked;
    if (c->checkState() != s)
        c->setCheckState(s);
}

bool inIndice(int i) { return i >= 0; }

} // namespace

ImpostazioniView::ImpostazioniView(Impostazioni& regole, QWidget* genitore) : QDialog(genitore), r_(regole)
{
    const auto& m = r_.m;
    setWindowTitle(m.caption);
    setFixedSize(px(m.window.width), px(m.window.height));
    colora(this, m.window.back, colori::nero);
    setFont(arial(8.25));

    auto cornice = [&](const Elemento& e, const char* nome) {
        auto* f = new QGroupBox(e.text, this);
        f->setObjectName(QLatin1String(nome));
        f->setFont(arial(e.fontSize, true));
        colora(f, e.back, e.fore);
        return f;
    };
    frame1_ = cornice(m.Frame1, "Frame1");
    frame2_ = cornice(m.Frame2, "Frame2");
    frame3_ = cornice(m.Frame3, "Frame3");

    // Controls inside a frame get their own font and colours, not the frame's bold white.
    auto prepara = [](QWidget* w, const Elemento& e, const QString& nome) {
        w->setObjectName(nome);
        w->setFont(arial(e.fontSize));
        colora(w, e.back, e.fore);
    };
    auto casella = [&](const Casella& e, QWidget* genitoreCasella, const QString& nome, std::function<void()> click) {
        auto* c = new Pulsante<QCheckBox>(e.text, genitoreCasella);
        prepara(c, e, nome);
        c->alClick = [this, click] { esegui(click); };
        return c;
    };

    suoni_ = casella(m.suoni, frame1_, QStringLiteral("suoni"), [this] { r_.suoni_Click(); });
    musica_ = casella(m.musica, frame1_, QStringLiteral("musica"), [this] { r_.musica_Click(); });

    velocita_ = new QLabel(m.velocita.text, frame1_);
    prepara(velocita_, m.velocita, QStringLiteral("velocita"));
    velox_ = new QScrollBar(Qt::Horizontal, frame1_);
    velox_->setObjectName(QStringLiteral("velox"));
    velox_->setRange(m.velox.min, m.velox.max);
    velox_->setSingleStep(1);
    velox_->setPageStep(1);
    velox_->setFocusPolicy(Qt::StrongFocus);
    velox_->setInvertedControls(false); // scroll bars invert their keys by default: Right must go faster
    // A white thumb on a light red groove, between two arrow buttons: the chosen speed reads at a glance.
    velox_->setStyleSheet(QStringLiteral(
        "QScrollBar:horizontal { background: #ffc8c8; border: 1px solid #800000; margin: 0 16px; }"
        "QScrollBar::handle:horizontal { background: white; border: 1px solid #800000; border-radius: 2px;"
        " min-width: 18px; margin: 1px 0; }"
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { background: #ffe6e6;"
        " border: 1px solid #800000; width: 15px; }"
        "QScrollBar::add-line:horizontal { subcontrol-position: right; subcontrol-origin: margin; }"
        "QScrollBar::sub-line:horizontal { subcontrol-position: left; subcontrol-origin: margin; }"
        "QScrollBar::left-arrow:horizontal { image: url(:/assets/controls/freccia-sinistra.svg); width: 8px; height: 10px; }"
        "QScrollBar::right-arrow:horizontal { image: url(:/assets/controls/freccia-destra.svg); width: 8px; height: 10px; }"
        "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }"));
    velocita_->setBuddy(velox_);
    connect(velox_, &QScrollBar::valueChanged, this, [this](int v) { esegui([this, v] { r_.velox_Change(v); }); });

    // Auto-exclusive siblings, as option buttons are: the arrow keys move the choice between them.
    // (A QButtonGroup would hand the unchecked button a click of its own.)
    for (int i : {1, 2}) {
        auto* o = new Pulsante<QRadioButton>(m.Giocatori[i].text, frame1_);
        prepara(o, m.Giocatori[i], QStringLiteral("Giocatori%1").arg(i));
        o->setAutoExclusive(true);
        o->alClick = [this, i] { esegui([this, i] { r_.Giocatori_Click(i); }); };
        giocatori_[i] = o;
    }

    quverbi_ = new QListWidget(frame1_);
    prepara(quverbi_, m.quverbi, QStringLiteral("quverbi"));
    {
        QPalette pal = quverbi_->palette();
        pal.setColor(QPalette::Base, colore(m.quverbi.back));
        quverbi_->setPalette(pal);
    }
    quverbi_->setSelectionMode(QAbstractItemView::SingleSelection);
    quverbi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(quverbi_, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (inIndice(riga))
            esegui([this, riga] { r_.quverbi_Click(riga); });
    });

    for (int i = 1; i <= 4; ++i)
        chclassi_[i] = casella(m.Chclassi[i], frame2_, QStringLiteral("Chclassi%1").arg(i),
                               [this, i] { r_.Chclassi_Click(i); });
    for (int i = 1; i <= 4; ++i)
        chfreq_[i] = casella(m.Chfreq[i], frame3_, QStringLiteral("Chfreq%1").arg(i), [this, i] { r_.Chfreq_Click(i); });
    chfreq_[0] = casella(m.Chfreq[0], this, QStringLiteral("Chfreq0"), [this] { r_.Chfreq_Click(0); });
    similino_ = casella(m.similino, this, QStringLiteral("similino"), [this] { r_.similino_Click(); });
    primaRipasso_ = casella(m.primaRipasso, this, QStringLiteral("primaRipasso"), [this] { r_.primaRipasso_Click(); });

    for (int i : {0, 2, 1}) { // in the order they stand, for the focus chain
        auto* b = new QPushButton(m.okay[i].text, this);
        b->setObjectName(QStringLiteral("okay%1").arg(i));
        b->setFont(arial(m.okay[i].fontSize, true));
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, colore(m.okay[i].back));
        pal.setColor(QPalette::ButtonText, colore(m.okay[i].fore));
        b->setPalette(pal);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { esegui([this, i] { r_.okay_Click(i); }); });
        okay_[i] = b;
    }
    okay_[0]->setDefault(true);

    // The players' places: player 2 on the left, player 1 on the right.
    const Stile immagine{QFont(), Qt::AlignCenter, false, false};
    const Stile nome{arial(8.25), Qt::AlignCenter, false, true};
    std::array<Foto*, 5> foto{};
    for (int i : {2, 4, 3, 1}) {
        foto[i] = new Foto(m.Picture1[i], immagine, this);
        foto[i]->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        foto[i]->setCursor(Qt::PointingHandCursor);
        foto[i]->alClick = [this, i] { esegui([this, i] { r_.Picture1_Click(i); }); };
        foto[i]->alFuoco = [this, i](bool preso) { esegui([this, i, preso] { r_.Picture1_Fuoco(i, preso); }); };
        pezzi_.push_back(foto[i]);
    }
    for (int i : {1, 2}) {
        Pezzo* b = pezzo(m.battuta[i],
                         {carattere(QStringLiteral("Comic Sans MS"), m.battuta[i].fontSize), Qt::AlignCenter, true, false},
                         foto[i + 2], [this, i] { r_.battuta_Click(i); });
        b->setObjectName(QStringLiteral("battuta%1").arg(i));
    }
    for (int i : {2, 0, 1}) {
        Pezzo* n = pezzo(m.nomefoto[i], nome, this, [this, i] { r_.nomefoto_Click(i); });
        n->setObjectName(QStringLiteral("nomefoto%1").arg(i));
        if (i != 0)
            n->setCursor(Qt::PointingHandCursor);
    }

    // Tab walks frame by frame, top to bottom: the game, the classes, the frequencies, the two
    // boxes under them, the buttons, then the players' places from left to right.
    const std::vector<QWidget*> ordine{suoni_,      musica_,     velox_,      giocatori_[1], giocatori_[2], quverbi_,
                                       chclassi_[1], chclassi_[2], chclassi_[3], chclassi_[4], chfreq_[1],    chfreq_[2],
                                       chfreq_[3],  chfreq_[4],  chfreq_[0],  similino_,     primaRipasso_, okay_[0],      okay_[2],
                                       okay_[1],    foto[2],     foto[4],     foto[3],       foto[1]};
    for (std::size_t k = 1; k < ordine.size(); ++k)
        QWidget::setTabOrder(ordine[k - 1], ordine[k]);

    qApp->installEventFilter(this);
    rispecchia();
    move(px(m.window.left), px(m.window.top));
}

ImpostazioniView::~ImpostazioniView()
{
    qApp->removeEventFilter(this);
    // Focus changes while the widgets go away are no events of the window.
    for (Pezzo* p : pezzi_)
        if (auto* f = dynamic_cast<Foto*>(p))
            f->alFuoco = nullptr;
}

Pezzo* ImpostazioniView::pezzo(const Elemento& e, Stile stile, QWidget* genitore, std::function<void()> click)
{
    auto* p = new Pezzo(e, std::move(stile), genitore);
    p->alClick = [this, click] { esegui(click); };
    pezzi_.push_back(p);
    return p;
}

void ImpostazioniView::rispecchia()
{
    const auto& m = r_.m;
    applica(frame1_, m.Frame1);
    applica(frame2_, m.Frame2);
    applica(frame3_, m.Frame3);
    applica(suoni_, m.suoni);
    applica(musica_, m.musica);
    applica(similino_, m.similino);
    applica(primaRipasso_, m.primaRipasso);
    for (int i = 0; i <= 4; ++i) {
        if (i > 0)
            applica(chclassi_[i], m.Chclassi[i]);
        applica(chfreq_[i], m.Chfreq[i]);
    }
    applica(velocita_, m.velocita);
    if (velocita_->text() != m.velocita.text)
        velocita_->setText(m.velocita.text);
    {
        const QSignalBlocker blocco(velox_);
        applica(velox_, m.velox);
        if (velox_->value() != m.velox.value)
            velox_->setValue(m.velox.value);
    }
    for (int i : {1, 2}) {
        applica(giocatori_[i], m.Giocatori[i]);
        // Checking one of the auto-exclusive buttons clears the other.
        if (m.Giocatori[i].selected && !giocatori_[i]->isChecked())
            giocatori_[i]->setChecked(true);
    }
    {
        const QSignalBlocker blocco(quverbi_);
        applica(quverbi_, m.quverbi);
        if (righe_ != m.quverbi.rows) {
            righe_ = m.quverbi.rows;
            quverbi_->clear();
            quverbi_->addItems(righe_);
        }
        if (quverbi_->currentRow() != m.quverbi.selected)
            quverbi_->setCurrentRow(m.quverbi.selected);
    }
    for (int i = 0; i <= 2; ++i)
        applica(okay_[i], m.okay[i]);
    for (Pezzo* p : pezzi_)
        p->rispecchia();
}

bool ImpostazioniView::eventFilter(QObject* o, QEvent* ev)
{
    if (ev->type() != QEvent::KeyPress || !o->isWidgetType())
        return false;
    // A key travels from the focused control up to its parents; take it once, at its first receiver.
    QWidget* fuoco = QApplication::focusWidget();
    auto* w = static_cast<QWidget*>(o);
    const bool primo = fuoco ? w == fuoco : w == this;
    if (!primo || (w != this && !isAncestorOf(w)))
        return false;
    const int codice = codiceTasto(static_cast<QKeyEvent*>(ev));
    if (codice == 0)
        return false;
    esegui([this, codice] { r_.carattere(codice); });
    // Enter and Esc belong to the window; other characters still reach the control.
    return codice == 13 || codice == 27;
}

void ImpostazioniView::reject()
{
    esegui([this] { r_.okay_Click(1); }); // hides the window, which ends the modal loop
}

void mostraImpostazioniModale(Impostazioni& imp, QWidget* genitore)
{
    ImpostazioniView vista(imp, genitore);
    imp.attivazione();
    vista.rispecchia();
    if (imp.m.shown)
        vista.exec();
}

} // namespace lex::ui
