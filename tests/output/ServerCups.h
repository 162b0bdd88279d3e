#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <thread>

// The tests' own CUPS server (scripts/cups-privato, started by ctest before
// the tests that print through it; CUPS_SERVER and TS_CUPS_DIR name it).

// True when that server answers; `motivo` tells why not otherwise.
bool ServerCupsPronto(QString& motivo);

// A print queue made for one test with lpadmin and removed afterwards.
class CodaDiProva {
  public:
    // `uri` is the queue's device; without a model the queue is raw.
    CodaDiProva(const QString& nome, const QString& uri);
    ~CodaDiProva();
    CodaDiProva(const CodaDiProva&) = delete;
    CodaDiProva& operator=(const CodaDiProva&) = delete;

    bool creata() const { return creata_; }
    const QString& nome() const { return nome_; }
    // Makes the queue refuse new jobs.
    bool rifiuta() const;
    // Stops the queue: it takes jobs but prints none.
    bool disattiva() const;

  private:
    QString nome_;
    bool creata_ = false;
};

// A printer on a local TCP port, as a network printer listens on 9100: it
// takes one connection and keeps what arrives until the sender closes it.
class PortaDiStampa {
  public:
    PortaDiStampa();
    ~PortaDiStampa();
    PortaDiStampa(const PortaDiStampa&) = delete;
    PortaDiStampa& operator=(const PortaDiStampa&) = delete;

    int porta() const { return porta_; }
    // Waits for the job (at most `secondi`) and gives its bytes; empty if none came.
    QByteArray ricevuti(int secondi);

  private:
    int ascolto_ = -1;
    int porta_ = 0;
};

// The folder where the server's cups-pdf queue "PDF" leaves its files.
QString CartellaCupsPdf();

// Waits (at most `secondi`) for a PDF file whose name holds `titolo` to
// appear in `cartella` and be written whole; its path, or empty.
QString AttendiPdf(const QString& cartella, const QString& titolo, int secondi);
