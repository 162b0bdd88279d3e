#pragma once

#include <QFileDevice>
#include <QString>

// Why a file, folder or device operation failed, in the program's own
// Italian words whatever the machine's language: every message that carries
// a cause takes it from here.

// The cause for a system error code (errno).
QString MotivoDiSistema(int codiceErrore);

// The cause for a failed operation of a QFile or QSaveFile, from the error
// code its failing call left (errno, read right after the call). A code of
// 0 means the call failed without a system error: the kind of failure the
// file reports is told instead.
QString MotivoErroreFile(const QFileDevice& file, int codiceErrore);
