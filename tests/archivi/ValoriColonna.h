#pragma once

#include "archivi/Recordset.h"

#include <QString>

#include <vector>

// The values of one field in every record of a record set, in record-set order.
std::vector<Valore> ValoriColonna(const Recordset& righe, const QString& campo);
