#include "batch/OpzioniBatch.h"

#include "batch/GraficoBatch.h"
#include "batch/UscitaBatch.h"
#include "routines/ErroreRigaDiComando.h"

#include <QCommandLineParser>

#include <limits>

namespace {

std::int16_t numero16(const QString& opzione, const QString& valore) {
    bool ok = false;
    const int numero = valore.trimmed().toInt(&ok);
    if (!ok || numero < std::numeric_limits<std::int16_t>::min() ||
        numero > std::numeric_limits<std::int16_t>::max())
        throw Errore(
            GenereErrore::RigaDiComando,
            QStringLiteral("Il valore di --%1 deve essere un numero intero da -32768 a 32767, non "
                           "\"%2\".")
                .arg(opzione, valore));
    return static_cast<std::int16_t>(numero);
}

QDateTime momento(const QString& valore) {
    const QString testo = valore.trimmed();
    for (const char* formato : {"dd/MM/yyyy HH:mm", "dd/MM/yyyy"}) {
        const QDateTime letto = QDateTime::fromString(testo, QString::fromLatin1(formato));
        if (letto.isValid())
            return letto;
    }
    throw Errore(
        GenereErrore::RigaDiComando,
        QStringLiteral(
            "Il valore di --orologio deve essere nel formato \"gg/mm/aaaa hh:mm\", non \"%1\".")
            .arg(valore));
}

std::vector<OpzioneBatch> opzioni() {
    std::vector<OpzioneBatch> elenco{
        {QStringLiteral("hotel"), QStringLiteral("N"),
         QStringLiteral("numero dell'hotel (obbligatorio)"),
         [](OpzioniBatch& o, const QString& v) { o.hotel = numero16(QStringLiteral("hotel"), v); }},
        {QStringLiteral("tableau"), QStringLiteral("N"),
         QStringLiteral("numero del tableau dell'hotel (obbligatorio)"),
         [](OpzioniBatch& o, const QString& v) {
             o.tableau = numero16(QStringLiteral("tableau"), v);
         }},
        {QStringLiteral("dalla-camera"), QStringLiteral("CAMERA"),
         QStringLiteral("prima camera dell'intervallo, confrontata come testo (obbligatoria)"),
         [](OpzioniBatch& o, const QString& v) { o.primaCamera = v; }},
        {QStringLiteral("alla-camera"), QStringLiteral("CAMERA"),
         QStringLiteral("ultima camera dell'intervallo, confrontata come testo (obbligatoria)"),
         [](OpzioniBatch& o, const QString& v) { o.ultimaCamera = v; }},
        {QStringLiteral("data"), QStringLiteral("GG/MM/AAAA"),
         QStringLiteral("primo giorno della settimana, anche ggmmaa o ggmmaaaa (oggi se manca)"),
         [](OpzioniBatch& o, const QString& v) { o.data = v; }},
        {QStringLiteral("orologio"), QStringLiteral("\"GG/MM/AAAA HH:MM\""),
         QStringLiteral("fissa il momento di stampa del titolo (e il giorno di oggi), per un "
                        "risultato riproducibile"),
         [](OpzioniBatch& o, const QString& v) { o.orologio = momento(v); }},
    };
    for (OpzioneBatch& opzione : OpzioniUscitaBatch())
        elenco.push_back(std::move(opzione));
    for (OpzioneBatch& opzione : OpzioniGraficoBatch())
        elenco.push_back(std::move(opzione));
    elenco.push_back({QStringLiteral("elenca"), QString(),
                      QStringLiteral("elenca gli hotel e i tableau degli archivi, con "
                                     "l'intervallo di camere proposto, ed esce"),
                      [](OpzioniBatch& o, const QString&) { o.elenca = true; }});
    elenco.push_back({QStringLiteral("verboso"), QString(),
                      QStringLiteral("dice quali file ha scritto e dove (senza, un lavoro "
                                     "riuscito non scrive nulla)"),
                      [](OpzioniBatch& o, const QString&) { o.verboso = true; }});
    elenco.push_back({QStringLiteral("version"), QString(),
                      QStringLiteral("mostra la versione ed esce"),
                      [](OpzioniBatch& o, const QString&) { o.versione = true; }});
    elenco.push_back(
        {QStringLiteral("help"), QString(), QStringLiteral("mostra questo aiuto ed esce"),
         [](OpzioniBatch& o, const QString&) { o.aiuto = true; }, QStringLiteral("h")});
    return elenco;
}

QStringList nomi(const OpzioneBatch& opzione) {
    QStringList nomi{opzione.nome};
    if (!opzione.breve.isEmpty())
        nomi.prepend(opzione.breve);
    return nomi;
}

} // namespace

const std::vector<OpzioneBatch>& OpzioniConosciute() {
    static const std::vector<OpzioneBatch> conosciute = opzioni();
    return conosciute;
}

OpzioniBatch LeggiOpzioniBatch(const QStringList& argomenti) {
    QCommandLineParser parser;
    QList<QCommandLineOption> daLeggere;
    for (const OpzioneBatch& opzione : OpzioniConosciute())
        daLeggere.append(QCommandLineOption(nomi(opzione), opzione.descrizione, opzione.valore));
    parser.addOptions(daLeggere);
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tableau-settimanale-batch")} + argomenti))
        throw ErroreRigaDiComando(parser, argomenti, daLeggere);
    if (const QStringList altri = parser.positionalArguments(); !altri.isEmpty())
        throw Errore(GenereErrore::RigaDiComando,
                     QStringLiteral(
                         "Argomento non previsto: \"%1\". Usare --help per l'elenco delle opzioni.")
                         .arg(altri.front()));

    OpzioniBatch letto;
    for (const OpzioneBatch& opzione : OpzioniConosciute()) {
        if (opzione.valore.isEmpty()) {
            if (parser.isSet(opzione.nome))
                opzione.applica(letto, QString());
            continue;
        }
        for (const QString& valore : parser.values(opzione.nome))
            opzione.applica(letto, valore);
    }
    if (letto.aiuto || letto.versione || letto.elenca)
        return letto;
    QStringList mancanti;
    if (!letto.hotel)
        mancanti << QStringLiteral("--hotel");
    if (!letto.tableau)
        mancanti << QStringLiteral("--tableau");
    if (!letto.primaCamera)
        mancanti << QStringLiteral("--dalla-camera");
    if (!letto.ultimaCamera)
        mancanti << QStringLiteral("--alla-camera");
    if (!mancanti.isEmpty())
        throw Errore(
            GenereErrore::RigaDiComando,
            QStringLiteral("Mancano le opzioni obbligatorie: %1. Usare --help per l'aiuto.")
                .arg(mancanti.join(QStringLiteral(", "))));
    if (letto.stampa && !letto.destinazione)
        throw Errore(GenereErrore::RigaDiComando,
                     QStringLiteral("L'opzione --stampa vuole anche --destinazione NOME."));
    ControllaOpzioniGrafico(letto);
    return letto;
}

QString TestoAiuto() {
    QString testo = QStringLiteral(
        "Uso: tableau-settimanale-batch --hotel N --tableau N --dalla-camera CAMERA --alla-camera "
        "CAMERA [--data GG/MM/AAAA] [altre opzioni]\n"
        "   o: tableau-settimanale-batch --elenca\n"
        "\n"
        "Scrive il tableau settimanale delle camere nel file di stampa della postazione\n"
        "(\"FD\" seguito dal valore di PCLocal), senza finestre, leggendo gli archivi della\n"
        "cartella corrente. Con --elenca mostra invece i numeri degli hotel e dei tableau\n"
        "da indicare.\n"
        "\n"
        "Opzioni:\n");
    for (const OpzioneBatch& opzione : OpzioniConosciute()) {
        const QString forma =
            QStringLiteral("  %1--%2%3")
                .arg(opzione.breve.isEmpty() ? QString()
                                             : u'-' + opzione.breve + QStringLiteral(", "),
                     opzione.nome, opzione.valore.isEmpty() ? QString() : u' ' + opzione.valore);
        testo += forma.leftJustified(34, u' ') + opzione.descrizione + u'\n';
    }
    testo +=
        QStringLiteral("\n"
                       "Esito:\n"
                       "  0  tableau scritto (o archivi elencati con --elenca)\n"
                       "  2  riga di comando errata\n"
                       "  3  richiesta non valida (intervallo di camere, data, hotel o tableau\n"
                       "     inesistente, valore di PCLocal)\n"
                       "  4  archivio mancante o illeggibile\n"
                       "  5  file di stampa non scrivibile\n"
                       "  6  foglio di calcolo, PDF, grafico o stampa non riusciti\n"
                       "Ogni errore è descritto sullo standard error; un lavoro riuscito non\n"
                       "scrive nulla sullo standard output, se non è chiesto --verboso.\n");
    return testo;
}
