#include "shell/ui/dialogoqt.h"

#include "shell/ui/elementiqt.h"
#include "shell/ui/porteqt.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace lex::ui {

void impostaDialogo(QDialog* d, const QString& titolo, const Elemento& finestra)
{
    d->setWindowTitle(titolo);
    d->setFixedSize(px(finestra.width), px(finestra.height));
    colora(d, finestra.back, colori::nero);
    d->setFont(arial(8.25));
}

QGroupBox* cornice(const Elemento& e, QWidget* genitore)
{
    auto* g = new QGroupBox(e.text, genitore);
    g->setFont(arial(e.fontSize, true));
    colora(g, e.back, e.fore);
    return g;
}

QTableWidget* elencoRosso(QWidget* genitore)
{
    auto* t = new QTableWidget(genitore);
    t->setObjectName(QStringLiteral("elenco"));
    t->setFont(arial(9));
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(false); // Tab leaves the list for the buttons
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setFont(arial(9, true));
    t->horizontalHeader()->setHighlightSections(false);
    t->horizontalHeader()->setStretchLastSection(true);
    // The board's colours: light red rows, the orange of the main window in the titles, and the
    // yellow of the lit answer box for the chosen row.
    t->setStyleSheet(QStringLiteral(
        "QTableWidget { background: #ff8080; alternate-background-color: #ffa0a0; color: black;"
        " gridline-color: #c04040; border: 1px solid #400000;"
        " selection-background-color: #ffff00; selection-color: black; }"
        "QHeaderView::section { background: #ff8000; color: black; border: 0px; border-right: 1px solid #c04040;"
        " border-bottom: 1px solid #400000; padding: 2px 4px; }"));
    return t;
}

void intesta(QTableWidget* t, const QStringList& colonne, const QList<double>& larghezze, qsizetype righe)
{
    t->setColumnCount(static_cast<int>(colonne.size()));
    t->setHorizontalHeaderLabels(colonne);
    for (int c = 0; c < larghezze.size(); ++c)
        t->setColumnWidth(c, px(larghezze[c]));
    t->setRowCount(static_cast<int>(righe));
}

QLabel* etichettaNota(const Elemento& e, QWidget* genitore)
{
    auto* l = new QLabel(genitore);
    l->setObjectName(QStringLiteral("nota"));
    l->setFont(arial(e.fontSize, true));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    colora(l, e.back, e.fore);
    return l;
}

QPushButton* bottone(const Bottone& e, const QString& nome, QWidget* genitore)
{
    auto* b = new QPushButton(e.text, genitore);
    b->setObjectName(nome);
    b->setFont(arial(e.fontSize, true));
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, colore(e.back));
    pal.setColor(QPalette::Active, QPalette::ButtonText, colore(e.fore));
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, colore(e.fore));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 64, 64)); // nothing to do yet
    b->setPalette(pal);
    return b;
}

void applicaTesto(QLabel* l, const Elemento& e)
{
    applica(l, e);
    if (l->text() != e.text)
        l->setText(e.text);
}

void applicaBottone(QPushButton* b, const Bottone& e)
{
    applica(b, e);
    b->setEnabled(e.enabled);
}

void mostraAlCentro(QDialog& d)
{
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        d.move((g.width() - d.width()) / 2, (g.height() - d.height()) / 2);
    }
    d.exec();
}

} // namespace lex::ui
