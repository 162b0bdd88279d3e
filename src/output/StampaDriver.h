#pragma once

#include "output/SuperficieStampa.h"

#include <QString>
#include <QStringList>

// What shapes the pages printed through a printer driver.
struct ImpostazioniDriver {
    QString font = QStringLiteral("Courier New"); // the report's lines
    double puntiSpaziatura = 0;                   // the spacing line at the top of every page
    double puntiTesto = 0;                        // the report's lines (compressed or normal size)
    int margineSuperiore = 0;                     // blank lines below the spacing line
    int lunghezzaPagina = 60;                     // lines counted on a page, margin included
    bool orizzontale = false;
    bool corniciInChiaro = false; // option "K": the lines are printed unconverted
};

// The font of the spacing line that opens every page.
inline const QString FontSpaziatura = QStringLiteral("Times New Roman");

// Prints one line, where each bold marker "ç" switches bold on (and the size
// 0.4 point down) or back off; markers are not printed. The bold state starts
// off for every line, while the font stays as the last switch left it.
void StampaLaser(const QString& riga, SuperficieStampa& stampante);

// Prints the lines of a print file page by page: each page opens with the
// spacing line and the top margin, a page ends when its count reaches the
// page length, and a form-feed line ends it early (one page advance). Ends
// the document.
void StampaSuDriver(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                    SuperficieStampa& stampante);
