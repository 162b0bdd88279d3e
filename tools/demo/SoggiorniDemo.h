#pragma once

#include "demo/AnagraficheDemo.h"
#include "demo/ArchiviDemo.h"
#include "demo/OpzioniDemo.h"

#include <vector>

// Fills guests, reservations, reservation cards and invoiced companies for
// the rooms, from half a year before the reference day to half a year after
// it (with more years of history when `opzioni.anni` asks for them).
// Stays that ended are registered guests, mostly marked as left ("S"); stays
// under way have guests still in ("N" or no mark); future stays are
// reservations only. Reservations are of kind C, O, D, or others the tableau
// ignores; a few have no persons, no card, a card of another kind, or span
// two rooms. A quarter of the parties are invoiced to a company.
void ScriviSoggiorni(ArchiviDemo& archivi, const std::vector<CameraDemo>& camere,
                     const OpzioniDemo& opzioni);
