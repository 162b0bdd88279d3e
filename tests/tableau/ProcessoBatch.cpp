#include "prove/tableau/ProcessoBatch.h"

#include <QProcess>
#include <QProcessEnvironment>

QString ProgrammaBatch() {
    return qEnvironmentVariable("TS_BUILD_DIR") +
           QStringLiteral("/src/batch/tableau-settimanale-batch");
}

EsecuzioneBatch EseguiProgrammaBatch(const QString& cartella, const QString& posto,
                                     const QStringList& argomenti, int millisecondi,
                                     const QStringList& avvio) {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const QString& nome : ambiente.keys())
        if (nome.compare(QLatin1String("PCLocal"), Qt::CaseInsensitive) == 0)
            ambiente.remove(nome);
    ambiente.insert(QStringLiteral("PCLocal"), posto);
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.setWorkingDirectory(cartella);
    if (avvio.isEmpty())
        processo.start(ProgrammaBatch(), argomenti);
    else
        processo.start(avvio.front(), avvio.mid(1) + QStringList{ProgrammaBatch()} + argomenti);
    EsecuzioneBatch esecuzione;
    if (!processo.waitForFinished(millisecondi)) {
        processo.kill();
        processo.waitForFinished();
    } else {
        esecuzione.conclusa = processo.exitStatus() == QProcess::NormalExit;
        esecuzione.esito = processo.exitCode();
    }
    esecuzione.uscita = processo.readAllStandardOutput();
    esecuzione.errori = processo.readAllStandardError();
    return esecuzione;
}
