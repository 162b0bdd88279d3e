#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of tableau-settimanale-batch as a process of its own, as a user
// or a script starts it: in folder `cartella`, with PCLocal set to `posto`.
struct EsecuzioneBatch {
    bool conclusa = false; // ended by itself, not by a signal nor stopped as too slow
    int esito = -1;        // the exit status, when conclusa
    QByteArray uscita, errori;
};

// The batch command of the build under test (TS_BUILD_DIR).
QString ProgrammaBatch();

// Runs the command and waits for it at most `millisecondi`; a run that
// takes longer is killed. `avvio`, when given, is a command the program is
// started through, its path and arguments following (setpriv, unshare).
EsecuzioneBatch EseguiProgrammaBatch(const QString& cartella, const QString& posto,
                                     const QStringList& argomenti, int millisecondi = 60000,
                                     const QStringList& avvio = {});
