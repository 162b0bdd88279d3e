#pragma once

#include "mdbwriter/ScrittoreMdb.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

// The suite's database files as the demo writes them: every table with the
// fields the suite keeps, each in the file of the same name, except SetStampa,
// which shares "Stampanti.mdb" with Stampanti.
class ArchiviDemo {
  public:
    explicit ArchiviDemo(const QDateTime& creazione);

    // The table of that name; std::out_of_range for a table the suite lacks.
    TabellaMdb& tabella(const QString& nome);
    // The file names, "AnagraficaHotels.mdb" and so on.
    QStringList file() const;
    // Writes every file into `cartella` (which must exist), replacing what
    // is there; raises ErroreScrittura.
    void salva(const QString& cartella) const;

  private:
    TabellaMdb& aggiungi(const QString& file, const QString& tabella);

    std::map<QString, std::unique_ptr<ScrittoreMdb>> scrittori_;
    std::map<QString, TabellaMdb*> tabelle_;
    QDateTime creazione_;
};
