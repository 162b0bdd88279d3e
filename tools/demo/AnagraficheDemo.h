#pragma once

#include "demo/ArchiviDemo.h"
#include "demo/OpzioniDemo.h"

#include <QString>

#include <vector>

// A room of the demo, as the stays are generated for it.
struct CameraDemo {
    int hotel = 0;
    int tableau = 0;
    QString numero;
    // Most persons a stay in it has.
    int posti = 1;
    // Rooms that stay empty the whole period, so that the tableau shows some.
    bool libera = false;
};

// Fills hotels, tableaux, room types and rooms: two hotels (and a record
// numbered 0 that lists must skip); hotel 1 with three tableaux (one of them
// holding room 99, which sorts after 120 as text, and one of apartments only,
// which count as no room), plus a tableau numbered 0; hotel 2 with two.
// With `opzioni.camere` set, hotel 1 has that many rooms instead, on floors
// of 25, a tableau every 100 rooms. Returns the rooms, hotel by hotel.
std::vector<CameraDemo> ScriviAnagrafiche(ArchiviDemo& archivi, const OpzioniDemo& opzioni);
