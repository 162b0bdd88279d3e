#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// How the runs of the batch command ended while a database was rewritten
// under them; a fault keeps the messages of its first run.
struct Conteggi {
    int statoA = 0, statoB = 0, inModifica = 0;
    int mescolati = 0, caduti = 0, dannoDichiarato = 0;
    QString primoCaduto, primoDanno;
    long riscritture = 0;

    int esecuzioni() const;
    QString riga(int pausa, int secondi) const;
};

// Another program of the suite rewriting Camere_Prenotazione.mdb in place,
// page by page, alternately with two whole states of the same size
// (tools/concorrenza/riscrivi-archivio), while the batch command runs again
// and again on the folder. Every run must give the report of one state or
// the other, or stop with the message that the database is being changed: a
// silent mix of the two, a crash, or a missing table or damage blamed on a
// sound file is a fault.
class ArchivioConteso {
  public:
    // Writes the demo databases into `dati` and makes the two states and
    // the report of each in `lavoro`, the same folder as the batch command
    // and the other program see it (a share mounted, or `dati` itself).
    // Failures are gtest failures: the caller stops on HasFatalFailure().
    void prepara(const QString& dati, const QString& lavoro);

    // Runs the batch command over and over for `secondi` seconds while the
    // file is rewritten with a pause of `pausa` ms between rewrites, and
    // counts how each run ended; the counts are printed and recorded.
    Conteggi affianca(int pausa, int secondi);

    // No run mixed, crashed or blamed damage; some ran while the file was
    // rewritten.
    static void controlla(const Conteggi& conti);

    // The batch command and riscrivi-archivio, those that are not built
    // (empty when both are).
    static QString programmiMancanti();

  private:
    QString statoA() const;
    QString statoB() const;
    QByteArray stampa();

    QTemporaryDir stati_;
    QString lavoro_;
    QByteArray stampaA_, stampaB_;
};

// How long each case runs: TS_CONCORRENZA_SECONDI, 3 unless set.
int SecondiConcorrenza();
