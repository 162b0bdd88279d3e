#pragma once

#include "grafico/CellaGrafico.h"
#include "grafico/FoglioGrafico.h"
#include "grafico/MisuraTesto.h"
#include "tableau/TableauDellaSettimana.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// The week chart laid out, sheet by sheet, as what is to be drawn where:
// positions and sizes in points from the sheet's top left corner. The
// drawing (DisegnaGrafico.h) adds nothing but the pixels.

// A line of text: the left end of its baseline.
struct Scritta {
    QPointF origine;
    QString testo;
    double punti = 0;
    bool grassetto = false;
};

// A box shaded as one kind of stay, with the mark of that kind: a day's
// cell, or a sample in the legend.
struct Campitura {
    QRectF riquadro;
    QRectF segno;
    CellaGrafico::Stato stato = CellaGrafico::Stato::Libera;
};

// A drawn line and its width.
struct Tratto {
    QLineF linea;
    double spessore = 0;
};

struct PaginaGrafico {
    std::vector<Campitura> campiture;
    std::vector<Tratto> tratti;
    std::vector<Scritta> scritte;
    QRectF corpo;              // the room rows' room, below the day header
    std::vector<QRectF> righe; // the rows of the rooms on this sheet, in order
};

struct PianoGrafico {
    QSizeF foglio;
    double corpo = 0; // the size of the cells' text, before a long text is set smaller
    std::vector<PaginaGrafico> pagine;

    // The smallest text of all the sheets.
    double puntiMinimi() const;
};

// Lays the tableau out: rooms as rows, the seven days as columns, the
// heading (hotel, tableau, week, moment of printing, sheet number) and the
// day header on every sheet, the legend at the foot. The text of the cells
// is set as large as the chart allows on the fewest sheets, never below
// 7 points; a room's row is never split between sheets.
PianoGrafico ImpaginaGrafico(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                             const MisuraTesto& misura);
