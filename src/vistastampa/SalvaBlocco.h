#pragma once

#include "vistastampa/BloccoDiStampa.h"

#include <QString>

#include <optional>

// Writes the edited view back into the print file in place of the block it
// was read from; what lies before and after the block stays byte for byte.
// The new file is written beside the old one and renamed over it, so a
// failure leaves the old file whole. A view saved as shown changes nothing
// (the file is not even rewritten). If the block no longer stands in the file
// as it was read, nothing is written.
// On success the block describes the saved lines; on failure it is left as it
// was and the Italian text of the problem is returned.
std::optional<QString> SalvaBlocco(const QString& percorso, BloccoDiStampa& blocco,
                                   const QString& testoVista);
