#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A destination of table Stampanti as a test writes it.
struct DestinazioneDiProva {
    int hotel;
    QString nome;
    QString linea;
};

// Writes the suite's database files into the current folder for the print
// menu: hotel 1 with `opzioni` in CodiceAssistenza, the destinations in this
// record order, all of one printer type that prints directly (setup bytes
// ESC SI for compressed print, ESC DC2 for normal print, no top margin), and
// pages of 60 lines for hotel 1.
void ScriviArchiviDelMenu(const std::vector<DestinazioneDiProva>& destinazioni,
                          const QString& opzioni = {});

// The setup bytes that start a direct print of that printer type.
inline const QByteArray kAvvioCompresso("\x1b\x0f\0\0\0", 5);
inline const QByteArray kAvvioNormale("\x1b\x12\0\0\0", 5);
