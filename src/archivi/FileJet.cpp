#include "archivi/FileJet.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/PagineJet.h"
#include "archivi/RigheJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/ValoreJet.h"

#include <QFileInfo>

#include <optional>

// The file is decoded from its pages: the catalog names the tables and
// their definition pages, the definition gives the columns and the usage
// map, and the rows are walked page by page.
struct FileJet::Dati {
    QString nome;
    std::optional<jet::PagineJet> pagine;
    std::vector<jet::VoceCatalogo> catalogo;

    const jet::VoceCatalogo& voce(const QString& tabella) const;
    // Runs `lavoro`, turning damage found on the way into ErroreArchivio.
    template <typename F> auto protetto(F lavoro) const -> decltype(lavoro());
};

template <typename F> auto FileJet::Dati::protetto(F lavoro) const -> decltype(lavoro()) {
    try {
        return lavoro();
    } catch (const jet::DannoJet& danno) {
        throw ErroreArchivio(
            QStringLiteral("Archivio danneggiato: %1 (%2)").arg(nome, danno.dettaglio));
    }
}

const jet::VoceCatalogo& FileJet::Dati::voce(const QString& tabella) const {
    for (const jet::VoceCatalogo& v : catalogo) {
        if (v.nome.compare(tabella, Qt::CaseInsensitive) == 0)
            return v;
    }
    throw ErroreArchivio(
        QStringLiteral("Tabella non trovata: %1 nell'archivio %2").arg(tabella, nome));
}

FileJet::FileJet(const QString& percorso) : d_(std::make_unique<Dati>()) {
    d_->nome = QFileInfo(percorso).fileName();
    d_->pagine.emplace(percorso, d_->nome);
    d_->catalogo = d_->protetto([this] { return jet::LeggiCatalogo(*d_->pagine); });
}

FileJet::~FileJet() = default;

QString FileJet::nome() const {
    return d_->nome;
}

QStringList FileJet::tabelle() const {
    QStringList nomi;
    for (const jet::VoceCatalogo& v : d_->catalogo) {
        if (v.utente)
            nomi << v.nome;
    }
    return nomi;
}

std::vector<QString> FileJet::campi(const QString& tabella) const {
    const jet::VoceCatalogo& voce = d_->voce(tabella);
    return d_->protetto([&] {
        std::vector<QString> nomi;
        for (const jet::ColonnaJet& colonna :
             jet::LeggiDefinizione(*d_->pagine, voce.pagina).colonne)
            nomi.push_back(colonna.nome);
        return nomi;
    });
}

Tabella FileJet::leggi(const QString& tabella, const Criterio* dove) const {
    const jet::VoceCatalogo& voce = d_->voce(tabella);
    return d_->protetto([&] {
        const jet::PagineJet& file = *d_->pagine;
        const jet::DefinizioneJet definizione = jet::LeggiDefinizione(file, voce.pagina);
        Tabella risultato;
        risultato.nome = voce.nome;
        risultato.archivio = d_->nome;
        for (const jet::ColonnaJet& colonna : definizione.colonne) {
            risultato.campi.push_back(colonna.nome);
            risultato.generi.push_back(jet::GenereColonna(colonna.tipo));
        }

        // The fields the condition reads are decoded first; the rest only
        // for the rows that meet it.
        std::vector<std::size_t> colonneCriterio;
        std::vector<int> colonneDeiCampi;
        std::vector<int> posizioneNelCriterio(definizione.colonne.size(), -1);
        if (dove) {
            for (const QString& campo : dove->campi()) {
                const int i = risultato.indiceCampo(campo);
                if (i < 0)
                    throw ErroreArchivio(
                        QStringLiteral("Campo non trovato: %1 nella tabella %2 dell'archivio %3")
                            .arg(campo, voce.nome, d_->nome));
                posizioneNelCriterio[static_cast<std::size_t>(i)] =
                    static_cast<int>(colonneCriterio.size());
                colonneCriterio.push_back(static_cast<std::size_t>(i));
                colonneDeiCampi.push_back(i);
            }
            // A comparison Jet refuses fails the whole read, before any row.
            risultato.verificaCriterio(*dove, colonneDeiCampi);
        }
        std::vector<Valore> valoriCriterio(colonneCriterio.size());
        const auto valoreCriterio = [&](std::size_t k) -> const Valore& {
            return valoriCriterio[k];
        };

        jet::ScomposizioneRiga scomposizione(file.formato(), definizione);
        jet::PaginaJet appoggio;
        jet::righe::Percorri(file, definizione, [&](jet::ByteJet riga) {
            const std::vector<jet::CampoJet>& campi = scomposizione.scomponi(riga);
            const auto decodifica = [&](std::size_t i) {
                return jet::DecodificaCampo(file, definizione.colonne[i], campi[i], appoggio);
            };
            if (dove) {
                for (std::size_t k = 0; k < colonneCriterio.size(); ++k)
                    valoriCriterio[k] = decodifica(colonneCriterio[k]);
                if (!dove->vale(valoreCriterio))
                    return;
            }
            std::vector<Valore> valori;
            valori.reserve(campi.size());
            for (std::size_t i = 0; i < campi.size(); ++i) {
                const int k = posizioneNelCriterio[i];
                valori.push_back(k >= 0 ? std::move(valoriCriterio[static_cast<std::size_t>(k)])
                                        : decodifica(i));
            }
            risultato.righe.push_back(std::move(valori));
        });
        return risultato;
    });
}
