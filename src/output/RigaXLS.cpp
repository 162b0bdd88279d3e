#include "output/RigaXLS.h"

namespace {

// Positions outside the line hold no character, so they are no digit.
bool Cifra(const QString& riga, qsizetype i) {
    return i >= 0 && i < riga.size() && riga.at(i) >= u'0' && riga.at(i) <= u'9';
}

// A comma or point with a digit before it and two after it belongs to a number.
bool DentroUnNumero(const QString& riga, qsizetype i) {
    return Cifra(riga, i - 1) && Cifra(riga, i + 1) && Cifra(riga, i + 2);
}

} // namespace

QString ConvertiRigaXLS(const QString& riga, const SeparatoriXLS& separatori) {
    QString uscita;
    uscita.reserve(riga.size() + riga.size() / 4);
    for (qsizetype i = 0; i < riga.size(); ++i) {
        const QChar c = riga.at(i);
        switch (c.unicode()) {
        case 179:
        case 191:
        case 192:
        case 193:
        case 194:
        case 195:
        case 197:
        case 217:
        case 218:
        case u'|':
        case u'+':
            uscita += separatori.campo;
            break;
        case 180:
            // The right-hand end of a rule line closes the last field.
            if (i == riga.size() - 1)
                uscita += separatori.campo;
            else
                uscita += u' ';
            break;
        case 196:
            uscita += u' ';
            break;
        case u',':
            if (DentroUnNumero(riga, i)) {
                // The amount starts after the last blank: the currency symbol
                // takes that blank's place. An amount with no blank before it
                // gets no symbol.
                const qsizetype bianco = uscita.lastIndexOf(u' ');
                if (bianco >= 0 && !separatori.valuta.isEmpty())
                    uscita[bianco] = separatori.valuta.at(0);
                uscita += separatori.decimale;
            } else {
                uscita += u' ';
            }
            break;
        case u'.':
            // A thousands point is dropped.
            if (!DentroUnNumero(riga, i))
                uscita += u'.';
            break;
        case u'-':
            uscita += Cifra(riga, i + 1) ? u'-' : u' ';
            break;
        default:
            uscita += c;
            break;
        }
    }
    return uscita;
}
