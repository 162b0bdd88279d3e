#pragma once

#include <QString>
#include <QStringList>

// Invented Italian names for the demo data: surnames, first names and
// companies. Some carry apostrophes and accented letters, as real registers do.
const QStringList& CognomiDemo();
const QStringList& NomiPropriDemo();
const QStringList& DitteDemo();
