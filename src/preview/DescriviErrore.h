#pragma once

#include <QFileDevice>
#include <QString>

// The Italian message for a failed file operation: what could not be done,
// the file's name and the cause in words a user can act on.
QString TestoErroreFile(const QString& azione, const QFileDevice& file);
