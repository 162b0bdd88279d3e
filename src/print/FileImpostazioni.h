#pragma once

#include <QString>

// The workstation's two settings files, read afresh at every use. A file
// that is missing gives the defaults; one with fewer lines than are read
// gives the defaults for the missing lines. A line longer than 255
// characters is no settings value and gives the default too. The files are
// Windows-1252 text; one that starts with the UTF-8 byte-order mark is read
// as UTF-8, without the mark.

// The font of printer output: the first line of "FontStp.txt" without the
// blanks around it; "Courier New" when the file is missing or that line is
// blank or holds control characters (binary bytes, not a name).
QString CarattereStampa();

// The spreadsheet file's separators, the lines of "SeparatoreXLS.txt", each
// used whole as it stands.
struct SeparatoriXLS {
    QString campo = QStringLiteral(",");       // between two fields
    QString decimale = QStringLiteral(".");    // in place of a decimal comma
    QString valuta = QStringLiteral("\u20AC"); // its first character goes in front of an amount
};
SeparatoriXLS LeggiSeparatoriXLS();
