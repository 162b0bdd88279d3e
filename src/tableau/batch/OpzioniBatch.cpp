#include "tableau/batch/OpzioniBatch.h"

#include "tableau/batch/GraficoBatch.h"
#include "tableau/batch/UscitaBatch.h"

#include <QCommandLineParser>

#include <limits>

namespace {

std::int16_t numero16(const QString& opzione, const QString& valore) {
    bool ok = false;
    const int numero = valore.trimmed().toInt(&ok);
    if (!ok || numero < std::numeric_limits<std::int16_t>::min() ||
        numero > std::numeric_limits<std::int16_t>::max())
        throw ErroreOpzioni(
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
    throw ErroreOpzioni(
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
    elenco.push_back({QStringLiteral("version"), QString(),
                      QStringLiteral("mostra la versione ed esce"),
                      [](OpzioniBatch& o, const QString&) { o.versione = true; }});
    elenco.push_back(
        {QStringLiteral("help"), QString(), QStringLiteral("mostra questo aiuto ed esce"),
         [](OpzioniBatch& o, const QString&) { o.aiuto = true; }, QStringLiteral("h")});
    return elenco;
}

const OpzioneBatch* trova(const QString& nome) {
    for (const OpzioneBatch& opzione : OpzioniConosciute()) {
        if (opzione.nome == nome)
            return &opzione;
    }
    return nullptr;
}

QStringList nomi(const OpzioneBatch& opzione) {
    QStringList nomi{opzione.nome};
    if (!opzione.breve.isEmpty())
        nomi.prepend(opzione.breve);
    return nomi;
}

// The parser words its faults in English: the fault is found again in the
// arguments and told in Italian. Besides an unknown option there are two:
// an option that takes no value given one with "=", and an option that
// takes a value as the last argument, without it.
QString motivo(const QCommandLineParser& parser, const QStringList& argomenti) {
    if (const QStringList sconosciute = parser.unknownOptionNames(); !sconosciute.isEmpty()) {
        const QString& nome = sconosciute.front();
        return QStringLiteral("Opzione sconosciuta: %1%2. Usare --help per l'elenco delle opzioni.")
            .arg(nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nome);
    }
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& argomento = argomenti[i];
        if (argomento == u"--")
            break;
        if (!argomento.startsWith(QLatin1String("--")))
            continue;
        const qsizetype uguale = argomento.indexOf(u'=');
        const QString nome = argomento.mid(2, uguale < 0 ? -1 : uguale - 2);
        const OpzioneBatch* opzione = trova(nome);
        if (!opzione)
            continue;
        if (opzione->valore.isEmpty() && uguale >= 0)
            return QStringLiteral("L'opzione --%1 non vuole un valore.").arg(nome);
        if (!opzione->valore.isEmpty() && uguale < 0 && ++i == argomenti.size())
            return QStringLiteral("Manca il valore dell'opzione --%1.").arg(nome);
    }
    return parser.errorText();
}

} // namespace

const std::vector<OpzioneBatch>& OpzioniConosciute() {
    static const std::vector<OpzioneBatch> conosciute = opzioni();
    return conosciute;
}

OpzioniBatch LeggiOpzioniBatch(const QStringList& argomenti) {
    QCommandLineParser parser;
    for (const OpzioneBatch& opzione : OpzioniConosciute())
        parser.addOption(QCommandLineOption(nomi(opzione), opzione.descrizione, opzione.valore));
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tableau-settimanale-batch")} + argomenti))
        throw ErroreOpzioni(motivo(parser, argomenti));
    if (const QStringList altri = parser.positionalArguments(); !altri.isEmpty())
        throw ErroreOpzioni(
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
    if (letto.aiuto || letto.versione)
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
        throw ErroreOpzioni(
            QStringLiteral("Mancano le opzioni obbligatorie: %1. Usare --help per l'aiuto.")
                .arg(mancanti.join(QStringLiteral(", "))));
    if (letto.stampa && !letto.destinazione)
        throw ErroreOpzioni(QStringLiteral("L'opzione --stampa vuole anche --destinazione NOME."));
    ControllaOpzioniGrafico(letto);
    return letto;
}

QString TestoAiuto() {
    QString testo = QStringLiteral(
        "Uso: tableau-settimanale-batch --hotel N --tableau N --dalla-camera CAMERA --alla-camera "
        "CAMERA [--data GG/MM/AAAA] [altre opzioni]\n"
        "\n"
        "Scrive il tableau settimanale delle camere nel file di stampa della postazione\n"
        "(\"FD\" seguito dal valore di PCLocal), senza finestre, leggendo gli archivi della\n"
        "cartella corrente.\n"
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
                       "  0  tableau scritto\n"
                       "  2  riga di comando errata\n"
                       "  3  richiesta non valida (intervallo di camere, data, hotel o tableau\n"
                       "     inesistente, valore di PCLocal)\n"
                       "  4  archivio mancante o illeggibile\n"
                       "  5  file di stampa non scrivibile\n"
                       "  6  foglio di calcolo, PDF, grafico o stampa non riusciti\n"
                       "Ogni errore è descritto sullo standard error.\n");
    return testo;
}
