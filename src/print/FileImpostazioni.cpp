#include "print/FileImpostazioni.h"

#include "print/LeggiRighe.h"
#include "print/NomiFile.h"

QString CarattereStampa() {
    const auto righe = LeggiRighe(PercorsoFile(FileDiStampa::Carattere));
    if (righe && !righe->isEmpty() && !righe->front().trimmed().isEmpty())
        return righe->front().trimmed();
    return QStringLiteral("Courier New");
}

SeparatoriXLS LeggiSeparatoriXLS() {
    SeparatoriXLS separatori;
    const QStringList righe =
        LeggiRighe(PercorsoFile(FileDiStampa::Separatori)).value_or(QStringList());
    QString* valori[] = {&separatori.campo, &separatori.decimale, &separatori.valuta};
    for (qsizetype i = 0; i < righe.size() && i < 3; ++i)
        *valori[i] = righe[i];
    return separatori;
}
