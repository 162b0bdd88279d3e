#include "prove/archivi/RigaCanonica.h"

#include <QCryptographicHash>
#include <QDate>

#include <charconv>
#include <cmath>

namespace {

QString numeroC(double valore, int cifre) {
    char testo[64];
    const auto fine =
        std::to_chars(testo, testo + sizeof testo, valore, std::chars_format::general, cifre);
    return QString::fromLatin1(testo, fine.ptr - testo);
}

QString valuta(double unita) {
    const auto diecimillesimi = static_cast<long long>(std::llround(unita * 10000.0));
    const unsigned long long assoluto = diecimillesimi < 0
                                            ? 0ull - static_cast<unsigned long long>(diecimillesimi)
                                            : static_cast<unsigned long long>(diecimillesimi);
    return QStringLiteral("%1%2.%3")
        .arg(diecimillesimi < 0 ? QStringLiteral("-") : QString())
        .arg(assoluto / 10000)
        .arg(assoluto % 10000, 4, 10, QLatin1Char('0'));
}

// Days since 30/12/1899; for negative values the fraction is the time of day
// taken as an absolute value, as Access does.
QString dataOra(double giorni) {
    double giorno = giorni >= 0 ? std::floor(giorni) : std::trunc(giorni);
    long long secondi = std::llround(std::fabs(giorni - giorno) * 86400.0);
    if (secondi == 86400) {
        giorno += 1;
        secondi = 0;
    }
    const QDate data = QDate(1899, 12, 30).addDays(static_cast<qint64>(giorno));
    return QString::asprintf("%04d-%02d-%02dT%02lld:%02lld:%02lld", data.year(), data.month(),
                             data.day(), secondi / 3600, secondi / 60 % 60, secondi % 60);
}

QString json(const QString& testo) {
    QString uscita = QStringLiteral("\"");
    for (const QChar c : testo) {
        switch (c.unicode()) {
        case u'"':
            uscita += QStringLiteral("\\\"");
            break;
        case u'\\':
            uscita += QStringLiteral("\\\\");
            break;
        case u'\b':
            uscita += QStringLiteral("\\b");
            break;
        case u'\f':
            uscita += QStringLiteral("\\f");
            break;
        case u'\n':
            uscita += QStringLiteral("\\n");
            break;
        case u'\r':
            uscita += QStringLiteral("\\r");
            break;
        case u'\t':
            uscita += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                uscita += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                uscita += c;
        }
    }
    return uscita + QLatin1Char('"');
}

} // namespace

QString TestoCanonico(const Valore& valore, const QString& tipo) {
    if (tipo == u"boolean")
        return valore.intero() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    if (tipo == u"byte" || tipo == u"integer" || tipo == u"long")
        return QString::number(valore.intero());
    if (tipo == u"double")
        return numeroC(valore.numero(), 16);
    if (tipo == u"float")
        return numeroC(valore.numero(), 8);
    if (tipo == u"currency")
        return valuta(valore.numero());
    if (tipo == u"datetime")
        return dataOra(valore.numero());
    if (tipo == u"binary" || tipo == u"ole")
        return QString::fromLatin1(valore.byte().toHex());
    return valore.testo();
}

QString RigaCanonica(const std::vector<Valore>& riga, const QStringList& tipi) {
    QStringList celle;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        const QString tipo =
            i < static_cast<std::size_t>(tipi.size()) ? tipi[static_cast<qsizetype>(i)] : QString();
        celle << (riga[i].nullo() ? QStringLiteral("null") : json(TestoCanonico(riga[i], tipo)));
    }
    return QLatin1Char('[') + celle.join(u',') + QLatin1Char(']');
}

QString ImprontaCanonica(const Tabella& tabella, const QStringList& tipi) {
    QStringList righe;
    for (const auto& riga : tabella.righe)
        righe << RigaCanonica(riga, tipi);
    return QString::fromLatin1(
        QCryptographicHash::hash(righe.join(u'\n').toUtf8(), QCryptographicHash::Sha256).toHex());
}
