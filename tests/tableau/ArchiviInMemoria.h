#pragma once

#include "archivi/Tabella.h"
#include "tableau/SorgenteArchivi.h"

#include <QHash>

#include <atomic>

// Tables built by a test, served as the database files would serve them:
// a selection keeps the records that meet its condition, in table order,
// and its "In" part reads the inner table from the same set. Comparisons
// with fields of a kind the table gives are checked as the files check them.
// Threads may read it at the same time, as they may read the files.
class ArchiviInMemoria : public SorgenteArchivi {
  public:
    ArchiviInMemoria() = default;
    // Moved whole, while no thread reads it.
    ArchiviInMemoria(ArchiviInMemoria&& altri) noexcept;
    ArchiviInMemoria& operator=(ArchiviInMemoria&& altri) noexcept;

    void aggiungi(Tabella tabella);
    Tabella& tabella(const QString& nome);

    Recordset apri(const QString& file, const Selezione& selezione) override;

    // How many records each apri() handed out in all, for the tests that
    // check what the report reads.
    std::size_t recordConsegnati() const { return consegnati_; }

  private:
    // The table called `nome`; ErroreArchivio when there is none.
    const Tabella& trovata(const QString& nome) const;
    Tabella seleziona(const Tabella& tabella, const Criterio* dove) const;
    QHash<QString, Tabella> tabelle_;
    std::atomic<std::size_t> consegnati_{0};
};
