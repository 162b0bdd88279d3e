#pragma once

#include "archivi/Tabella.h"
#include "archivi/Valore.h"

#include <QString>
#include <QStringList>

// The canonical text of rows that the shared Access samples are described
// with: each row a JSON array with one string (or null) per column, rows
// joined by a line feed. `tipo` is the column's type name in the samples'
// manifest ("text", "long", "datetime", ...).
QString TestoCanonico(const Valore& valore, const QString& tipo);
QString RigaCanonica(const std::vector<Valore>& riga, const QStringList& tipi);
// SHA-256, lower-case hex, of the whole table's canonical text.
QString ImprontaCanonica(const Tabella& tabella, const QStringList& tipi);
