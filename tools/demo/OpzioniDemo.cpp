#include "demo/OpzioniDemo.h"

#include "routines/ErroreRigaDiComando.h"

#include <QCommandLineParser>

namespace {

const QString kUso =
    QStringLiteral("Uso: genera-demo CARTELLA [--data GG/MM/AAAA] [--seme N] [--camere N --anni N "
                   "--camere-per-tableau N]");

[[noreturn]] void Rifiuta(const QString& messaggio) {
    throw Errore(GenereErrore::RigaDiComando, messaggio);
}

QList<QCommandLineOption> Opzioni() {
    return {
        {QStringLiteral("data"),
         QStringLiteral("giorno intorno a cui cadono i dati (oggi se manca)"),
         QStringLiteral("GG/MM/AAAA")},
        {QStringLiteral("seme"), QStringLiteral("seme dei dati casuali (1 se manca)"),
         QStringLiteral("N"), QStringLiteral("1")},
        {QStringLiteral("camere"),
         QStringLiteral("camere dell'hotel 1 per le prove di carico, da 0 a 20000 (0 se manca)"),
         QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("anni"), QStringLiteral("anni di storia, da 1 a 30 (1 se manca)"),
         QStringLiteral("N"), QStringLiteral("1")},
        {QStringLiteral("camere-per-tableau"),
         QStringLiteral(
             "camere di ogni tableau dell'hotel 1 per le prove di carico (100 se manca)"),
         QStringLiteral("N"), QStringLiteral("100")},
        {QStringLiteral("version"), QStringLiteral("mostra la versione ed esce")},
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("mostra questo aiuto ed esce")},
    };
}

int Intero(const QCommandLineParser& p, const QString& nome, int minimo, int massimo) {
    bool ok = false;
    const int n = p.value(nome).toInt(&ok);
    if (!ok || n < minimo || n > massimo)
        Rifiuta(QStringLiteral("Il valore di --%1 deve essere un numero da %2 a %3, non \"%4\".")
                    .arg(nome)
                    .arg(minimo)
                    .arg(massimo)
                    .arg(p.value(nome)));
    return n;
}

} // namespace

OpzioniDemo LeggiOpzioniDemo(const QStringList& argomenti, const QDate& oggi) {
    QCommandLineParser p;
    const QList<QCommandLineOption> opzioni = Opzioni();
    p.addOptions(opzioni);
    if (!p.parse(argomenti))
        throw ErroreRigaDiComando(p, argomenti.mid(1), opzioni);

    OpzioniDemo o;
    o.aiuto = p.isSet(QStringLiteral("help"));
    o.versione = p.isSet(QStringLiteral("version"));
    if (o.aiuto || o.versione)
        return o;
    if (p.positionalArguments().size() != 1)
        throw Errore(GenereErrore::RigaDiComando,
                     {kUso, QStringLiteral("Usare --help per l'aiuto.")});
    o.cartella = p.positionalArguments().front();
    o.riferimento = oggi;
    if (p.isSet(QStringLiteral("data"))) {
        o.riferimento =
            QDate::fromString(p.value(QStringLiteral("data")), QStringLiteral("dd/MM/yyyy"));
        if (!o.riferimento.isValid())
            Rifiuta(
                QStringLiteral("Il valore di --data deve essere una data gg/mm/aaaa, non \"%1\".")
                    .arg(p.value(QStringLiteral("data"))));
    }
    bool ok = false;
    o.seme = p.value(QStringLiteral("seme")).toULongLong(&ok);
    if (!ok)
        Rifiuta(QStringLiteral("Il valore di --seme deve essere un numero, non \"%1\".")
                    .arg(p.value(QStringLiteral("seme"))));
    o.camere = Intero(p, QStringLiteral("camere"), 0, 20000);
    o.anni = Intero(p, QStringLiteral("anni"), 1, 30);
    o.camerePerTableau = Intero(p, QStringLiteral("camere-per-tableau"), 1, 20000);
    return o;
}

QString TestoAiutoDemo() {
    QString testo =
        kUso + QStringLiteral("\n\n"
                              "Scrive nella CARTELLA (creata se manca) gli archivi di una suite\n"
                              "alberghiera di prova, con i dati intorno al giorno indicato, per\n"
                              "provare il tableau settimanale.\n"
                              "\n"
                              "Opzioni:\n");
    for (const QCommandLineOption& opzione : Opzioni()) {
        QStringList nomi;
        for (const QString& nome : opzione.names())
            nomi << (nome.size() == 1 ? u'-' + nome : QStringLiteral("--") + nome);
        QString forma = QStringLiteral("  ") + nomi.join(QStringLiteral(", "));
        if (!opzione.valueName().isEmpty())
            forma += u' ' + opzione.valueName();
        testo += forma.leftJustified(26, u' ') + opzione.description() + u'\n';
    }
    return testo + QStringLiteral("\n"
                                  "Esito:\n"
                                  "  0  archivi scritti\n"
                                  "  1  archivi non scritti (il motivo è sullo standard error)\n"
                                  "  2  riga di comando errata\n");
}
