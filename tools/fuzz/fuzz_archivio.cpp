// libFuzzer target: an arbitrary byte string opened as a database file and
// put through every operation the program performs on its databases.

#include "archivi/Database.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/FileJet.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const char* const kTabelleSuite[] = {
    "AnagraficaHotels",    "Tableau",
    "NumeriCamere",        "TipiCamere",
    "Camere_Prenotazione", "Scheda_Prenotazione",
    "Scheda_Cliente",      "Ditta_Intestataria",
    "Stampanti",           "SetStampa",
    "Contatori",
};

void esercita(Recordset righe) {
    if (righe.RecordCount() == 0)
        return;
    const Criterio tutti = Campo(QStringLiteral("NumeroHotel")) == Valore(1) ||
                           Campo(QStringLiteral("NumeroCamera")) >= Valore(QStringLiteral("1"));
    try {
        righe.FindFirst(tutti);
        for (int passi = 0; !righe.NoMatch() && passi < 1000; ++passi) {
            (void)righe.Campo(QStringLiteral("NumeroHotel"));
            righe.FindNext(tutti);
        }
    } catch (const Errore&) {
    }
    try {
        righe.setSort(QStringLiteral("[NumeroCamera]"));
        (void)righe.OpenRecordset();
    } catch (const Errore&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    static QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("Prova.mdb"));
    {
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(dati), static_cast<qint64>(dimensione));
        // Dated back, as a file at rest: one written a moment ago is first
        // left to settle, which would slow every run.
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
    }
    try {
        auto file = std::make_shared<FileJet>(percorso);
        Database archivio(file);
        QStringList tabelle = archivio.tabelle();
        for (const char* nome : kTabelleSuite)
            tabelle << QString::fromLatin1(nome);
        for (const QString& tabella : tabelle) {
            try {
                esercita(archivio.OpenRecordset(tabella));
                Selezione settimana{
                    tabella,
                    Campo(QStringLiteral("DataArrivo")) <= Valore(QStringLiteral("20261214")) &&
                        Campo(QStringLiteral("DataPartenza")) > Valore(QStringLiteral("20261208")),
                    std::nullopt};
                esercita(archivio.OpenRecordset(settimana));
            } catch (const Errore&) {
            }
        }
    } catch (const Errore&) {
    }
    return 0;
}
