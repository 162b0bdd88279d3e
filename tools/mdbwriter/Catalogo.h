#pragma once

#include "mdbwriter/TabellaMdb.h"

#include <QString>

#include <cstdint>
#include <vector>

// A user table as the catalogue lists it: name and definition page.
struct VoceCatalogo {
    QString nome;
    std::uint32_t definizione;
};

// Page of the catalogue's own definition, where every reader starts.
constexpr std::uint32_t kPaginaCatalogo = 2;

// The system table MSysObjects of a file holding `tabelle`: the containers
// of tables, databases and relationships, itself, and one row per user
// table (Id = its definition page, Type 1, Flags 0).
TabellaMdb TabellaCatalogo(const std::vector<VoceCatalogo>& tabelle, double dataCreazione);
