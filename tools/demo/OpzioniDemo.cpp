#include "demo/OpzioniDemo.h"

#include <QCommandLineParser>

#include <stdexcept>

namespace {

[[noreturn]] void Errore(const QString& messaggio) {
    throw std::invalid_argument(messaggio.toStdString());
}

int Intero(const QCommandLineParser& p, const QString& nome, int minimo, int massimo) {
    bool ok = false;
    const int n = p.value(nome).toInt(&ok);
    if (!ok || n < minimo || n > massimo)
        Errore(
            QStringLiteral("--%1 vuole un numero da %2 a %3").arg(nome).arg(minimo).arg(massimo));
    return n;
}

} // namespace

OpzioniDemo LeggiOpzioniDemo(const QStringList& argomenti, const QDate& oggi) {
    QCommandLineParser p;
    p.addPositionalArgument(QStringLiteral("cartella"),
                            QStringLiteral("cartella in cui scrivere gli archivi"));
    p.addOption({QStringLiteral("data"), QStringLiteral("giorno di riferimento"),
                 QStringLiteral("gg/mm/aaaa")});
    p.addOption({QStringLiteral("seme"), QStringLiteral("seme dei dati casuali"),
                 QStringLiteral("N"), QStringLiteral("1")});
    p.addOption({QStringLiteral("camere"), QStringLiteral("camere dell'hotel 1 (prova di carico)"),
                 QStringLiteral("N"), QStringLiteral("0")});
    p.addOption({QStringLiteral("anni"), QStringLiteral("anni di storia"), QStringLiteral("N"),
                 QStringLiteral("1")});
    p.addOption({QStringLiteral("camere-per-tableau"),
                 QStringLiteral("camere di ogni tableau dell'hotel 1 (prova di carico)"),
                 QStringLiteral("N"), QStringLiteral("100")});
    if (!p.parse(argomenti))
        Errore(p.errorText());
    if (p.positionalArguments().size() != 1)
        Errore(QStringLiteral(
            "Uso: genera-demo CARTELLA [--data gg/mm/aaaa] [--seme N] [--camere N --anni N "
            "--camere-per-tableau N]"));

    OpzioniDemo o;
    o.cartella = p.positionalArguments().front();
    o.riferimento = oggi;
    if (p.isSet(QStringLiteral("data"))) {
        o.riferimento =
            QDate::fromString(p.value(QStringLiteral("data")), QStringLiteral("dd/MM/yyyy"));
        if (!o.riferimento.isValid())
            Errore(QStringLiteral("--data vuole una data gg/mm/aaaa"));
    }
    bool ok = false;
    o.seme = p.value(QStringLiteral("seme")).toULongLong(&ok);
    if (!ok)
        Errore(QStringLiteral("--seme vuole un numero"));
    o.camere = Intero(p, QStringLiteral("camere"), 0, 20000);
    o.anni = Intero(p, QStringLiteral("anni"), 1, 30);
    o.camerePerTableau = Intero(p, QStringLiteral("camere-per-tableau"), 1, 20000);
    return o;
}
