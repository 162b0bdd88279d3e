#include "prove/tools/StrumentiMdb.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString SegnoNullo = QStringLiteral("@NULL@");

// Splits mdb-export's CSV: fields quoted with " (doubled inside) are texts;
// unquoted ones are numbers or the NULL mark.
std::vector<std::vector<std::optional<QString>>> LeggiCsv(const QString& csv) {
    std::vector<std::vector<std::optional<QString>>> righe;
    std::vector<std::optional<QString>> riga;
    QString campo;
    bool citato = false;
    bool dentro = false;
    const auto chiudi = [&] {
        riga.push_back(!citato && campo == SegnoNullo ? std::nullopt
                                                      : std::optional<QString>(campo));
        campo.clear();
        citato = false;
    };
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (dentro) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                dentro = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            dentro = citato = true;
        } else if (c == ',') {
            chiudi();
        } else if (c == '\n') {
            chiudi();
            righe.push_back(std::move(riga));
            riga.clear();
        } else {
            campo += c;
        }
    }
    return righe;
}

} // namespace

QString Mdb(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    const bool finito = p.waitForFinished(120000);
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    const QString comando = programma + ' ' + argomenti.join(' ');
    EXPECT_TRUE(finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << comando.toStdString() << " failed: " << errori.toStdString();
    EXPECT_TRUE(errori.isEmpty()) << comando.toStdString() << " wrote: " << errori.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

Esportazione EsportaMdb(const QString& file, const QString& tabella) {
    auto righe =
        LeggiCsv(Mdb("mdb-export", {"-0", SegnoNullo, "-T", "%Y-%m-%d %H:%M:%S", file, tabella}));
    Esportazione e;
    if (righe.empty())
        return e;
    for (const auto& campo : righe.front())
        e.campi << campo.value_or(QString());
    righe.erase(righe.begin());
    e.righe = std::move(righe);
    return e;
}

QStringList TabelleMdb(const QString& file) {
    return Mdb("mdb-tables", {"-1", file}).split('\n', Qt::SkipEmptyParts);
}

long long ContaMdb(const QString& file, const QString& tabella) {
    return Mdb("mdb-count", {file, tabella}).trimmed().toLongLong();
}
