#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The print file of a small tableau (two rooms, 132 columns, code page 437
// frames, Windows-1252 letters), as the report writes it.
QByteArray TableauDiProva();

// Lines numbered from 1: `forma` with %1 replaced by the number, written
// with at least `cifre` digits.
QStringList RigheNumerate(int quante, const QString& forma = QStringLiteral("r%1"), int cifre = 1);
