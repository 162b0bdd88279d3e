#include "mdbwriter/TabellaMdb.h"

#include "mdbwriter/ErroreScrittura.h"

#include <utility>

namespace {
constexpr int kMassimoColonne = 255;
constexpr int kMassimoTesto = 255;
constexpr int kMassimoBinario = 255;
} // namespace

TabellaMdb::TabellaMdb(QString nome, bool diSistema)
    : nome_(std::move(nome)), diSistema_(diSistema) {
    if (nome_.isEmpty() || nome_.size() > 64)
        throw ErroreScrittura(QStringLiteral("Nome di tabella non valido: '%1'").arg(nome_));
}

TabellaMdb& TabellaMdb::colonna(const QString& nome, TipoJet tipo, int lunghezza) {
    const auto rifiuta = [&](const QString& motivo) {
        throw ErroreScrittura(
            QStringLiteral("Tabella %1, colonna %2: %3").arg(nome_, nome, motivo));
    };
    if (!righe_.empty())
        rifiuta(QStringLiteral("le colonne vanno definite prima delle righe"));
    if (nome.isEmpty() || nome.size() > 64)
        rifiuta(QStringLiteral("nome non valido"));
    for (const ColonnaMdb& c : colonne_)
        if (c.nome.compare(nome, Qt::CaseInsensitive) == 0)
            rifiuta(QStringLiteral("nome ripetuto"));
    if (static_cast<int>(colonne_.size()) >= kMassimoColonne)
        rifiuta(QStringLiteral("troppe colonne"));

    ColonnaMdb c;
    c.nome = nome;
    c.tipo = tipo;
    c.numero = static_cast<int>(colonne_.size());
    if (tipo == TipoJet::Testo || tipo == TipoJet::Binario) {
        const int massimo = tipo == TipoJet::Testo ? kMassimoTesto : kMassimoBinario;
        c.lunghezza = lunghezza == 0 ? massimo : lunghezza;
        if (c.lunghezza < 1 || c.lunghezza > massimo)
            rifiuta(QStringLiteral("lunghezza %1 fuori dell'intervallo 1..%2")
                        .arg(lunghezza)
                        .arg(massimo));
    }
    if (TipoFisso(tipo)) {
        c.offsetFisso = fisso_;
        c.indiceVariabile = variabili_;
        fisso_ += DimensioneFissa(tipo);
    } else {
        c.indiceVariabile = variabili_++;
    }
    colonne_.push_back(c);
    return *this;
}

TabellaMdb& TabellaMdb::testoCompresso(bool comprimi) {
    if (!righe_.empty())
        throw ErroreScrittura(
            QStringLiteral("Tabella %1: la compressione va scelta prima delle righe").arg(nome_));
    comprimi_ = comprimi;
    return *this;
}

void TabellaMdb::riga(const std::vector<Valore>& valori, StatoRiga stato) {
    righe_.push_back({CodificaRiga(nome_, colonne_, valori, comprimi_), stato});
    if (stato != StatoRiga::Cancellata)
        ++vive_;
}
