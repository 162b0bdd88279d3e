#pragma once

#include "print/CodiciStampante.h"
#include "print/PostoDiLavoro.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// One print of the workstation's print file on a destination of table
// Stampanti, as the print menu asks for it.
struct RichiestaStampa {
    QString destinazione;     // a Destinazione of table Stampanti
    bool compressa = false;   // compressed print
    bool orizzontale = false; // landscape (printer driver only)
    bool fronteRetro = false; // two-sided (printer driver only)
    QString stampante;        // when not blank, replaces the destination's target
    QString opzioni;          // the print options ("K", "U")
    std::int16_t hotel = 1;   // the hotel whose page length applies
    PostoDiLavoro posto;      // names the print file
    // The lines to print when they are already in hand, as the run that
    // wrote the print file has them; absent, the print file is read.
    std::optional<QStringList> righe;
};

// The settings a print works with, read when it starts.
struct ImpostazioniStampa {
    QString font; // "FontStp.txt"
    std::int16_t lungPag = 60;
    CodiciStampante codici; // of the destination's printer type
    QString bersaglio;      // device, file, CUPS queue or printer name
};

struct Destinazione;
struct ImpostazioniDriver;
struct ImpostazioniDirette;

// How a print's settings shape the pages through the printer driver: the
// font, the spacing line's and the lines' point sizes (CodiciCompresso 1,
// and 1 or 7 for compressed or normal print), the top margin (none when it
// is not smaller than the page length), the page length, the orientation,
// option "K".
ImpostazioniDriver PerIlDriver(const RichiestaStampa& richiesta,
                               const ImpostazioniStampa& impostazioni);
// How they shape the bytes sent directly: the five setup codes
// (CodiciCompresso 1-5 or 7-11), margin (as above), page and fill lengths,
// options "K" and "U".
ImpostazioniDirette PerLUscitaDiretta(const RichiestaStampa& richiesta,
                                      const ImpostazioniStampa& impostazioni);

// Where the print goes: the request's printer when it is not blank (taken
// as it is, blanks included), else the destination's target.
QString BersaglioDiStampa(const RichiestaStampa& richiesta, const Destinazione& destinazione);

// Reads the settings for the request: the font, the hotel's page length, the
// destination and its printer codes, the target (the destination's
// environment variable or Linea, replaced by the request's printer when that
// is not blank). Empty when Stampanti has no such destination.
std::optional<ImpostazioniStampa> LeggiImpostazioniStampa(const RichiestaStampa& richiesta);

// Prints the print file with these settings: through the printer driver when
// the codes say so, otherwise as bytes sent to the target. Raises
// an output Errore when nothing or not everything could be printed, also when
// the print file does not exist.
void StampaConImpostazioni(const RichiestaStampa& richiesta,
                           const ImpostazioniStampa& impostazioni);

// The print menu's print action: both of the above. A destination that
// Stampanti does not hold raises an output Errore.
void StampaFile(const RichiestaStampa& richiesta);

// The pages the print would give through the printer driver, into a PDF file
// instead of a printer. An output Errore when the destination is missing or its
// printer is driven directly (its codes are then setup bytes, not sizes).
void StampaFileInPdf(const RichiestaStampa& richiesta, const QString& percorsoPdf);

// The destination the print menu's PDF button prints on, read from the
// printer table; empty when there is none.
std::optional<QString> DestinazionePdfDelMenu();
