#pragma once

#include "mdbwriter/TipoJet.h"

#include <QString>

// One column of a table being written, with its place in the row layout.
struct ColonnaMdb {
    QString nome;
    TipoJet tipo = TipoJet::Lungo;
    // Text: most characters; Binary: most bytes; otherwise unused.
    int lunghezza = 0;
    // Column number: position in the table and bit of the row's null mask.
    int numero = 0;
    // Variable columns: entry in the row's offset table. Fixed columns: the
    // number of variable columns before it, as Access records it.
    int indiceVariabile = 0;
    // Fixed columns: offset in the fixed area (after the column count).
    int offsetFisso = 0;
};
