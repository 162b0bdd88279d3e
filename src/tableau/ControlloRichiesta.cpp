#include "tableau/ControlloRichiesta.h"

#include "routines/SetRoutine.h"

QString TitoloRifiuto(Rifiuto rifiuto) {
    return rifiuto == Rifiuto::CamereErrate ? QStringLiteral("Camere errate!")
                                            : QStringLiteral("Data errata!");
}

QStringList TestoRifiuto(Rifiuto rifiuto) {
    if (rifiuto == Rifiuto::CamereErrate)
        return {QStringLiteral("Controllare l'intervallo di camere richiesto!")};
    return {QStringLiteral("La data deve essere inserita "),
            QStringLiteral("nel formato gg/mm/aaaa")};
}

bool CamereInOrdine(const QString& primaCamera, const QString& ultimaCamera) {
    return !(ultimaCamera < primaCamera);
}

QString CompletaDataInizio(const QString& data) {
    QString completa = data;
    return CompletaData(completa);
}

bool DataInizioValida(const QString& data) {
    QString copia = data;
    return ControllaData(copia);
}

std::optional<Rifiuto> ControllaRichiesta(const QString& primaCamera, const QString& ultimaCamera,
                                          const QString& data) {
    if (!CamereInOrdine(primaCamera, ultimaCamera))
        return Rifiuto::CamereErrate;
    if (!DataInizioValida(data))
        return Rifiuto::DataErrata;
    return std::nullopt;
}
