#include "print/PostoDiLavoro.h"

#include "print/Ambiente.h"
#include "routines/Errore.h"
#include "routines/LeggiValore.h"

#include <QFile>

namespace {

bool controllo(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Why the value cannot be part of a file name; empty when it can.
QString motivoRifiuto(const QString& testo) {
    for (const QChar c : testo) {
        if (c == u'/' || c == u'\\')
            return QStringLiteral("un separatore di cartella");
        if (controllo(c))
            return QStringLiteral("un carattere di controllo");
    }
    if (testo.contains(QLatin1String("..")))
        return QStringLiteral("«..»");
    // The longest name made from the value, the document copy "fd" + value +
    // yyyyMMddhhmm + ".doc", and the temporary name a replacement is first
    // written under, must stay within the 255 bytes a file name may have.
    if (QFile::encodeName(testo).size() > PostoDiLavoro::kLunghezzaMassima)
        return QStringLiteral("troppi caratteri (%1)").arg(testo.size());
    return {};
}

// The value as it can be shown: control characters written as their code,
// and a value too long for a message cut short.
QString leggibile(const QString& testo) {
    constexpr qsizetype mostrati = 40;
    QString risultato;
    for (const QChar c : testo.left(mostrati)) {
        if (controllo(c))
            risultato += QStringLiteral("[%1]").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper();
        else
            risultato += c;
    }
    if (testo.size() > mostrati)
        risultato += QStringLiteral("…");
    return risultato;
}

} // namespace

PostoDiLavoro PostoDiLavoro::corrente() {
    return PostoDiLavoro(VariabileAmbiente(QStringLiteral("PCLocal")).value_or(QString()));
}

PostoDiLavoro::PostoDiLavoro(QString testo) : testo_(std::move(testo)) {
    const QString motivo = motivoRifiuto(testo_);
    if (!motivo.isEmpty())
        throw Errore(GenereErrore::Richiesta,
                     {QStringLiteral("Il numero di postazione PCLocal \"%1\" contiene %2 e non "
                                     "può far parte del nome di un file.")
                          .arg(leggibile(testo_), motivo),
                      QStringLiteral("Impostare PCLocal con il solo numero della postazione (per "
                                     "esempio 3). Nessun file è stato scritto.")});
}

double PostoDiLavoro::numero() const {
    return LeggiValore(testo_);
}

QString PostoDiLavoro::testoNumerico() const {
    return QString::number(numero(), 'g', 15);
}
