#pragma once

#include "vistastampa/LettoreRighe.h"

#include <QList>
#include <QString>
#include <QStringList>

// The run of print-file lines that the preview shows at one time, with the
// byte position where it starts, so that saving can put an edited block back
// in its place and leave the rest of the file as it is.
struct BloccoDiStampa {
    qint64 inizio = 0;
    QList<RigaLetta> righe;

    // Byte position just after the block's last line end.
    qint64 Fine() const;
    // The block's bytes exactly as they stand in the file.
    QByteArray Byte() const;
    // The lines as the preview shows them, frame characters converted.
    QStringList Vista() const;
};

// A print-file line as the preview shows it: Windows-1252 bytes read as
// characters, frame characters replaced by "|" and "-".
QString RigaInVista(const QByteArray& riga);
