#pragma once

#include "mdbwriter/CodificaRiga.h"
#include "mdbwriter/ColonnaMdb.h"
#include "mdbwriter/TipoJet.h"

#include "archivi/Valore.h"

#include <QString>

#include <cstddef>
#include <vector>

// How a row is left in the file. A deleted row keeps its bytes in its slot,
// flagged deleted. A moved row leaves in its slot a pointer to a copy on a
// later page, as Jet does when an update makes a row outgrow its page.
enum class StatoRiga { Viva, Cancellata, Spostata };

// One table of a file being written: its columns, then its rows in file
// order. Rows are encoded as they are added, so a value that does not suit
// its column is reported at once, naming table and column.
class TabellaMdb {
  public:
    explicit TabellaMdb(QString nome, bool diSistema = false);

    // Adds a column; all columns come before the first row. `lunghezza` is
    // the most characters of a Text column (1..255, default 255) or bytes of
    // a Binary one.
    TabellaMdb& colonna(const QString& nome, TipoJet tipo, int lunghezza = 0);
    // Text in one byte per character where it can be (default on); set
    // before the first row.
    TabellaMdb& testoCompresso(bool comprimi);

    // Values in column order: a null Valore for NULL (any type but
    // Boolean), text for Text and Memo, whole numbers for
    // Boolean/Byte/Integer/Long, numbers for Single/Double, Valore::valuta or
    // a number for Currency (exact to the ten-thousandth up to about 900
    // billion, as Valore hands amounts over as doubles), Valore::dataOra
    // (days from 30/12/1899, see DataJet.h) for DateTime, Valore::binario
    // for Binary and OleObject.
    void riga(const std::vector<Valore>& valori, StatoRiga stato = StatoRiga::Viva);
    void rigaCancellata(const std::vector<Valore>& valori) { riga(valori, StatoRiga::Cancellata); }
    void rigaSpostata(const std::vector<Valore>& valori) { riga(valori, StatoRiga::Spostata); }

    const QString& nome() const { return nome_; }
    bool diSistema() const { return diSistema_; }
    bool compressa() const { return comprimi_; }
    const std::vector<ColonnaMdb>& colonne() const { return colonne_; }
    int colonneVariabili() const { return variabili_; }

    struct Riga {
        RigaCodificata codifica;
        StatoRiga stato;
    };
    const std::vector<Riga>& righe() const { return righe_; }
    // Rows a reader finds: all but the deleted ones.
    std::size_t righeVive() const { return vive_; }

  private:
    QString nome_;
    bool diSistema_;
    bool comprimi_ = true;
    std::vector<ColonnaMdb> colonne_;
    int fisso_ = 0;
    int variabili_ = 0;
    std::vector<Riga> righe_;
    std::size_t vive_ = 0;
};
