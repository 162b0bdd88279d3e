#pragma once

#include <QByteArray>
#include <QString>

// The print file of a small tableau (two rooms, 132 columns, code page 437
// frames, Windows-1252 letters), as the report writes it.
QByteArray TableauDiProva();
