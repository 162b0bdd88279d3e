#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// Collects what the process writes on standard error while the object lives.
class CatturaErrori {
  public:
    CatturaErrori();
    ~CatturaErrori();
    CatturaErrori(const CatturaErrori&) = delete;
    CatturaErrori& operator=(const CatturaErrori&) = delete;

    // What was written so far.
    QByteArray testo();

  private:
    QTemporaryFile file_;
    int originale_;
};
