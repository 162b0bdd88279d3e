#include "archivi/ScomposizioneRiga.h"

namespace jet {

namespace {

DannoJet rigaGuasta() {
    return DannoJet{QStringLiteral("riga di dati incoerente")};
}

} // namespace

ScomposizioneRiga::ScomposizioneRiga(const FormatoJet& formato, const DefinizioneJet& definizione)
    : formato_(formato), definizione_(definizione), campi_(definizione.colonne.size()) {}

void ScomposizioneRiga::leggiPosizioni() {
    variabiliRiga_ = 0;
    saltiValidi_ = 0;
    fineDati_ = inizioMaschera_;
    if (definizione_.colonneVariabili == 0)
        return;
    if (!formato_.jet3) {
        // Two-byte offsets, read where they stand when a field asks for them.
        if (inizioMaschera_ < 2)
            throw rigaGuasta();
        const std::size_t variabili = riga_.u16(inizioMaschera_ - 2);
        const std::size_t tabella = 2 * (variabili + 1);
        if (inizioMaschera_ < 2 + tabella)
            throw rigaGuasta();
        fineDati_ = inizioMaschera_ - 2 - tabella;
        variabiliRiga_ = variabili;
        return;
    }
    // Jet 3: one-byte offsets; the jump table lists, for each further 256
    // bytes of row, the first variable column lying past them. The table has
    // one entry per 256 bytes of row, the last of which may be unused.
    if (inizioMaschera_ < 1)
        throw rigaGuasta();
    const std::size_t variabili = riga_.u8(inizioMaschera_ - 1);
    std::size_t salti = (riga_.size() - 1) / 256;
    if (inizioMaschera_ < 2 + salti + variabili)
        throw rigaGuasta();
    primaPosizione_ = inizioMaschera_ - 2 - salti;
    const std::size_t usabili = ((primaPosizione_ - variabili) / 256 < salti) ? salti - 1 : salti;
    // An entry counts for the columns from the one it names on; an entry
    // smaller than the one before it, or naming no column, ends the table,
    // with those after it. The offsets are read when a field asks for them.
    for (std::size_t precedente = 0; saltiValidi_ < usabili; ++saltiValidi_) {
        const std::size_t voce = salto(saltiValidi_);
        if (voce < precedente || voce > variabili)
            break;
        precedente = voce;
    }
    fineDati_ = primaPosizione_ - variabili;
    variabiliRiga_ = variabili;
}

void ScomposizioneRiga::leggi(ByteJet riga) {
    riga_ = riga;
    const std::size_t conteggio = formato_.conteggio;
    colonneRiga_ = conteggio == 1 ? riga.u8(0) : riga.u16(0);
    const std::size_t maschera = (colonneRiga_ + 7) / 8;
    if (riga.size() < conteggio + maschera)
        throw rigaGuasta();
    inizioMaschera_ = riga.size() - maschera;
    leggiPosizioni();
    if (fineDati_ < conteggio)
        throw rigaGuasta();
}

CampoJet ScomposizioneRiga::campo(std::size_t i) const {
    const ColonnaJet& colonna = definizione_.colonne[i];
    CampoJet campo;
    if (colonna.numero >= colonneRiga_)
        return campo;
    // The mask holds a bit for each of the row's columns: inside the row.
    campo.bit = (riga_.data()[inizioMaschera_ + colonna.numero / 8] >> (colonna.numero % 8)) & 1;
    if (!campo.bit || (colonna.tipo == TipoColonna::Booleano && !colonna.calcolata))
        return campo;
    const std::size_t conteggio = formato_.conteggio;
    std::size_t da = 0;
    std::size_t a = 0;
    if (colonna.fissa) {
        da = conteggio + colonna.posizioneFissa;
        a = da + colonna.lunghezza;
    } else if (colonna.posizioneVariabile < variabiliRiga_) {
        da = posizione(colonna.posizioneVariabile);
        a = posizione(colonna.posizioneVariabile + 1u);
    } else {
        campo.bit = false; // written before the column existed
        return campo;
    }
    if (da < conteggio || da > a || a > fineDati_)
        throw rigaGuasta();
    campo.byte = riga_.parte(da, a - da);
    return campo;
}

const std::vector<CampoJet>& ScomposizioneRiga::scomponi(ByteJet riga) {
    leggi(riga);
    for (std::size_t i = 0; i < campi_.size(); ++i)
        campi_[i] = campo(i);
    return campi_;
}

} // namespace jet
