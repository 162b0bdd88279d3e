#pragma once

#include "batch/OpzioniBatch.h"
#include "tableau/TableauDellaSettimana.h"

#include <QTextStream>

#include <vector>

// The week chart of the batch command: --grafico FILE writes the tableau
// drawn as a grid into a PDF file (--carta A3|A4|letter, --verticale).
std::vector<OpzioneBatch> OpzioniGraficoBatch();

// A command-line Errore for a sheet chosen without a chart to draw on it.
void ControllaOpzioniGrafico(const OpzioniBatch& opzioni);

// Writes the chart when the command line asks for it, made of the data of
// the tableau this run wrote, and reports it on `uscita`; an output Errore when
// the file cannot be written.
void EseguiGraficoBatch(const OpzioniBatch& opzioni, const TableauDellaSettimana& tableau,
                        QTextStream& uscita);
