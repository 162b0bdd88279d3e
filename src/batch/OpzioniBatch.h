#pragma once

#include "grafico/FoglioGrafico.h"
#include "routines/Errore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// What the batch command is asked to do, from its command line.
struct OpzioniBatch {
    std::optional<std::int16_t> hotel;
    std::optional<std::int16_t> tableau;
    std::optional<QString> primaCamera;
    std::optional<QString> ultimaCamera;
    std::optional<QString> data;       // as typed; today when absent
    std::optional<QDateTime> orologio; // the moment the title shows, fixed
    bool aiuto = false;
    bool versione = false;
    bool elenca = false;  // list the suite's hotels and tableaux instead
    bool verboso = false; // say what was written and where

    // Outputs of the print file once it is written (UscitaBatch.h).
    bool foglio = false;                 // the spreadsheet file
    std::optional<QString> pdf;          // a PDF file of the pages
    bool stampa = false;                 // print on the destination
    std::optional<QString> destinazione; // a destination of table Stampanti
    std::optional<QString> stampante;    // replaces the destination's target
    bool compressa = false;
    bool orizzontale = false;
    bool fronteRetro = false;

    // The week chart (GraficoBatch.h).
    std::optional<QString> grafico; // the PDF file it is written into
    FoglioGrafico foglioGrafico;
};

// One option of the command line: "--nome VALORE" or "--nome=VALORE", or
// "--nome" alone when it takes no value, and "-b" when it has a short form
// b. Outputs added later (spreadsheet, PDF, printer) are further entries of
// OpzioniConosciute().
struct OpzioneBatch {
    QString nome;        // without the leading dashes
    QString valore;      // the value's name in the help, empty when it takes none
    QString descrizione; // Italian, for --help
    // Stores the value; raises a command-line Errore for a value it cannot take.
    std::function<void(OpzioniBatch&, const QString&)> applica;
    QString breve = {}; // one letter, or empty
};

const std::vector<OpzioneBatch>& OpzioniConosciute();

// Reads the arguments (without the program's name). A command-line Errore
// for an unknown option, a missing or bad value, a required option left out
// (unless help, the version or the list of the suite is asked for), or a
// stray argument.
OpzioniBatch LeggiOpzioniBatch(const QStringList& argomenti);

// The text of --help, Italian.
QString TestoAiuto();
