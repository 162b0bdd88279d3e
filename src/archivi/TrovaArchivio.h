#pragma once

#include <QString>

// Finds a database by its bare file name in the current directory, without
// regard to case ("tableau.mdb" serves for "Tableau.mdb"). Returns the path;
// raises ErroreArchivio when there is no such file, or when two files differ
// only in case (the message names both).
QString TrovaArchivio(const QString& nomeFile);
