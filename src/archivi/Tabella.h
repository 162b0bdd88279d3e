#pragma once

#include "archivi/Criterio.h"
#include "archivi/GenereCampo.h"
#include "archivi/Valore.h"

#include <QString>

#include <vector>

// Rows read from one table: field names in column order and the live rows in
// the order the file holds them.
struct Tabella {
    QString nome;
    std::vector<QString> campi;
    std::vector<std::vector<Valore>> righe;
    // The kind of each field as the table definition gives it. Tables built
    // in memory may leave it empty, or a field Ignoto: such fields are not
    // checked.
    std::vector<GenereCampo> generi;
    // The name of the database file the table was read from, for messages;
    // empty for a table built in memory.
    QString archivio;

    // Position of a field, found without regard to case as Jet does; -1 when absent.
    int indiceCampo(const QString& campo) const;
    GenereCampo genere(int campo) const;
    // The same table without its rows.
    Tabella senzaRighe() const;

    // ErroreArchivio naming the field, the table and the file when the field
    // at `campo` is of a kind that cannot be compared with a value of kind
    // `valore`. Searching such a field is refused as Jet refuses it, rather
    // than finding nothing.
    void verificaConfronto(int campo, GenereCampo valore) const;
    // The same for every comparison of a condition; `colonne[i]` is the
    // position of the i-th name of its campi(). Only the fields' kinds are
    // read, so the check costs nothing a row and comes even when the table
    // is empty or the field is null everywhere.
    void verificaCriterio(const Criterio& criterio, const std::vector<int>& colonne) const;
};
