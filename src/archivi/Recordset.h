#pragma once

#include "archivi/Criterio.h"
#include "archivi/Tabella.h"
#include "archivi/Valore.h"

#include <QString>

#include <cstddef>
#include <memory>

// A dynaset over the records of a table or a selection. Searching follows
// DAO: FindFirst / FindNext move to the first / next record, in record-set
// order, that meets the condition, and set NoMatch when there is none.
class Recordset {
  public:
    explicit Recordset(std::shared_ptr<const Tabella> dati);

    // Order for the record set that OpenRecordset() makes next: field names,
    // with or without brackets, separated by commas, each optionally followed
    // by ASC or DESC ("[NumeroCamera]"). Texts sort by character code.
    void setSort(const QString& ordine);
    Recordset OpenRecordset() const;

    // A comparison of a field with a value of a kind its column cannot be
    // compared with raises ErroreArchivio, as Jet refuses it, whether or not
    // any record holds a value there.
    void FindFirst(const Criterio& criterio);
    void FindNext(const Criterio& criterio);
    bool NoMatch() const { return noMatch_; }

    // The current record's value of a field; ErroreArchivio when the field
    // does not exist or there is no current record.
    Valore Campo(const QString& campo) const;

    // Direct access for passes that walk the records once in order.
    std::size_t RecordCount() const;
    // ErroreArchivio when the field does not exist.
    int IndiceCampo(const QString& campo) const;
    // The same for a field the caller compares, record by record, with
    // values of kind `confrontatoCome`: ErroreArchivio as for a search when
    // the field's kind cannot be compared with it.
    int IndiceCampo(const QString& campo, GenereCampo confrontatoCome) const;
    const Valore& valore(std::size_t record, int campo) const;

    QString nomeTabella() const;
    void Close();

  private:
    void cerca(const Criterio& criterio, std::size_t da);

    std::shared_ptr<const Tabella> dati_;
    QString ordine_;
    std::size_t corrente_ = 0;
    bool noMatch_ = false;
};
