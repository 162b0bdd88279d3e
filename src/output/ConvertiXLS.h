#pragma once

#include "print/PostoDiLavoro.h"

#include <QString>
#include <QStringList>

// Turns a print file into the workstation's spreadsheet file "fd" + PCLocal +
// ".csv", one line for each line of the print file (see ConvertiRigaXLS),
// with the separators of "SeparatoreXLS.txt". `fileStampa` is found in the
// current folder without regard to case. The spreadsheet file is replaced
// whole or left as it was: a print file that does not exist or a spreadsheet
// file that cannot be written raises an output Errore. Returns the path
// written.
QString ConvertiXLS(const QString& fileStampa,
                    const PostoDiLavoro& posto = PostoDiLavoro::corrente());

// The same for the lines of a print file already in hand.
QString ScriviFoglioXLS(const QStringList& righe, const PostoDiLavoro& posto);
