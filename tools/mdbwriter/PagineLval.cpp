#include "mdbwriter/PagineLval.h"

#include "mdbwriter/ByteLE.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kUnaRiga = 0x40;
constexpr std::uint8_t kCatena = 0x00;
constexpr int kSeguente = 4;
} // namespace

std::uint32_t PagineLval::aggiungi(const QByteArray& riga, int colonna) {
    if (!corrente_ || !corrente_->entra(static_cast<int>(riga.size()))) {
        numeroCorrente_ = file_.nuovaPagina();
        corrente_.emplace(file_.pagina(numeroCorrente_), kProprietarioLval);
    }
    std::vector<std::uint32_t>& pagine = perColonna_[colonna];
    if (pagine.empty() || pagine.back() != numeroCorrente_)
        pagine.push_back(numeroCorrente_);
    return PaginaRiga(numeroCorrente_, static_cast<unsigned>(corrente_->aggiungi(riga)));
}

void PagineLval::colloca(QByteArray& riga, const std::vector<ValoreLungo>& lunghi) {
    for (const ValoreLungo& v : lunghi) {
        char* riferimento = riga.data() + v.posizione;
        if (v.dati.size() <= kMassimaRiga) {
            riferimento[3] = static_cast<char>(kUnaRiga);
            Scrivi32(riferimento + 4, aggiungi(v.dati, v.colonna));
            continue;
        }
        riferimento[3] = static_cast<char>(kCatena);
        char* precedente = riferimento + 4;
        for (qsizetype da = 0; da < v.dati.size(); da += kMassimaRiga - kSeguente) {
            QByteArray pezzo(kSeguente, '\0');
            pezzo.append(v.dati.mid(da, kMassimaRiga - kSeguente));
            const std::uint32_t dove = aggiungi(pezzo, v.colonna);
            Scrivi32(precedente, dove);
            precedente = corrente_->riga(static_cast<int>(dove & 0xFF));
        }
    }
}

std::vector<std::uint32_t> PagineLval::pagine(int colonna) const {
    const auto it = perColonna_.find(colonna);
    return it == perColonna_.end() ? std::vector<std::uint32_t>{} : it->second;
}
