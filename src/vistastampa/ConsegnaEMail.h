#pragma once

#include "print/PostoDiLavoro.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The hand-off of the text in view to the suite's e-mail program: a message
// file in the current folder that the program finds by its name, then the
// program started on its own, without arguments and without waiting for it.

inline const QString kProgrammaEMail = QStringLiteral("Spedix.exe");

// "e-mail" + the workstation number as set (its text form) + ".txt".
QString NomeFileEMail(const PostoDiLavoro& posto);

// The message file's bytes: the line "OGGETTO" (the subject, filled in by
// the e-mail program), the lines of the text, and one empty line; every line
// ends with CR LF, characters are Windows-1252.
QByteArray ContenutoEMail(const QString& testoVista);

// Writes the message file, replacing an earlier one, and starts the e-mail
// program found under its name on the PATH. Returns the Italian text of the
// problem when the file cannot be written or the program cannot be started;
// a file already written stays.
std::optional<QString> ConsegnaEMail(const PostoDiLavoro& posto, const QString& testoVista);
