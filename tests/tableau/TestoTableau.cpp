#include "prove/tableau/TestoTableau.h"

#include "routines/Orologio.h"
#include "routines/TestoAnsi.h"
#include "tableau/StampaTableau.h"

#include <QFile>
#include <QStringList>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<unsigned char, char16_t>, 6> kCornici{{
    {179, u'│'},
    {180, u'┤'},
    {191, u'┐'},
    {194, u'┬'},
    {196, u'─'},
    {197, u'┼'},
}};

} // namespace

QString Leggibile(const QByteArray& fileStampa) {
    QString testo;
    for (qsizetype i = 0; i < fileStampa.size(); ++i) {
        const auto b = static_cast<unsigned char>(fileStampa[i]);
        if (b == '\r' && i + 1 < fileStampa.size() && fileStampa[i + 1] == '\n') {
            testo += u'\n';
            ++i;
            continue;
        }
        QChar c = DaAnsi(QByteArray(1, static_cast<char>(b))).front();
        for (const auto& [byte, disegno] : kCornici) {
            if (b == byte)
                c = QChar(disegno);
        }
        testo += c;
    }
    return testo;
}

QByteArray DaLeggibile(const QString& testo) {
    QByteArray byte;
    for (const QChar c : testo) {
        if (c == u'\n') {
            byte += "\r\n";
            continue;
        }
        int valore = ByteAnsi(c);
        for (const auto& [b, disegno] : kCornici) {
            if (c == QChar(disegno))
                valore = b;
        }
        byte += static_cast<char>(valore < 0 ? '?' : valore);
    }
    return byte;
}

QByteArray FileAtteso(const QString& nome) {
    QFile file(qEnvironmentVariable("TS_SOURCE_DIR") + QStringLiteral("/tests/tableau/attesi/") +
               nome);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DaLeggibile(QString::fromUtf8(file.readAll()));
}

QString Differenza(const QByteArray& atteso, const QByteArray& ottenuto) {
    if (atteso == ottenuto)
        return {};
    const QStringList righeAttese = Leggibile(atteso).split(u'\n');
    const QStringList righeOttenute = Leggibile(ottenuto).split(u'\n');
    for (qsizetype r = 0; r < std::max(righeAttese.size(), righeOttenute.size()); ++r) {
        const QString a = righeAttese.value(r, QStringLiteral("<nessuna riga>"));
        const QString o = righeOttenute.value(r, QStringLiteral("<nessuna riga>"));
        if (a == o)
            continue;
        qsizetype colonna = 0;
        while (colonna < a.size() && colonna < o.size() && a[colonna] == o[colonna])
            ++colonna;
        return QStringLiteral("riga %1, colonna %2\n  attesa:   [%3]\n  ottenuta: [%4]")
            .arg(r + 1)
            .arg(colonna + 1)
            .arg(a, o);
    }
    return QStringLiteral("i file differiscono solo nei byte che non si vedono");
}

QByteArray EseguiTableau(SorgenteArchivi& archivi, const RichiestaTableau& richiesta,
                         const ApriRaccolta& raccolta) {
    FissaOrologio(QDateTime(QDate(2026, 1, 5), QTime(8, 30)));
    QByteArray file;
    ComponiTableau(richiesta, archivi, raccolta,
                   [&](const QString& riga) { file += InAnsi(riga) + "\r\n"; });
    return file;
}
