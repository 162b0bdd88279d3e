#include "batch/UscitaBatch.h"

#include "output/ConvertiXLS.h"
#include "routines/Errore.h"

#include <QDir>

void EseguiUsciteBatch(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                       const TableauScritto& tableau, QTextStream& uscita,
                       const ScritturaConCaratteri& conCaratteri) {
    if (opzioni.foglio) {
        const QString foglio = ScriviFoglioXLS(tableau.righe(), posto);
        uscita << "Foglio di calcolo scritto in " << QDir::current().relativeFilePath(foglio)
               << '\n';
    }
    if (conCaratteri)
        conCaratteri(opzioni, posto, tableau, uscita);
    uscita.flush();
}

bool UsciteConCaratteri(const QStringList& argomenti) {
    try {
        const OpzioniBatch opzioni = LeggiOpzioniBatch(argomenti);
        return opzioni.pdf || opzioni.stampa || opzioni.grafico;
    } catch (const Errore&) {
        return false;
    }
}

std::vector<OpzioneBatch> OpzioniUscitaBatch() {
    return {
        {QStringLiteral("csv"), QString(),
         QStringLiteral("scrive anche il foglio di calcolo \"fd\" + PCLocal + \".csv\""),
         [](OpzioniBatch& o, const QString&) { o.foglio = true; }},
        {QStringLiteral("pdf"), QStringLiteral("FILE"),
         QStringLiteral(
             "scrive in FILE le pagine che la destinazione stamperebbe (senza --destinazione, "
             "quella PDF del menu di stampa)"),
         [](OpzioniBatch& o, const QString& v) { o.pdf = v; }},
        {QStringLiteral("stampa"), QString(),
         QStringLiteral("stampa sulla destinazione indicata con --destinazione"),
         [](OpzioniBatch& o, const QString&) { o.stampa = true; }},
        {QStringLiteral("destinazione"), QStringLiteral("NOME"),
         QStringLiteral("destinazione della tabella Stampanti per --stampa e --pdf"),
         [](OpzioniBatch& o, const QString& v) { o.destinazione = v; }},
        {QStringLiteral("stampante"), QStringLiteral("NOME"),
         QStringLiteral("stampante o dispositivo che sostituisce quello della destinazione"),
         [](OpzioniBatch& o, const QString& v) { o.stampante = v; }},
        {QStringLiteral("compressa"), QString(), QStringLiteral("stampa compressa"),
         [](OpzioniBatch& o, const QString&) { o.compressa = true; }},
        {QStringLiteral("orizzontale"), QString(), QStringLiteral("stampa orizzontale"),
         [](OpzioniBatch& o, const QString&) { o.orizzontale = true; }},
        {QStringLiteral("fronte-retro"), QString(), QStringLiteral("stampa fronte / retro"),
         [](OpzioniBatch& o, const QString&) { o.fronteRetro = true; }},
    };
}
