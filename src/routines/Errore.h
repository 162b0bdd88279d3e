#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// What a failure is about. The batch command gives each kind an exit status
// of its own; the window shows an archive failure under a title of its own
// and every other under the title of the action that failed.
enum class GenereErrore {
    RigaDiComando, // an option that is unknown, lacks its value or has a bad one
    Richiesta,     // a room range, date, hotel, tableau or workstation number that cannot be used
    Archivio,      // a database missing, unreadable, damaged, or without a table or field
    FileStampa,    // the print file could not be written
    Uscita,        // a spreadsheet, PDF file, week chart or print that could not be made
};

// The one error the program raises for a failure the user must be told
// about. The message is Italian and complete, one or more lines without
// line-break characters: whoever shows it joins them as its medium wants.
class Errore : public std::runtime_error {
  public:
    Errore(GenereErrore genere, const QString& riga);
    Errore(GenereErrore genere, const QStringList& righe);

    GenereErrore genere() const { return genere_; }
    const QStringList& righe() const { return righe_; }
    // The lines joined by line feeds.
    QString messaggio() const;

  private:
    GenereErrore genere_;
    QStringList righe_;
};
