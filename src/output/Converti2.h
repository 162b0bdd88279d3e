#pragma once

#include <QString>

// Prepares a print-file line for a Windows font: the code page 437 frame
// bytes become "|" and "-", and first the bytes that the ANSI code page
// shows as accented capitals or the acute accent become the lower-case
// letters (and the apostrophe) that this suite's reports mean by them. The
// line is converted in place and returned.
QString Converti2(QString& riga);
