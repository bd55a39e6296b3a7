#include "progressi/progressi.h"

#include "settings/personaggi.h"

namespace lex {

void Progressi::carica()
{
    file_.carica(dati_, leggiTestoProgressi);
}

QStringList Progressi::avvisi() const
{
    return file_.avvisi();
}

void Progressi::impostaPrimaDaRipassare(bool si)
{
    if (dati_.primaDaRipassare == si)
        return;
    dati_.primaDaRipassare = si;
    salva();
}

void Progressi::partitaIniziata(int giocatori, const QString& nome1, const QString& nome2)
{
    chiudiInCorso();
    giocatori_ = {};
    giocatori_[1].personaggio = numeroPersonaggio(nome1);
    if (giocatori == 2)
        giocatori_[2].personaggio = numeroPersonaggio(nome2);
    inCorso_ = true;
}

void Progressi::parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria,
                              const QString& frequenza)
{
    if (!inCorso_)
        return;
    for (Giocatore& g : giocatori_) {
        g.rispostoQui = false;
        if (g.personaggio != 0)
            g.domande.append({categoria, parola, traduzione, fasciaDi(frequenza), false, false});
    }
}

void Progressi::rispostaGiudicata(int giocatore, const QString&, bool esatta)
{
    if (!inCorso_ || giocatore < 1 || giocatore > 2)
        return;
    Giocatore& g = giocatori_[static_cast<std::size_t>(giocatore)];
    if (g.personaggio == 0 || g.domande.isEmpty())
        return;
    EsitoDomanda& d = g.domande.last();
    if (!g.rispostoQui)
        d.primoGiusto = esatta;
    g.rispostoQui = true;
    if (!esatta)
        d.sbagliata = true;
}

QList<int> Progressi::ordine(const ListeParole& liste, const QString& personaggio, int quante)
{
    const int n = numeroPersonaggio(personaggio);
    if (!dati_.primaDaRipassare || n == 0)
        return {};
    return ordineRipasso(liste, dati_.profili[static_cast<std::size_t>(n)], calendario_.oggi(), quante);
}

void Progressi::partitaFinita()
{
    chiudiInCorso();
}

void Progressi::chiudiInCorso()
{
    if (!inCorso_)
        return;
    inCorso_ = false;
    const QDate oggi = calendario_.oggi();
    bool cambiato = false;
    for (Giocatore& g : giocatori_) {
        if (g.personaggio == 0 || g.domande.isEmpty())
            continue;
        registraPartita(dati_.profili[static_cast<std::size_t>(g.personaggio)], g.domande, oggi);
        cambiato = true;
    }
    giocatori_ = {};
    if (cambiato)
        salva();
}

void Progressi::salva()
{
    // A copy shares its lists until one side changes them: the text is made on the writing thread.
    file_.scrivi([copia = dati_] { return testoProgressi(copia); });
}

QString Progressi::mancataRegistrazione()
{
    return file_.mancataRegistrazione();
}

} // namespace lex
