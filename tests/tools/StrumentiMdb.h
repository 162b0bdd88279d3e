#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// mdbtools' command-line programs, run on files the writer made, as an
// independent reader of them.

// Output of one mdbtools program. A run that fails or writes anything on
// its error stream records a GoogleTest failure naming the command.
QString Mdb(const QString& programma, const QStringList& argomenti);

// A table as mdb-export gives it (ISO dates, -0 marking NULLs, so that a
// NULL differs from a text): the header's field names and each row's cells,
// an empty optional for NULL.
struct Esportazione {
    QStringList campi;
    std::vector<std::vector<std::optional<QString>>> righe;
};
Esportazione EsportaMdb(const QString& file, const QString& tabella);

// User tables as mdb-tables lists them.
QStringList TabelleMdb(const QString& file);
long long ContaMdb(const QString& file, const QString& tabella);
