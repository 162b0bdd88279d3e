#include "tableau/TableauDellaSettimana.h"

#include "print/LeggiRighe.h"

QStringList TableauScritto::righe() const {
    return RigheDaByte(byte);
}
