#include "prove/tableau/ArchiviInMemoria.h"

#include "archivi/ErroreArchivio.h"

ArchiviInMemoria::ArchiviInMemoria(ArchiviInMemoria&& altri) noexcept
    : tabelle_(std::move(altri.tabelle_)), consegnati_(altri.consegnati_.load()) {}

ArchiviInMemoria& ArchiviInMemoria::operator=(ArchiviInMemoria&& altri) noexcept {
    tabelle_ = std::move(altri.tabelle_);
    consegnati_ = altri.consegnati_.load();
    return *this;
}

void ArchiviInMemoria::aggiungi(Tabella tabella) {
    const QString nome = tabella.nome;
    tabelle_.insert(nome, std::move(tabella));
}

const Tabella& ArchiviInMemoria::trovata(const QString& nome) const {
    const auto trovata = tabelle_.constFind(nome);
    if (trovata == tabelle_.cend())
        throw ErroreArchivio(QStringLiteral("Tabella non trovata: %1").arg(nome));
    return *trovata;
}

Tabella& ArchiviInMemoria::tabella(const QString& nome) {
    trovata(nome);
    return tabelle_[nome];
}

Tabella ArchiviInMemoria::seleziona(const Tabella& tabella, const Criterio* dove) const {
    Tabella scelte = tabella.senzaRighe();
    std::vector<int> colonne;
    if (dove) {
        for (const QString& campo : dove->campi()) {
            const int colonna = tabella.indiceCampo(campo);
            if (colonna < 0)
                throw ErroreArchivio(QStringLiteral("Campo non trovato: %1").arg(campo));
            colonne.push_back(colonna);
        }
        tabella.verificaCriterio(*dove, colonne);
    }
    for (const auto& riga : tabella.righe) {
        if (!dove || dove->vale([&](std::size_t i) -> const Valore& {
                return riga[static_cast<std::size_t>(colonne[i])];
            }))
            scelte.righe.push_back(riga);
    }
    return scelte;
}

Recordset ArchiviInMemoria::apri(const QString&, const Selezione& selezione) {
    const Tabella& tutte = trovata(selezione.tabella);
    std::optional<Criterio> dove = selezione.dove;
    if (selezione.in) {
        const Tabella interne =
            seleziona(trovata(selezione.in->tabellaInterna),
                      selezione.in->doveInterno ? &*selezione.in->doveInterno : nullptr);
        const int colonna = interne.indiceCampo(selezione.in->campoInterno);
        std::vector<Valore> chiavi;
        for (const auto& riga : interne.righe)
            chiavi.push_back(riga.at(static_cast<std::size_t>(colonna)));
        const Criterio in = Criterio::tra(selezione.in->campo, chiavi, interne.genere(colonna));
        dove = dove ? *dove && in : in;
    }
    auto scelte = std::make_shared<Tabella>(seleziona(tutte, dove ? &*dove : nullptr));
    consegnati_ += scelte->righe.size();
    return Recordset(std::move(scelte));
}
