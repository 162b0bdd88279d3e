#include "batch/GraficoBatch.h"

std::vector<OpzioneBatch> OpzioniGraficoBatch() {
    return {
        {QStringLiteral("grafico"), QStringLiteral("FILE"),
         QStringLiteral("scrive in FILE il grafico della settimana (PDF): le camere in righe e i "
                        "sette giorni in colonne, con i nomi interi"),
         [](OpzioniBatch& o, const QString& v) { o.grafico = v; }},
        {QStringLiteral("carta"), QStringLiteral("A3|A4|letter"),
         QStringLiteral("formato del foglio del grafico (A4 se manca)"),
         [](OpzioniBatch& o, const QString& v) {
             const auto carta = FoglioGrafico::cartaDaNome(v.trimmed());
             if (!carta)
                 throw Errore(
                     GenereErrore::RigaDiComando,
                     QStringLiteral("Il valore di --carta deve essere A3, A4 o letter, non \"%1\".")
                         .arg(v));
             o.foglioGrafico.carta = *carta;
         }},
        {QStringLiteral("verticale"), QString(),
         QStringLiteral("grafico su foglio verticale (orizzontale se manca)"),
         [](OpzioniBatch& o, const QString&) { o.foglioGrafico.verticale = true; }},
    };
}

void ControllaOpzioniGrafico(const OpzioniBatch& opzioni) {
    if (!opzioni.grafico && (opzioni.foglioGrafico.verticale ||
                             opzioni.foglioGrafico.carta != FoglioGrafico::Carta::A4))
        throw Errore(
            GenereErrore::RigaDiComando,
            QStringLiteral("Le opzioni --carta e --verticale valgono solo con --grafico FILE."));
}
