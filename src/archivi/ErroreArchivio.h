#pragma once

#include "routines/Errore.h"

#include <QString>

// The error of the database layer: a missing or ambiguous file, a file that
// is not a readable Jet database, a missing table or field. The message is
// Italian and names the file, table or field.
Errore ErroreArchivio(const QString& messaggio);

// The error for a database file the system would not let be opened, looked
// at or read, with the cause for the system's error code.
Errore ArchivioNonLeggibile(const QString& nome, int codiceErrore);
