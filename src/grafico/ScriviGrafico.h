#pragma once

#include "grafico/FoglioGrafico.h"
#include "tableau/TableauDellaSettimana.h"

#include <QString>

// Writes the week chart of the tableau into a PDF file, vector drawing
// with its fonts embedded. The file is written whole or not at all: the
// sheets go to a file beside it that replaces it, in one rename, once
// complete. An output Errore, in Italian, when it cannot be written. Returns
// the number of sheets. Needs a QGuiApplication.
int ScriviGrafico(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                  const QString& percorso);
