#pragma once

#include "archivi/Tabella.h"
#include "mdbwriter/TipoJet.h"
#include "prove/tableau/ArchiviInMemoria.h"

#include <QDate>

#include <cstdint>
#include <map>

// The seven tables the tableau reads, with the fields it uses, filled by a
// test record by record. Values are typed: a number, a text (u"101") or
// Valore() for an absent value.
struct SuiteDiProva {
    SuiteDiProva();

    void hotel(Valore numero, Valore ragioneSociale);
    void tableau(Valore hotel, Valore codice, Valore descrizione);
    void camera(Valore hotel, Valore tableau, Valore numero);
    void cliente(Valore hotel, Valore camera, Valore arrivo, Valore partenza, Valore partito,
                 Valore componente, Valore progressivo, Valore nome);
    void ditta(Valore hotel, Valore codiceCliente, Valore ragioneSociale);
    void cameraPrenotata(Valore hotel, Valore camera, Valore prenotazione, Valore tipo,
                         Valore arrivo, Valore partenza, Valore persone);
    void scheda(Valore hotel, Valore prenotazione, Valore tipo, Valore ditta, Valore nome);

    // The tables in memory, each field of the kind salvaMdb writes it with.
    ArchiviInMemoria inMemoria() const;
    // Writes each table into the file of its name ("Tableau.mdb" and so
    // on) in the current folder: numbers as Integer or Long columns, texts
    // as Text columns.
    void salvaMdb() const;

    Tabella hotels, tableaux, camere, clienti, ditte, camerePrenotate, schede;
};

// A seeded random suite: two hotels, three tableaux, rooms whose numbers
// sort differently as text and as numbers, parties of guests, departed
// guests, reservations of every kind, cards whose numbers collide with guest
// numbers, absent values and long names, all around the week from `primo`.
// Writes one table into `file` as salvaMdb does, save that a field named in
// `tipi` gets the type given there (a number field written as text, say).
void SalvaTabellaMdb(const Tabella& tabella, const QString& file,
                     const std::map<QString, TipoJet>& tipi = {});

SuiteDiProva SuiteCasuale(std::uint32_t seme, const QDate& primo);

// The small suite whose print file tests/tableau/attesi/piccolo.txt holds,
// written out by hand: hotel 1, tableau 2, rooms 100 to 200 from 07/01/2026.
SuiteDiProva SuitePiccola();
