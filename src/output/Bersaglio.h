#pragma once

#include <QByteArray>
#include <QString>

// Sends the bytes of a direct print to its target: when the target is the
// name of a CUPS queue, as one raw job on that queue; otherwise to the device
// or file of that name (a bare name is a file of the current folder, found
// without regard to case). A target that cannot be opened or written raises
// an output Errore naming the destination, the target and the reason.
void InviaABersaglio(const QString& bersaglio, const QByteArray& dati, const QString& destinazione);
