#include "archivi/Tabella.h"

#include "archivi/ErroreArchivio.h"

int Tabella::indiceCampo(const QString& campo) const {
    for (std::size_t i = 0; i < campi.size(); ++i) {
        if (campi[i].compare(campo, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

GenereCampo Tabella::genere(int campo) const {
    const auto i = static_cast<std::size_t>(campo);
    return campo >= 0 && i < generi.size() ? generi[i] : GenereCampo::Ignoto;
}

Tabella Tabella::senzaRighe() const {
    return Tabella{nome, campi, {}, generi, archivio};
}

void Tabella::verificaConfronto(int campo, GenereCampo valore) const {
    const GenereCampo delCampo = genere(campo);
    if (Confrontabili(delCampo, valore))
        return;
    const QString dove =
        archivio.isEmpty()
            ? QStringLiteral("della tabella %1").arg(nome)
            : QStringLiteral("della tabella %1 dell'archivio %2").arg(nome, archivio);
    throw ErroreArchivio(
        QStringLiteral(
            "Tipo di dati non corrispondente: il campo %1 %2 contiene %3 ed è confrontato con %4")
            .arg(campi[static_cast<std::size_t>(campo)], dove, ContenutoDi(delCampo),
                 ValoreDi(valore)));
}

void Tabella::verificaCriterio(const Criterio& criterio, const std::vector<int>& colonne) const {
    criterio.perOgniConfronto(
        [&](std::size_t i, GenereCampo valore) { verificaConfronto(colonne[i], valore); });
}
