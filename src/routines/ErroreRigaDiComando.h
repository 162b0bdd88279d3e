#pragma once

#include "routines/Errore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// The error, with an Italian message, for a command line that
// QCommandLineParser refused, whose own text is English: the fault is found
// again in the arguments (without the program's name) among the parser's
// options. Besides an unknown option there are two: an option that takes no
// value given one with "=", and an option that takes a value as the last
// argument, without it.
Errore ErroreRigaDiComando(const QCommandLineParser& parser, const QStringList& argomenti,
                           const QList<QCommandLineOption>& opzioni);
