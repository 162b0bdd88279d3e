#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

// What the poppler tools tell about a PDF file. Tests that need them skip
// when StrumentiPdfPresenti() is false.
bool StrumentiPdfPresenti();
int PaginePdf(const QString& pdf);
// Page size in points of one page (from 1).
QSizeF PaginaPdf(const QString& pdf, int pagina);
// Whether a page size read from pdfinfo, which gives whole points, is the one expected.
bool StessaPagina(const QSizeF& letta, const QSizeF& attesa);
// The text of one page laid out as on the page (pdftotext -layout).
QString TestoPdf(const QString& pdf, int pagina);
// The lines of one page that hold text, laid out as on the page
// (pdftotext -layout), without their trailing blanks.
QStringList RighePdf(const QString& pdf, int pagina);
// The characters that the fonts of a PDF file give their glyphs for text
// extraction and copying (the fonts' ToUnicode maps).
QString CaratteriMappatiPdf(const QString& pdf);
// The text of every page, laid out as on the page, each page ended by a
// form feed (pdftotext -layout); empty when the file cannot be read as a PDF.
QString TestoPdfCompleto(const QString& pdf);
// The text of one page in the order it was drawn (pdftotext -raw): the
// lines of a text broken in two follow each other.
QString TestoPdfInOrdine(const QString& pdf, int pagina);
// Whether bytes read from a PDF file form a whole file, as a writer that
// stopped half-way or a reader that caught it half-written would not: the
// header at the start and the end-of-file marker at the end.
bool PdfIntero(const QByteArray& byte);
// The names of the embedded fonts, without their subset prefixes.
QStringList FontPdf(const QString& pdf);

// One word on a page with its box in points (pdftotext -bbox).
struct ParolaPdf {
    QString testo;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
QList<ParolaPdf> ParolePdf(const QString& pdf, int pagina);
