#include "routines/ErroreRigaDiComando.h"

namespace {

const QCommandLineOption* Trova(const QList<QCommandLineOption>& opzioni, const QString& nome) {
    for (const QCommandLineOption& opzione : opzioni) {
        if (opzione.names().contains(nome))
            return &opzione;
    }
    return nullptr;
}

QString Motivo(const QCommandLineParser& parser, const QStringList& argomenti,
               const QList<QCommandLineOption>& opzioni) {
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
        const QCommandLineOption* opzione = Trova(opzioni, nome);
        if (!opzione)
            continue;
        if (opzione->valueName().isEmpty() && uguale >= 0)
            return QStringLiteral("L'opzione --%1 non vuole un valore.").arg(nome);
        if (!opzione->valueName().isEmpty() && uguale < 0 && ++i == argomenti.size())
            return QStringLiteral("Manca il valore dell'opzione --%1.").arg(nome);
    }
    return QStringLiteral("Riga di comando non valida. Usare --help per l'elenco delle opzioni.");
}

} // namespace

Errore ErroreRigaDiComando(const QCommandLineParser& parser, const QStringList& argomenti,
                           const QList<QCommandLineOption>& opzioni) {
    return Errore(GenereErrore::RigaDiComando, Motivo(parser, argomenti, opzioni));
}
