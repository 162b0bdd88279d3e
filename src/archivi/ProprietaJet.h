#pragma once

#include "archivi/ByteJet.h"
#include "archivi/PagineJet.h"
#include "archivi/TipoColonna.h"

#include <QString>

#include <map>

namespace jet {

// The result types of a table's calculated columns, by column name, from the
// table's properties (ProprietaTabella): Access keeps them there as the
// "ResultType" property of each column, while the column's own definition
// may code another type. Empty when there are no properties. They begin with a 4-byte signature,
// then blocks, each with its length (4 bytes, itself included) and kind (2 bytes): kind 0x80 lists
// the property names (a 2-byte length and the name, each); kinds 0 and 1 hold the properties of one
// object (the table, a column): a 4-byte length, the object's name with a 2-byte length, then the
// properties, each with its length (2 bytes, itself included), a flag byte, a type byte, the index
// of its name (2 bytes), the length of its value (2 bytes) and the value. Damage when the blocks do
// not fit.
std::map<QString, TipoColonna> TipiRisultato(const FormatoJet& formato, ByteJet proprieta);

} // namespace jet
