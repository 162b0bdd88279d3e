#pragma once

#include "mdbwriter/TabellaMdb.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

// Writes a Jet 4 (Access 2000) database file holding one or more tables,
// for tests and demo data:
//
//     ScrittoreMdb w;
//     TabellaMdb& t = w.tabella("Tableau");
//     t.colonna("NumeroHotel", TipoJet::Intero).colonna("Descrizione", TipoJet::Testo, 50);
//     t.riga({1, QString("Piano terra")});
//     w.salva("Tableau.mdb");
//
// The file has 4 KiB pages, UTF-16 text (compressed where shorter), no
// indexes, and a catalogue that readers of Access files understand.
class ScrittoreMdb {
  public:
    ScrittoreMdb();
    ~ScrittoreMdb();
    ScrittoreMdb(const ScrittoreMdb&) = delete;
    ScrittoreMdb& operator=(const ScrittoreMdb&) = delete;

    // The table of that name, added on first use (names compare without
    // regard to case, as Jet's do). Tables keep the order of first use.
    TabellaMdb& tabella(const QString& nome);
    // Stamped in the header and the catalogue; the default, 1/1/2000, keeps
    // files reproducible.
    void dataCreazione(const QDateTime& momento) { creazione_ = momento; }

    QByteArray contenuto() const;
    // Writes the file whole or not at all; raises ErroreScrittura.
    void salva(const QString& percorso) const;

  private:
    std::vector<std::unique_ptr<TabellaMdb>> tabelle_;
    QDateTime creazione_;
};
