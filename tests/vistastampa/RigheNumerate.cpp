#include "prove/vistastampa/RigheNumerate.h"

QByteArray RigheNumerate(int prima, int quante, char lettera) {
    QByteArray byte;
    for (int i = prima; i < prima + quante; ++i)
        byte += QByteArray::number(i).rightJustified(5, '0') + QByteArray(95, lettera) + "\r\n";
    return byte;
}
