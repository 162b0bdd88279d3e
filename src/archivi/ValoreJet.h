#pragma once

#include "archivi/DefinizioneJet.h"
#include "archivi/GenereCampo.h"
#include "archivi/PagineJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/Valore.h"

namespace jet {

// The value of one field, decoded from its bytes: booleans -1 / 0 as in
// Jet, whole numbers exactly, currency in ten-thousandths, decimals with
// every digit, dates as days since 30/12/1899 (any sign), extended dates
// to 100 ns, texts and memos in full, binary and OLE values as bytes,
// replication IDs as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; a calculated
// column gives the value of its result. A zero-length text is an empty
// text, not null. Memo and OLE values kept on other pages are read from the
// file through `appoggio`, a page buffer of the caller's. Damage when the
// bytes are too short for the type or do not hold a value of it.
Valore DecodificaCampo(const PagineJet& file, const ColonnaJet& colonna, const CampoJet& campo,
                       PaginaJet& appoggio);

// Whether DecodificaCampo gives the column's values as whole numbers
// straight from their bytes: byte, integer, long and 64-bit integer
// columns, not calculated.
bool ColonnaIntera(const ColonnaJet& colonna);
// The whole number stored in the bytes of a field of such a column, of type
// `tipo`, without building a value; damage as DecodificaCampo.
std::int64_t InteroJet(TipoColonna tipo, ByteJet byte);

// The kind of the values DecodificaCampo gives for a column type: booleans,
// numbers of every size, currency, decimals and dates are numbers; texts, memos and
// replication IDs texts; binary, OLE and unknown types binary data.
GenereCampo GenereColonna(TipoColonna tipo);

} // namespace jet
