#include "archivi/RigheJet.h"

#include "archivi/DefinizioneJet.h"

namespace jet {

namespace righe {

namespace {

// Offset of the owner (table-definition page) in a data page's header.
constexpr std::size_t kProprietario = 4;
// How many pointers a relocated row may be followed through.
constexpr int kRimandiMassimi = 8;

// The slot table of one data page: its row count and its end, read once
// for all the page's slots.
class TabellaSlot {
  public:
    TabellaSlot(const FormatoJet& formato, ByteJet pagina)
        : formato_(formato), pagina_(pagina), quante_(numero(formato, pagina)),
          fine_(formato.numeroRighe + 2 + 2 * std::size_t{quante_}) {}

    std::uint16_t quante() const { return quante_; }

    std::uint16_t opzioni(std::uint16_t slot) const {
        if (slot >= quante_ || fine_ > pagina_.size())
            throw DannoJet{QStringLiteral("riga %1 assente dalla pagina").arg(slot)};
        return pagina_.u16(formato_.numeroRighe + 2 + 2 * std::size_t{slot});
    }

    // The bytes of a slot whose offset and flags are `opzioniSlot`.
    ByteJet dati(std::uint16_t slot, std::uint16_t opzioniSlot) const {
        const std::size_t inizio = opzioniSlot & kPosizione;
        const std::size_t fine =
            slot == 0 ? pagina_.size()
                      : pagina_.u16(formato_.numeroRighe + 2 * std::size_t{slot}) & kPosizione;
        if (inizio < fine_ || inizio > fine || fine > pagina_.size())
            throw DannoJet{QStringLiteral("riga %1 della pagina fuori posto").arg(slot)};
        return pagina_.parte(inizio, fine - inizio);
    }

  private:
    const FormatoJet& formato_;
    ByteJet pagina_;
    std::uint16_t quante_;
    std::size_t fine_;
};

bool paginaDellaTabella(ByteJet pagina, std::uint32_t tdef) {
    return pagina.u8(0) == kPaginaDati && pagina.u32(kProprietario) == tdef;
}

// A page of long values (memo and OLE fields): a data page whose owner is
// the word "LVAL".
bool paginaDiValoriLunghi(ByteJet pagina) {
    constexpr std::uint32_t kValoriLunghi = 'L' | 'V' << 8 | 'A' << 16 | 'L' << 24;
    return pagina.u8(0) == kPaginaDati && pagina.u32(kProprietario) == kValoriLunghi;
}

} // namespace

std::uint16_t numero(const FormatoJet& formato, ByteJet pagina) {
    return pagina.u16(formato.numeroRighe);
}

std::uint16_t opzioni(const FormatoJet& formato, ByteJet pagina, std::uint16_t slot) {
    return TabellaSlot(formato, pagina).opzioni(slot);
}

ByteJet dati(const FormatoJet& formato, ByteJet pagina, std::uint16_t slot) {
    const TabellaSlot tabella(formato, pagina);
    return tabella.dati(slot, tabella.opzioni(slot));
}

ByteJet datiA(const PagineJet& file, std::uint32_t pgRiga, PaginaJet& pagina) {
    const ByteJet vista = file.pagina(pgRiga >> 8, pagina);
    if (vista.u8(0) != kPaginaDati)
        throw DannoJet{QStringLiteral("la pagina %1 non è una pagina di dati").arg(pgRiga >> 8)};
    return dati(file.formato(), vista, static_cast<std::uint16_t>(pgRiga & 0xFF));
}

void Percorri(const PagineJet& file, const DefinizioneJet& definizione,
              const std::function<void(ByteJet)>& fai) {
    const FormatoJet& formato = file.formato();
    PaginaJet altrove;
    const auto pagina = [&](std::uint32_t, ByteJet vista) {
        if (!paginaDellaTabella(vista, definizione.pagina)) {
            // An old file's usage map may list pages the table no longer
            // holds rows on; in a file changed a moment ago it is a writer's
            // update caught half way.
            file.notaPaginaEstranea();
            return;
        }
        const TabellaSlot tabella(formato, vista);
        for (std::uint16_t slot = 0; slot < tabella.quante(); ++slot) {
            const std::uint16_t opzioniSlot = tabella.opzioni(slot);
            if (opzioniSlot & kCancellata)
                continue;
            std::uint16_t bit = opzioniSlot;
            ByteJet riga = tabella.dati(slot, opzioniSlot);
            for (int rimandi = 0; bit & kRimando; ++rimandi) {
                if (rimandi == kRimandiMassimi)
                    throw DannoJet{QStringLiteral("catena di righe spostate troppo lunga")};
                if (riga.size() < 4)
                    throw DannoJet{QStringLiteral("puntatore di riga spostata troppo corto")};
                const std::uint32_t destinazione = riga.u32(0);
                const ByteJet vistaAltrove = file.pagina(destinazione >> 8, altrove);
                if (!paginaDellaTabella(vistaAltrove, definizione.pagina))
                    throw DannoJet{
                        QStringLiteral("riga spostata su una pagina di un'altra tabella")};
                const auto slotAltrove = static_cast<std::uint16_t>(destinazione & 0xFF);
                // The moved copy carries the deleted bit; only a bare pointer is followed again.
                bit = (opzioni(formato, vistaAltrove, slotAltrove) & (kCancellata | kRimando)) ==
                              kRimando
                          ? kRimando
                          : 0;
                riga = dati(formato, vistaAltrove, slotAltrove);
            }
            fai(riga);
        }
    };
    // The long values of the rows lie mostly among the table's pages: those
    // read with them stay at hand.
    file.percorri(PagineDati(file, definizione), pagina, paginaDiValoriLunghi);
}

} // namespace righe

} // namespace jet
