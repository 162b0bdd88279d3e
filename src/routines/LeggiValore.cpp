#include "routines/LeggiValore.h"

namespace {
bool spazio(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
} // namespace

double LeggiValore(const QString& testo) {
    double valore = 0;
    double peso = 0; // 0 before the decimal point, then 0.1, 0.01 ...
    bool negativo = false;
    bool inizio = true;
    for (const QChar c : testo) {
        if (spazio(c))
            continue;
        if (inizio && (c == u'-' || c == u'+')) {
            negativo = c == u'-';
            inizio = false;
            continue;
        }
        inizio = false;
        if (c == u'.' && peso == 0) {
            peso = 0.1;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        const int cifra = c.unicode() - u'0';
        if (peso == 0) {
            valore = valore * 10 + cifra;
        } else {
            valore += cifra * peso;
            peso /= 10;
        }
    }
    return negativo ? -valore : valore;
}
