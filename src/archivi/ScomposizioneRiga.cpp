#include "archivi/ScomposizioneRiga.h"

namespace jet {

namespace {

DannoJet rigaGuasta() {
    return DannoJet{QStringLiteral("riga di dati incoerente")};
}

} // namespace

ScomposizioneRiga::ScomposizioneRiga(const FormatoJet& formato, const DefinizioneJet& definizione)
    : formato_(formato), definizione_(definizione), campi_(definizione.colonne.size()) {}

void ScomposizioneRiga::leggiPosizioni(ByteJet riga, std::size_t inizioMaschera) {
    posizioni_.clear();
    fineDati_ = inizioMaschera;
    if (definizione_.colonneVariabili == 0)
        return;
    if (!formato_.jet3) {
        if (inizioMaschera < 2)
            throw rigaGuasta();
        const std::size_t variabili = riga.u16(inizioMaschera - 2);
        const std::size_t tabella = 2 * (variabili + 1);
        if (inizioMaschera < 2 + tabella)
            throw rigaGuasta();
        fineDati_ = inizioMaschera - 2 - tabella;
        for (std::size_t i = 0; i <= variabili; ++i)
            posizioni_.push_back(riga.u16(inizioMaschera - 4 - 2 * i));
        return;
    }
    // Jet 3: one-byte offsets; the jump table lists, for each further 256
    // bytes of row, the first variable column lying past them. The table has
    // one entry per 256 bytes of row, the last of which may be unused.
    if (inizioMaschera < 1)
        throw rigaGuasta();
    const std::size_t variabili = riga.u8(inizioMaschera - 1);
    std::size_t salti = (riga.size() - 1) / 256;
    if (inizioMaschera < 2 + salti + variabili)
        throw rigaGuasta();
    const std::size_t prima = inizioMaschera - 2 - salti; // offset of variable column 0
    const std::size_t usabili = ((prima - variabili) / 256 < salti) ? salti - 1 : salti;
    std::size_t usati = 0;
    for (std::size_t i = 0; i <= variabili; ++i) {
        while (usati < usabili && riga.u8(inizioMaschera - 2 - usati) == i)
            ++usati;
        posizioni_.push_back(riga.u8(prima - i) + 256 * static_cast<std::uint32_t>(usati));
    }
    fineDati_ = prima - variabili;
}

const std::vector<CampoJet>& ScomposizioneRiga::scomponi(ByteJet riga) {
    const std::size_t conteggio = formato_.conteggio;
    const std::size_t colonneRiga = conteggio == 1 ? riga.u8(0) : riga.u16(0);
    const std::size_t maschera = (colonneRiga + 7) / 8;
    if (riga.size() < conteggio + maschera)
        throw rigaGuasta();
    const std::size_t inizioMaschera = riga.size() - maschera;
    leggiPosizioni(riga, inizioMaschera);
    if (fineDati_ < conteggio)
        throw rigaGuasta();
    const std::size_t variabiliRiga = posizioni_.empty() ? 0 : posizioni_.size() - 1;

    for (std::size_t i = 0; i < campi_.size(); ++i) {
        const ColonnaJet& colonna = definizione_.colonne[i];
        CampoJet& campo = campi_[i];
        campo = CampoJet{};
        if (colonna.numero >= colonneRiga)
            continue;
        campo.bit = (riga.u8(inizioMaschera + colonna.numero / 8) >> (colonna.numero % 8)) & 1;
        if (!campo.bit || (colonna.tipo == TipoColonna::Booleano && !colonna.calcolata))
            continue;
        std::size_t da = 0;
        std::size_t a = 0;
        if (colonna.fissa) {
            da = conteggio + colonna.posizioneFissa;
            a = da + colonna.lunghezza;
        } else if (colonna.posizioneVariabile < variabiliRiga) {
            da = posizioni_[colonna.posizioneVariabile];
            a = posizioni_[colonna.posizioneVariabile + 1u];
        } else {
            campo.bit = false; // written before the column existed
            continue;
        }
        if (da < conteggio || da > a || a > fineDati_)
            throw rigaGuasta();
        campo.byte = riga.parte(da, a - da);
    }
    return campi_;
}

} // namespace jet
