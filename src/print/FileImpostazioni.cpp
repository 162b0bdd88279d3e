#include "print/FileImpostazioni.h"

#include "print/LeggiRighe.h"
#include "print/NomiFile.h"
#include "routines/TestoAnsi.h"

#include <algorithm>

namespace {

// A settings value is a short text: a longer line is damage, not a font
// name or a separator (a separator of megabytes would go between every two
// fields of the spreadsheet), and gives the default.
constexpr qsizetype kLunghezzaValore = 255;

// The lines of a settings file. The files are Windows-1252 text; one saved
// by an editor as UTF-8 with a byte-order mark is read as UTF-8 instead, its
// mark dropped, so that neither the mark nor the bytes of its accented
// letters end up in the values.
QStringList righeImpostazioni(FileDiStampa file) {
    QStringList righe = LeggiRighe(PercorsoFile(file)).value_or(QStringList());
    const QString marca = DaAnsi(QByteArray("\xEF\xBB\xBF"));
    if (righe.isEmpty() || !righe.front().startsWith(marca))
        return righe;
    righe.front().remove(0, marca.size());
    for (QString& riga : righe)
        riga = QString::fromUtf8(InAnsi(riga));
    return righe;
}

bool valoreUsabile(const QString& riga) {
    return riga.size() <= kLunghezzaValore;
}

} // namespace

QString CarattereStampa() {
    const QStringList righe = righeImpostazioni(FileDiStampa::Carattere);
    if (righe.isEmpty())
        return QStringLiteral("Courier New");
    const QString nome = righe.front().trimmed();
    // Control characters are no part of a font name: such a line is binary
    // damage.
    const bool controlli = std::any_of(
        nome.begin(), nome.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (nome.isEmpty() || controlli || !valoreUsabile(nome))
        return QStringLiteral("Courier New");
    return nome;
}

SeparatoriXLS LeggiSeparatoriXLS() {
    SeparatoriXLS separatori;
    const QStringList righe = righeImpostazioni(FileDiStampa::Separatori);
    QString* valori[] = {&separatori.campo, &separatori.decimale, &separatori.valuta};
    for (qsizetype i = 0; i < righe.size() && i < 3; ++i) {
        if (valoreUsabile(righe[i]))
            *valori[i] = righe[i];
    }
    return separatori;
}
