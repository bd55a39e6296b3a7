// The settings window and "lexorio.ini": reading it at creation, saving it on request.
#include "settings/impostazioni.h"

#include "shell/errori.h"
#include "shell/fatale.h"

namespace lex {

void Impostazioni::leggiimpostazioni()
{
    const QString nome = QString::fromLatin1(kFileImpostazioni);
    if (!porte_.file.esiste(nome))
        return;
    QByteArray testo;
    QString motivo;
    switch (porte_.file.leggi(nome, testo, motivo)) {
    case Lettura::Letta:
        break;
    case Lettura::Assente: // gone since it was seen
        errore(porte_, errori::kFileNonTrovato);
    case Lettura::Illeggibile:
        errore(porte_, errori::kAccessoFile);
    }
    // A line cut off while the file was written is left out; the file stays as it is until the
    // next save replaces it.
    testo = righeIntere(testo).toByteArray();

    // Lines apply on top of what the controls show, so a missing line leaves its control alone.
    ImpostazioniPartita r = record();
    const EsitoLettura esito = leggiTestoImpostazioni(testo, r, [this](Maschera, int) { almenoUnaClasse(); });
    if (esito.errore)
        errore(porte_, esito.errore);

    m.similino.value = r.confronta;
    m.musica.value = r.musica;
    m.suoni.value = r.suoni;
    velox_Change(r.velocita);
    if (esito.quanteLetta)
        quanteVolute_ = r.quante;
    for (std::size_t i = 1; i <= 4; ++i) {
        m.Chclassi[i].value = r.classi[i] ? 1 : 0;
        m.Chfreq[i].value = r.frequenze[i] ? 1 : 0;
    }
    // Players first, then the characters, so two players get their pair line.
    Giocatori_Click(r.giocatori);
    mostrapersonaggio(1, r.giocatore1);
    mostrapersonaggio(2, r.giocatore2);
}

void Impostazioni::salvaimpostazioni()
{
    // Replaced at once: a failed save keeps the old file byte for byte.
    QString motivo;
    if (!porte_.file.scrivi(QString::fromLatin1(kFileImpostazioni), testoImpostazioni(record()), motivo))
        porte_.box.mostra(QStringLiteral("Impossibile salvare"),
                          QStringLiteral("Errore") + conSpazio(errori::kAccessoFile), Icona::Errore, Pulsanti::Ok);
}

} // namespace lex
