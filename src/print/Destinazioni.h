#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A print destination, record of table Stampanti in "Stampanti.mdb".
struct Destinazione {
    QString nome;          // Destinazione: the name shown and searched for
    QString linea;         // Linea: the device, file or Windows printer written to
    double tipoStampa = 0; // TipoStampa read as a number: the printer type (CodiciStampante)

    // Where the output goes: the environment variable named after the
    // destination (name matched without regard to case) when it is set and
    // not empty, else Linea.
    QString bersaglio() const;
};

// The destinations the print menu offers: those of hotel 1, in record order.
std::vector<Destinazione> DestinazioniDelMenu();

// The PDF printer among the destinations named: the last name that holds
// "PDF" (in capitals); empty when there is none.
std::optional<QString> DestinazionePdf(const QStringList& nomi);

// The first destination of that name, whatever its hotel; empty when there is none.
std::optional<Destinazione> TrovaDestinazione(const QString& nome);
