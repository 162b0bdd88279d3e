#pragma once

#include "archivi/Recordset.h"
#include "archivi/Selezione.h"

#include <QString>
#include <QStringList>

#include <memory>

class FileJet;

// An open database file. Record sets it opens stay valid after Close();
// the file itself is released then.
class Database {
  public:
    explicit Database(std::shared_ptr<FileJet> file);

    Recordset OpenRecordset(const QString& tabella) const;
    Recordset OpenRecordset(const Selezione& selezione) const;
    QStringList tabelle() const;
    QString nome() const;
    // True when the file on disk is no longer the state this database last
    // read: another program wrote or replaced it since.
    bool cambiatoSulDisco() const;
    void Close();

  private:
    const FileJet& file() const;
    std::shared_ptr<FileJet> file_;
};
