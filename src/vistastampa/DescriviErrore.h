#pragma once

#include <QFileDevice>
#include <QString>

// The Italian message for a failed file operation: what could not be done,
// the file's name and folder, and the cause (MotivoErroreFile) for the error
// code the failing call left.
QString TestoErroreFile(const QString& azione, const QFileDevice& file, int codiceErrore);
