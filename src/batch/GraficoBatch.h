#pragma once

#include "batch/OpzioniBatch.h"

#include <vector>

// The week chart of the batch command: --grafico FILE writes the tableau
// drawn as a grid into a PDF file (--carta A3|A4|letter, --verticale).
std::vector<OpzioneBatch> OpzioniGraficoBatch();

// A command-line Errore for a sheet chosen without a chart to draw on it.
void ControllaOpzioniGrafico(const OpzioniBatch& opzioni);
