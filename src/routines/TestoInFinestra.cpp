#include "routines/TestoInFinestra.h"

QString TestoInFinestra(const QStringList& righe) {
    return righe.join(QStringLiteral("\r\n"));
}
