#include "mdbwriter/CodificaRiga.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/ErroreScrittura.h"
#include "mdbwriter/TestoJet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Long values up to this many bytes stay in their row while the row fits.
constexpr int kLimiteInline = 1024;
// Jet compresses a memo only when it has at most this many characters.
constexpr int kMassimoMemoCompresso = 1024;
constexpr int kRiferimentoLungo = 12;
constexpr std::uint8_t kInRiga = 0x80;

class Contesto {
  public:
    Contesto(const QString& tabella, const ColonnaMdb& colonna)
        : tabella_(tabella), colonna_(colonna) {}

    [[noreturn]] void rifiuta(const QString& motivo) const {
        throw ErroreScrittura(
            QStringLiteral("Tabella %1, colonna %2: %3").arg(tabella_, colonna_.nome, motivo));
    }

    std::int64_t intero(const Valore& v, std::int64_t minimo, std::int64_t massimo) const {
        if (v.tipo() != Valore::Tipo::Intero)
            rifiuta(QStringLiteral("serve un numero intero"));
        const std::int64_t n = v.intero();
        if (n < minimo || n > massimo)
            rifiuta(
                QStringLiteral("%1 fuori dell'intervallo %2..%3").arg(n).arg(minimo).arg(massimo));
        return n;
    }

    double reale(const Valore& v) const {
        const Valore::Tipo t = v.tipo();
        if (t != Valore::Tipo::Reale && t != Valore::Tipo::Intero)
            rifiuta(QStringLiteral("serve un numero"));
        return v.numero();
    }

    std::int64_t diecimillesimi(const Valore& v) const {
        const Valore::Tipo t = v.tipo();
        if (t != Valore::Tipo::Valuta && t != Valore::Tipo::Reale && t != Valore::Tipo::Intero)
            rifiuta(QStringLiteral("serve un importo"));
        const double d = std::round(v.numero() * 10000.0);
        if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
            rifiuta(QStringLiteral("importo fuori dell'intervallo"));
        return static_cast<std::int64_t>(d);
    }

    double giorni(const Valore& v) const {
        const Valore::Tipo t = v.tipo();
        if (t != Valore::Tipo::DataOra && t != Valore::Tipo::Reale)
            rifiuta(QStringLiteral("serve una data"));
        return v.numero();
    }

    // A text (in characters) or binary value (in bytes) of at most
    // `massimo` units, 0 meaning no limit.
    QString testo(const Valore& v, int massimo) const {
        richiedi(v, Valore::Tipo::Testo, v.testo().size(), massimo);
        return v.testo();
    }
    QByteArray binario(const Valore& v, int massimo) const {
        richiedi(v, Valore::Tipo::Binario, v.byte().size(), massimo);
        return v.byte();
    }

  private:
    void richiedi(const Valore& v, Valore::Tipo tipo, qsizetype lunghezza, int massimo) const {
        const bool testo = tipo == Valore::Tipo::Testo;
        if (v.tipo() != tipo)
            rifiuta(testo ? QStringLiteral("serve un testo")
                          : QStringLiteral("serve un valore binario"));
        if (massimo > 0 && lunghezza > massimo)
            rifiuta(QStringLiteral("lunghezza %1 %2, al massimo %3")
                        .arg(lunghezza)
                        .arg(testo ? QStringLiteral("caratteri") : QStringLiteral("byte"))
                        .arg(massimo));
    }

    const QString& tabella_;
    const ColonnaMdb& colonna_;
};

void ScriviFisso(char* dove, const ColonnaMdb& c, const Valore& v, const Contesto& ctx) {
    switch (c.tipo) {
    case TipoJet::Byte:
        *dove = static_cast<char>(ctx.intero(v, 0, 255));
        break;
    case TipoJet::Intero:
        Scrivi16(dove, static_cast<std::uint32_t>(ctx.intero(v, -32768, 32767)));
        break;
    case TipoJet::Lungo:
        Scrivi32(dove,
                 static_cast<std::uint32_t>(ctx.intero(v, std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max())));
        break;
    case TipoJet::Valuta:
        Scrivi64(dove, static_cast<std::uint64_t>(ctx.diecimillesimi(v)));
        break;
    case TipoJet::Singolo:
        ScriviFloat(dove, static_cast<float>(ctx.reale(v)));
        break;
    case TipoJet::Doppio:
        ScriviDouble(dove, ctx.reale(v));
        break;
    case TipoJet::DataOra:
        ScriviDouble(dove, ctx.giorni(v));
        break;
    default:
        break;
    }
}

QByteArray ByteVariabili(const ColonnaMdb& c, const Valore& v, bool comprimi, const Contesto& ctx) {
    switch (c.tipo) {
    case TipoJet::Testo:
        return TestoJet(ctx.testo(v, c.lunghezza), comprimi);
    case TipoJet::Binario:
        return ctx.binario(v, c.lunghezza);
    case TipoJet::Memo: {
        const QString t = ctx.testo(v, 0);
        return TestoJet(t, comprimi && t.size() <= kMassimoMemoCompresso);
    }
    default:
        return ctx.binario(v, 0);
    }
}

// Which long values stay in the row: those short enough, while the row
// still fits; the longest ones leave first.
std::vector<bool> LunghiInRiga(const std::vector<QByteArray>& dati, const std::vector<bool>& lungo,
                               int base) {
    std::vector<bool> inRiga(dati.size(), false);
    int totale = base;
    for (std::size_t i = 0; i < dati.size(); ++i)
        if (lungo[i] && dati[i].size() <= kLimiteInline) {
            inRiga[i] = true;
            totale += static_cast<int>(dati[i].size());
        }
    while (totale > kMassimaRiga) {
        std::size_t piuLungo = dati.size();
        for (std::size_t i = 0; i < dati.size(); ++i)
            if (inRiga[i] && (piuLungo == dati.size() || dati[i].size() > dati[piuLungo].size()))
                piuLungo = i;
        if (piuLungo == dati.size())
            break;
        inRiga[piuLungo] = false;
        totale -= static_cast<int>(dati[piuLungo].size());
    }
    return inRiga;
}

} // namespace

RigaCodificata CodificaRiga(const QString& tabella, const std::vector<ColonnaMdb>& colonne,
                            const std::vector<Valore>& valori, bool comprimiTesto) {
    if (valori.size() != colonne.size())
        throw ErroreScrittura(QStringLiteral("Tabella %1: %2 valori per %3 colonne")
                                  .arg(tabella)
                                  .arg(valori.size())
                                  .arg(colonne.size()));
    const std::size_t n = colonne.size();
    int fisse = 0;
    int variabili = 0;
    for (const ColonnaMdb& c : colonne) {
        fisse += DimensioneFissa(c.tipo);
        variabili += TipoFisso(c.tipo) ? 0 : 1;
    }
    const int maschera = static_cast<int>((n + 7) / 8);

    QByteArray fisso(fisse, '\0');
    QByteArray nulli(maschera, '\0');
    std::vector<QByteArray> dati(n);
    std::vector<bool> lungo(n, false);
    int base = 2 + fisse + maschera + (variabili > 0 ? 4 + 2 * variabili : 0);
    for (std::size_t i = 0; i < n; ++i) {
        const ColonnaMdb& c = colonne[i];
        const Valore& v = valori[i];
        const Contesto ctx(tabella, c);
        bool bit = !v.nullo();
        if (c.tipo == TipoJet::Booleano) {
            if (v.nullo())
                ctx.rifiuta(QStringLiteral("un campo sì/no non può essere nullo"));
            bit = ctx.intero(v, std::numeric_limits<std::int64_t>::min(),
                             std::numeric_limits<std::int64_t>::max()) != 0;
        } else if (!v.nullo() && TipoFisso(c.tipo)) {
            ScriviFisso(fisso.data() + c.offsetFisso, c, v, ctx);
        } else if (!v.nullo()) {
            dati[i] = ByteVariabili(c, v, comprimiTesto, ctx);
            lungo[i] = TipoLungo(c.tipo);
            if (lungo[i] && dati[i].size() > 0xFFFFFF)
                ctx.rifiuta(QStringLiteral("valore troppo lungo"));
            base += lungo[i] ? kRiferimentoLungo : static_cast<int>(dati[i].size());
        }
        if (bit)
            nulli[c.numero / 8] = static_cast<char>(nulli[c.numero / 8] | (1 << (c.numero % 8)));
    }
    if (base > kMassimaRiga)
        throw ErroreScrittura(QStringLiteral("Tabella %1: riga di %2 byte, al massimo %3")
                                  .arg(tabella)
                                  .arg(base)
                                  .arg(kMassimaRiga));
    const std::vector<bool> inRiga = LunghiInRiga(dati, lungo, base);

    RigaCodificata riga;
    QByteArray& b = riga.byte;
    Accoda16(b, static_cast<std::uint32_t>(n));
    b.append(fisso);
    std::vector<int> inizi;
    for (std::size_t i = 0; i < n; ++i) {
        const ColonnaMdb& c = colonne[i];
        if (TipoFisso(c.tipo))
            continue;
        inizi.push_back(static_cast<int>(b.size()));
        if (!lungo[i]) {
            b.append(dati[i]);
            continue;
        }
        QByteArray riferimento(kRiferimentoLungo, '\0');
        Scrivi24(riferimento.data(), static_cast<std::uint32_t>(dati[i].size()));
        if (inRiga[i]) {
            riferimento[3] = static_cast<char>(kInRiga);
            b.append(riferimento);
            b.append(dati[i]);
        } else {
            riga.lunghi.push_back({static_cast<int>(b.size()), c.numero, dati[i]});
            b.append(riferimento);
        }
    }
    if (variabili > 0) {
        Accoda16(b, static_cast<std::uint32_t>(b.size()));
        for (auto it = inizi.rbegin(); it != inizi.rend(); ++it)
            Accoda16(b, static_cast<std::uint32_t>(*it));
        Accoda16(b, static_cast<std::uint32_t>(variabili));
    }
    b.append(nulli);
    return riga;
}
