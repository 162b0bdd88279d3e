#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// What every file under a folder holds, by its path relative to the folder,
// as a SHA-256 digest: taken before and after a hostile case, two sets that
// compare equal mean that no byte of any file changed and no file came or
// went. `filtri` keeps only the names that match one of the patterns
// ("*.mdb"), without regard to case.
QMap<QString, QByteArray> Impronte(const QString& cartella, const QStringList& filtri = {});

// The digests of the database files only.
QMap<QString, QByteArray> ImpronteArchivi(const QString& cartella);
