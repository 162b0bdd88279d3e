#pragma once

#include "batch/OpzioniBatch.h"
#include "print/PostoDiLavoro.h"
#include "tableau/TableauDellaSettimana.h"

#include <QTextStream>

// The batch command's outputs that set text in fonts, in this order: a PDF
// file of the pages (--pdf), the week chart (--grafico), the print on a
// destination (--stampa); each made when asked and reported on `uscita`.
// An output Errore for the first that fails. They need a GUI application.
void StampaBatch(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                 const TableauScritto& tableau, QTextStream& uscita);
