#pragma once

#include <QString>

// The text of the batch command's --elenca: every hotel of the suite in the
// current folder (number and name) and under it each of its tableaux (code,
// description and the room range the selection window proposes), in
// aligned columns, for an administrator writing the command's lines.
// ErroreArchivio when a database cannot be read.
QString ElencoSuite();
