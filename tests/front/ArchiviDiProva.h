#pragma once

#include <QString>

#include <functional>

class ArchiviDemo;

// Writes the suite's database files into the current folder, with hotels,
// tableaux and rooms chosen for the selection window's cases:
//   hotels, in this record order: 1 "Hotel Uno", 0 (never listed), 12 "Hotel Dodici";
//   hotel 1: tableau 7 "Piano primo" with bedrooms 101, 102 and 99, and two
//     rooms that do not count for its range (100 an apartment, 098 of an
//     unknown type); then tableau 0 (never listed) and tableau 2
//     "Appartamenti" with apartments only;
//   hotel 12: tableau 3 "Dodici" with bedroom 12.
// `ritocco` may add rows before the files are written.
void ScriviArchiviDiProva(const std::function<void(ArchiviDemo&)>& ritocco = {});

// The same files with no hotel numbered above 0.
void ScriviArchiviSenzaAlberghi();
