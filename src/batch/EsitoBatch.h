#pragma once

#include "routines/Errore.h"

// Exit status of the batch command.
enum EsitoBatch : int {
    Riuscito = 0,
    RigaDiComandoErrata = 2,
    RichiestaNonValida = 3, // room range, date, hotel or tableau, workstation number
    ArchivioIllegibile = 4,
    FileStampaNonScritto = 5,
    UscitaNonRiuscita = 6, // spreadsheet file, PDF file, week chart or print
    ErroreImprevisto = 70,
};

// The exit status for a failure of this kind.
EsitoBatch EsitoDellErrore(GenereErrore genere);
