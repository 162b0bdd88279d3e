#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a text file of the suite, without their line ends (CR LF, or
// a lone CR or LF; a last line without one counts too). Each byte becomes the
// character of its Windows-1252 value, so writing the lines back gives the
// same bytes. Empty when the file does not exist; ErroreStampa when it exists
// and cannot be read.
std::optional<QStringList> LeggiRighe(const QString& percorso);

// The lines of a file's bytes, read as LeggiRighe reads them.
QStringList RigheDaByte(const QByteArray& byte);
