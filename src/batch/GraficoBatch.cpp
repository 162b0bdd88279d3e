#include "batch/GraficoBatch.h"

#include "grafico/ScriviGrafico.h"

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

void EseguiGraficoBatch(const OpzioniBatch& opzioni, const TableauDellaSettimana& tableau,
                        QTextStream& uscita) {
    if (!opzioni.grafico)
        return;
    const int fogli = ScriviGrafico(tableau, opzioni.foglioGrafico, *opzioni.grafico);
    uscita << "Grafico della settimana scritto in " << *opzioni.grafico << " ("
           << (fogli == 1 ? QStringLiteral("1 foglio") : QStringLiteral("%1 fogli").arg(fogli))
           << ")\n";
}
