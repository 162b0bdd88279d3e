#include "StrumentiPdf.h"

#include <QFile>
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

QStringList RighePdf(const QString& pdf, int pagina) {
    QStringList righe;
    for (const QString& riga : TestoPdf(pdf, pagina).split(u'\n')) {
        qsizetype fine = riga.size();
        while (fine > 0 && riga.at(fine - 1).isSpace())
            --fine;
        if (fine > 0)
            righe << riga.left(fine);
    }
    return righe;
}

QString CaratteriMappatiPdf(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString byte = QString::fromLatin1(file.readAll());
    QString caratteri;
    static const QRegularExpression flusso(QStringLiteral("stream\\r?\\n(.*?)endstream"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (const auto& trovato : flusso.globalMatch(byte)) {
        // A stream its object compresses is inflated first; qUncompress
        // wants the length ahead of the data, and a length of 0 makes it grow
        // its buffer as needed.
        const qsizetype inizio = trovato.capturedStart(0);
        const qsizetype oggetto = byte.lastIndexOf(QLatin1String(" obj"), inizio);
        QByteArray dati = trovato.captured(1).toLatin1();
        if (byte.mid(oggetto, inizio - oggetto).contains(QLatin1String("/FlateDecode")))
            dati = qUncompress(QByteArray(4, '\0') + dati);
        const QString mappa = QString::fromLatin1(dati);
        // Between begin/endbfchar a line is "<glifo> <carattere>"; between
        // begin/endbfrange "<primo> <ultimo> <carattere del primo>" or
        // "<primo> <ultimo> [<carattere> ...]".
        bool intervalli = false;
        for (const QString& riga : mappa.split(u'\n')) {
            if (riga.endsWith(QLatin1String("beginbfrange")) ||
                riga.endsWith(QLatin1String("beginbfchar"))) {
                intervalli = riga.endsWith(QLatin1String("beginbfrange"));
                continue;
            }
            static const QRegularExpression esadecimale(QStringLiteral("<([0-9A-Fa-f]+)>"));
            QList<uint> codici;
            for (const auto& codice : esadecimale.globalMatch(riga))
                codici << codice.captured(1).toUInt(nullptr, 16);
            if (codici.size() < 2)
                continue;
            if (!intervalli || riga.contains(u'['))
                for (qsizetype i = intervalli ? 2 : 1; i < codici.size(); ++i)
                    caratteri += QChar(static_cast<char16_t>(codici.at(i)));
            else if (codici.size() == 3)
                for (uint k = 0; k <= codici.at(1) - codici.at(0); ++k)
                    caratteri += QChar(static_cast<char16_t>(codici.at(2) + k));
        }
    }
    return caratteri;
}

QString TestoPdfCompleto(const QString& pdf) {
    return Esegui(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString TestoPdfInOrdine(const QString& pdf, int pagina) {
    const QString numero = QString::number(pagina);
    return Esegui(QStringLiteral("pdftotext"),
                  {QStringLiteral("-raw"), QStringLiteral("-f"), numero, QStringLiteral("-l"),
                   numero, pdf, QStringLiteral("-")});
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
