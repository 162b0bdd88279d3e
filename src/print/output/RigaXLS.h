#pragma once

#include <QString>

// The three texts that shape the spreadsheet file.
struct SeparatoriXLS {
    QString campo = QStringLiteral(",");        // written between fields
    QString decimale = QStringLiteral(".");     // written for a decimal comma
    QString valuta = QString(QChar(0x20AC));    // its first character goes before an amount
};

// One print-file line as a spreadsheet line: frame bytes become field
// separators, rule bytes blanks, and Italian amounts (1.234,50) numbers a
// spreadsheet reads, with the currency symbol in the blank before them.
QString ConvertiRigaXLS(const QString& riga, const SeparatoriXLS& separatori);
