#include "prove/menu/ArchiviDelMenu.h"

#include "demo/ArchiviDemo.h"

#include <QDir>

void ScriviArchiviDelMenu(const std::vector<DestinazioneDiProva>& destinazioni,
                          const QString& opzioni) {
    constexpr int kDiretta = 2;
    ArchiviDemo archivi(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
    archivi.tabella("AnagraficaHotels").riga({1, QString("Hotel Uno"), opzioni, QString("Roma")});
    archivi.tabella("AnagraficaHotels")
        .riga({2, QString("Hotel Due"), QString("KU"), QString("Pisa")});
    for (const DestinazioneDiProva& destinazione : destinazioni)
        archivi.tabella("Stampanti")
            .riga({destinazione.hotel, destinazione.nome, kDiretta, destinazione.linea});
    archivi.tabella("SetStampa")
        .riga({kDiretta, QString("027015000000000000027018000000000000"),
               QString("000000000000000000066066000000000000")});
    archivi.tabella("Contatori").riga({1, 60, 60});
    archivi.salva(QDir::currentPath());
}
