#pragma once

#include "archivi/TipoColonna.h"

// The writer codes column types with the reader's own table.
using TipoJet = jet::TipoColonna;

// Fixed-length types sit in the row's fixed area; the others are variable.
bool TipoFisso(TipoJet tipo);
// Bytes a fixed-length value takes in the fixed area (a boolean takes none:
// its value is the row's null-mask bit).
int DimensioneFissa(TipoJet tipo);
// Long values (memo, OLE) are stored through a 12-byte reference and may
// live on long-value pages.
bool TipoLungo(TipoJet tipo);
