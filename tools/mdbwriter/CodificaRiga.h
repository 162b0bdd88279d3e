#pragma once

#include "mdbwriter/ColonnaMdb.h"

#include "archivi/Valore.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A long value (memo, OLE) that does not stay in its row: its bytes go to
// long-value pages, and the 12-byte reference at `posizione` in the row is
// completed when they are placed.
struct ValoreLungo {
    int posizione = 0;
    int colonna = 0;
    QByteArray dati;
};

// A row in Jet 4 layout: column count, fixed area, variable data, end of
// data, offsets of the variable columns in reverse order, their count, and
// the null mask (one bit a column, set when not null; a boolean's bit is its
// value).
struct RigaCodificata {
    QByteArray byte;
    std::vector<ValoreLungo> lunghi;
};

// The longest row a data page takes: the page less its header and one slot.
constexpr int kMassimaRiga = 4096 - 14 - 2;

// Encodes one row. Raises ErroreScrittura when a value does not suit its
// column (kind, range, length) or the row cannot fit a page.
RigaCodificata CodificaRiga(const QString& tabella, const std::vector<ColonnaMdb>& colonne,
                            const std::vector<Valore>& valori, bool comprimiTesto);
