#pragma once

#include "front/data/Valore.h"

#include <QString>

#include <vector>

// Rows read from one table: field names in column order and the live rows in
// the order the file holds them.
struct Tabella {
    QString nome;
    std::vector<QString> campi;
    std::vector<std::vector<Valore>> righe;

    // Position of a field, found without regard to case as Jet does; -1 when absent.
    int indiceCampo(const QString& campo) const;
};
