#pragma once

#include <QString>
#include <QStringList>

// The suite names its files without regard to case, as on the file system it
// was made for. These find a bare file name in the current directory the same
// way on a case-sensitive file system.

struct FileTrovato {
    // Every entry of the folder whose name equals the one sought, ignoring
    // case; the exact spelling comes first when it is among them.
    QStringList nomi;

    bool esiste() const { return !nomi.isEmpty(); }
    bool ambiguo() const { return nomi.size() > 1; }
    // The path of the file to use: the exact spelling when present, else the
    // only match, else the name as sought (for a file yet to be written).
    QString percorso() const;

    QString cercato;
};

FileTrovato TrovaFile(const QString& nome);
