#include "grafico/CaratteriGrafico.h"

#include <QStringList>

QFont CarattereGrafico(double punti, bool grassetto) {
    QFont carattere;
    carattere.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    carattere.setStyleHint(QFont::SansSerif);
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    carattere.setHintingPreference(QFont::PreferNoHinting);
    carattere.setKerning(false);
    return carattere;
}
