#pragma once

#include "routines/Errore.h"

#include <QString>

// The title of the message for a database that cannot be read.
QString TitoloArchivio();

// The title of the message that reports `errore`: a database that cannot be
// read is said so whatever was being done; any other failure goes under the
// title of the action that failed.
QString TitoloErrore(const Errore& errore, const QString& titoloAzione);
