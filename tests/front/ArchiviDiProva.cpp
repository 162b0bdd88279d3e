#include "prove/front/ArchiviDiProva.h"

#include "demo/ArchiviDemo.h"

#include <QDir>

namespace {
void Scrivi(bool conAlberghi, const std::function<void(ArchiviDemo&)>& ritocco) {
    ArchiviDemo archivi(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    TabellaMdb& hotels = archivi.tabella("AnagraficaHotels");
    if (conAlberghi)
        hotels.riga({1, QString("Hotel Uno"), QString("K"), QString("Roma")});
    hotels.riga({0, QString("Non in elenco"), QString(), QString()});
    if (conAlberghi)
        hotels.riga({12, QString("Hotel Dodici"), QString(), QString("Napoli")});

    TabellaMdb& tableau = archivi.tabella("Tableau");
    tableau.riga({1, 7, QString("Piano primo")});
    tableau.riga({12, 3, QString("Dodici")});
    tableau.riga({1, 0, QString("Non in elenco")});
    tableau.riga({1, 2, QString("Appartamenti")});

    TabellaMdb& tipi = archivi.tabella("TipiCamere");
    tipi.riga({QString("DBL"), QString("C"), QString("Doppia")});
    tipi.riga({QString("APP"), QString("A"), QString("Appartamento")});

    TabellaMdb& camere = archivi.tabella("NumeriCamere");
    camere.riga({1, 7, QString("101"), QString("DBL"), 2});
    camere.riga({1, 7, QString("100"), QString("APP"), 4});
    camere.riga({1, 7, QString("102"), QString("DBL"), 2});
    camere.riga({1, 7, QString("098"), QString("XXX"), 2});
    camere.riga({1, 7, QString("99"), QString("DBL"), 2});
    camere.riga({1, 2, QString("A1"), QString("APP"), 4});
    camere.riga({12, 3, QString("12"), QString("DBL"), 2});

    if (ritocco)
        ritocco(archivi);
    archivi.salva(QDir::currentPath());
}
} // namespace

void ScriviArchiviDiProva(const std::function<void(ArchiviDemo&)>& ritocco) {
    Scrivi(true, ritocco);
}

void ScriviArchiviSenzaAlberghi() {
    Scrivi(false, {});
}
