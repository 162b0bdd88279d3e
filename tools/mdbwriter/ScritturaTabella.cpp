#include "mdbwriter/ScritturaTabella.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/DefinizioneTabella.h"
#include "mdbwriter/MappaUso.h"
#include "mdbwriter/PagineLval.h"

#include <optional>
#include <vector>

namespace {

constexpr int kPuntatore = 4;

// Fills data pages of one table in order, opening a new page when a row
// does not fit.
class PagineTabella {
  public:
    PagineTabella(FileMdb& file, std::uint32_t definizione)
        : file_(file), definizione_(definizione) {}

    // Adds a row and returns its page and row number.
    std::uint32_t aggiungi(const QByteArray& riga, std::uint16_t flag) {
        if (!corrente_ || !corrente_->entra(static_cast<int>(riga.size())))
            nuova();
        return PaginaRiga(pagine_.back(), static_cast<unsigned>(corrente_->aggiungi(riga, flag)));
    }
    void nuova() {
        pagine_.push_back(file_.nuovaPagina());
        corrente_.emplace(file_.pagina(pagine_.back()), definizione_);
    }
    char* riga(std::uint32_t paginaRiga) {
        return RigaInPagina(file_.pagina(paginaRiga >> 8), static_cast<int>(paginaRiga & 0xFF));
    }
    const std::vector<std::uint32_t>& pagine() const { return pagine_; }

  private:
    FileMdb& file_;
    std::uint32_t definizione_;
    std::vector<std::uint32_t> pagine_;
    std::optional<PaginaDati> corrente_;
};

} // namespace

void ScriviTabella(const TabellaMdb& tabella, std::uint32_t definizione, FileMdb& file,
                   PagineMappe& mappe) {
    PagineTabella dati(file, definizione);
    PagineLval lunghi(file);
    struct DaSpostare {
        QByteArray riga;
        std::uint32_t puntatore;
    };
    std::vector<DaSpostare> spostate;
    for (const TabellaMdb::Riga& r : tabella.righe()) {
        QByteArray riga = r.codifica.byte;
        lunghi.colloca(riga, r.codifica.lunghi);
        switch (r.stato) {
        case StatoRiga::Viva:
            dati.aggiungi(riga, 0);
            break;
        case StatoRiga::Cancellata:
            dati.aggiungi(riga, kRigaCancellata);
            break;
        case StatoRiga::Spostata:
            spostate.push_back({riga, dati.aggiungi(QByteArray(kPuntatore, '\0'), kRigaPuntatore)});
            break;
        }
    }
    if (!spostate.empty())
        dati.nuova();
    for (const DaSpostare& s : spostate)
        Scrivi32(dati.riga(s.puntatore), dati.aggiungi(s.riga, kRigaSpostata));

    MappeTabella mappeTabella;
    const std::vector<std::uint32_t> nessuna;
    mappeTabella.usate = mappe.aggiungi(MappaUso(dati.pagine(), file));
    mappeTabella.libere = mappe.aggiungi(MappaUso(nessuna, file));
    for (const ColonnaMdb& c : tabella.colonne()) {
        if (!TipoLungo(c.tipo))
            continue;
        const std::uint32_t usate = mappe.aggiungi(MappaUso(lunghi.pagine(c.numero), file));
        const std::uint32_t libere = mappe.aggiungi(MappaUso(nessuna, file));
        mappeTabella.lunghe.push_back({c.numero, usate, libere});
    }
    ScriviDefinizione(file.pagina(definizione), tabella,
                      static_cast<std::uint32_t>(tabella.righeVive()), mappeTabella);
}
