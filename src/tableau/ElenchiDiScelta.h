#pragma once

#include "archivi/Recordset.h"

#include <QString>

#include <cstdint>
#include <vector>

// What the selection window offers to choose from, read from the suite's
// tables: the hotels, the tableaux of a hotel and the room range proposed
// for a tableau. The batch command's list of the suite shows the same.

// A hotel (number and company name) or a tableau (code and description).
struct VoceDiScelta {
    std::int64_t numero = 0;
    QString nome;
};

// The hotels of table AnagraficaHotels numbered above 0, in record-set order.
std::vector<VoceDiScelta> HotelDaScegliere(Recordset& hotels);

// The tableaux of the hotel in table Tableau, codes above 0, in record-set
// order.
std::vector<VoceDiScelta> TableauDaScegliere(Recordset& tableau, std::int16_t hotel);

// The room range proposed for a tableau: from the lowest to the highest of
// its rooms (table NumeriCamere) that is a bedroom (a type of kind "C" in
// table TipiCamere), in text order: 101 comes before 99. Without a bedroom
// the range runs from "ÿ" to "", as the window's fields then show it.
struct IntervalloCamere {
    QString prima;
    QString ultima;
    bool conCamere = false; // whether the tableau has a bedroom at all
};
IntervalloCamere IntervalloProposto(Recordset& camere, Recordset& tipiCamere, std::int16_t hotel,
                                    std::int16_t tableau);
