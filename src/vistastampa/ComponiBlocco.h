#pragma once

#include "vistastampa/LettoreRighe.h"

#include <QList>
#include <QString>
#include <QStringList>

// The lines of a text as the preview's text box holds it: a line ends at
// CR LF, CR, LF or a Unicode line or paragraph separator; the line end after
// the last line (every shown line has one) does not start another line.
QStringList RigheDelTesto(const QString& testo);

// The print-file lines that replace a shown block after the user edited it.
// The view shows frame bytes as "|" and "-", so writing the edited text as it
// stands would flatten every frame of the block. Instead each edited line is
// matched with the line it came from: lines left as shown keep their original
// bytes and line end, and in a changed line the unchanged start and end keep
// theirs; only what the user typed is written as typed, with CR LF after new
// lines. Shown through the preview again, the result is the edited text
// (a no-break space the text box gave back as a space keeps its byte).
QList<RigaLetta> ComponiBlocco(const QList<RigaLetta>& originali, const QString& testoVista);
