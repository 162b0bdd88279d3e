#pragma once

#include <QStringList>
#include <QTextStream>

// Writes a message as the command-line programs write their reports and
// errors: its lines ended by line feeds, a line that goes on to another
// without the blank the message window keeps before the break. The stream
// is flushed, so that the message is out before the program goes on or
// ends.
void ScriviMessaggio(QTextStream& flusso, const QStringList& righe);
