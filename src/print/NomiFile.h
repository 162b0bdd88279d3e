#pragma once

#include "print/PostoDiLavoro.h"

#include <QDateTime>
#include <QString>

// The files of the print side. Every reader and writer takes their names
// from NomeFile, so that the report, the printer output, the spreadsheet,
// the preview and the menu always meet on the same file.
enum class FileDiStampa {
    Stampa,          // "FD" + workstation (text form): the report, as written and as read
    CopiaDocumento,  // "doc/fd" + workstation + yyyyMMddhhmm + ".doc"
    FoglioDiCalcolo, // "fd" + workstation + ".csv"
    Carattere,       // "FontStp.txt": the font of printer output
    Separatori,      // "SeparatoreXLS.txt": the separators of the spreadsheet file
};

// The file's name relative to the current folder. The workstation names the
// report's files and `momento` dates the document copy; the settings files
// need neither.
QString NomeFile(FileDiStampa file, const PostoDiLavoro& posto = PostoDiLavoro(),
                 const QDateTime& momento = {});

// Where the file is, for reading or for replacing it: the entry of the
// current folder whose name equals NomeFile without regard to case ("fd3"
// serves for "FD3", and the exact spelling wins), else the name itself, for
// a file yet to be made. The document copy is looked for under its own name.
QString PercorsoFile(FileDiStampa file, const PostoDiLavoro& posto = PostoDiLavoro(),
                     const QDateTime& momento = {});

// Whether PercorsoFile names an existing file.
bool EsisteFile(FileDiStampa file, const PostoDiLavoro& posto = PostoDiLavoro(),
                const QDateTime& momento = {});
