#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a text file of the suite, without their line ends (CR LF, or
// a lone CR or LF; a last line without one counts too). Each byte becomes the
// character of its Windows-1252 value, so writing the lines back gives the
// same bytes. Empty when the file does not exist; an output Errore when it
// exists and cannot be read: the files read are those the outputs are made
// of (the print file, the settings files).
std::optional<QStringList> LeggiRighe(const QString& percorso);

// The lines of a file's bytes, read as LeggiRighe reads them.
QStringList RigheDaByte(const QByteArray& byte);
