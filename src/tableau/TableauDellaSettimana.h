#pragma once

#include "routines/MemoriaGrande.h"
#include "tableau/GiorniCamera.h"
#include "tableau/Intestazione.h"
#include "tableau/Settimana.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// One room of the tableau: its number as read and its seven days.
struct CameraDellaSettimana {
    QString camera;
    GiorniCamera giorni;
};

// What the weekly tableau shows, as the report gathered it for the print
// file: the names of the title, the week, the moment of printing and the
// day tables of the selected rooms in their order. Outputs other than the
// print file are drawn from it, never from the print file's text.
struct TableauDellaSettimana {
    Intestazione intestazione;
    Settimana settimana;
    QDateTime momento;
    std::vector<CameraDellaSettimana, AllocatoreGrande<CameraDellaSettimana>> camere;
};

// A tableau written into the print file: the file's bytes as this run
// wrote them, and the data they were made of.
struct TableauScritto {
    QByteArray byte;
    TableauDellaSettimana dati;

    // The file's lines as they read back, made when an output asks for them.
    QStringList righe() const;
};
