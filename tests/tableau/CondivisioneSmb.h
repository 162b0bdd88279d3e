#pragma once

#include <QString>

// A private SMB share of one test (scripts/condivisione): smbd serves
// `cartella` on 127.0.0.1 and smbnetfs mounts it. Started by the
// constructor; the destructor unmounts it and ends both programs by process
// id.
class CondivisioneSmb {
  public:
    explicit CondivisioneSmb(const QString& cartella);
    ~CondivisioneSmb();
    CondivisioneSmb(const CondivisioneSmb&) = delete;
    CondivisioneSmb& operator=(const CondivisioneSmb&) = delete;

    // The mounted folder; empty when the share did not start.
    const QString& montata() const { return montata_; }
    // Why the share cannot start here (smbd or FUSE missing or refused),
    // when it could not: the test is then skipped.
    const QString& saltata() const { return saltata_; }
    // Any other failure to start it.
    const QString& errore() const { return errore_; }

  private:
    QString script_, stato_, montata_, saltata_, errore_;
};
