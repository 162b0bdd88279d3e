#include "StrumentiPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <cmath>

namespace {

QString Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(30000) || processo.exitCode() != 0)
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}

QStringList Pagina(const QString& pdf, int pagina) {
    return {QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
            QString::number(pagina), pdf};
}

} // namespace

bool StrumentiPdfPresenti() {
    for (const char* nome : {"pdfinfo", "pdftotext", "pdffonts"})
        if (QStandardPaths::findExecutable(QLatin1String(nome)).isEmpty())
            return false;
    return true;
}

int PaginePdf(const QString& pdf) {
    const auto trovato =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(Esegui(QStringLiteral("pdfinfo"), {pdf}));
    return trovato.hasMatch() ? trovato.captured(1).toInt() : -1;
}

QSizeF PaginaPdf(const QString& pdf, int pagina) {
    const auto trovato =
        QRegularExpression(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"))
            .match(Esegui(QStringLiteral("pdfinfo"), Pagina(pdf, pagina)));
    return trovato.hasMatch()
               ? QSizeF(trovato.captured(1).toDouble(), trovato.captured(2).toDouble())
               : QSizeF();
}

bool StessaPagina(const QSizeF& letta, const QSizeF& attesa) {
    return std::abs(letta.width() - attesa.width()) < 1 &&
           std::abs(letta.height() - attesa.height()) < 1;
}

QString TestoPdf(const QString& pdf, int pagina) {
    QStringList argomenti{QStringLiteral("-layout")};
    argomenti << Pagina(pdf, pagina) << QStringLiteral("-");
    return Esegui(QStringLiteral("pdftotext"), argomenti);
}

QString TestoPdfCompleto(const QString& pdf) {
    return Esegui(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

bool PdfIntero(const QByteArray& byte) {
    return byte.startsWith("%PDF-") && byte.trimmed().endsWith("%%EOF");
}

QStringList FontPdf(const QString& pdf) {
    QStringList nomi;
    const QStringList righe =
        Esegui(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts);
    // Two heading lines, then one font per line, its name first.
    for (qsizetype i = 2; i < righe.size(); ++i) {
        QString nome = righe.at(i).section(u' ', 0, 0);
        nomi << nome.mid(nome.indexOf(u'+') + 1);
    }
    return nomi;
}

QList<ParolaPdf> ParolePdf(const QString& pdf, int pagina) {
    QStringList argomenti{QStringLiteral("-bbox")};
    argomenti << Pagina(pdf, pagina) << QStringLiteral("-");
    QXmlStreamReader xml(Esegui(QStringLiteral("pdftotext"), argomenti));
    QList<ParolaPdf> parole;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("word"))
            continue;
        const auto attributi = xml.attributes();
        ParolaPdf parola;
        parola.xMin = attributi.value(QLatin1String("xMin")).toDouble();
        parola.yMin = attributi.value(QLatin1String("yMin")).toDouble();
        parola.xMax = attributi.value(QLatin1String("xMax")).toDouble();
        parola.yMax = attributi.value(QLatin1String("yMax")).toDouble();
        parola.testo = xml.readElementText();
        parole << parola;
    }
    return parole;
}
