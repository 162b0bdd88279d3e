#include "vistastampa/BloccoDiStampa.h"

#include "routines/SetRoutine.h"
#include "routines/TestoAnsi.h"

qint64 BloccoDiStampa::Fine() const {
    qint64 fine = inizio;
    for (const RigaLetta& riga : righe)
        fine += riga.testo.size() + riga.fine.size();
    return fine;
}

QByteArray BloccoDiStampa::Byte() const {
    QByteArray byte;
    for (const RigaLetta& riga : righe)
        byte += riga.testo + riga.fine;
    return byte;
}

QStringList BloccoDiStampa::Vista() const {
    QStringList vista;
    vista.reserve(righe.size());
    for (const RigaLetta& riga : righe)
        vista.append(RigaInVista(riga.testo));
    return vista;
}

QString RigaInVista(const QByteArray& riga) {
    QString testo = DaAnsi(riga);
    return ConvertiCornici(testo);
}
