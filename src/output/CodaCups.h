#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Print queues of the CUPS server, reached through libcups.

using OpzioniCups = QList<QPair<QByteArray, QByteArray>>;

// Whether the CUPS scheduler (CUPS_SERVER, else the client's configured
// server) takes a connection within a few seconds.
bool ServizioDiStampaRisponde();

// The message for a print on `destinazione` that did not reach the
// scheduler.
QString TestoServizioNonRisponde(const QString& destinazione);

// True when the name is a queue of the running CUPS server (false when there
// is no server).
bool EsisteCodaCups(const QString& coda);

// Sends the bytes to the queue as one job of the given document format
// (CUPS_FORMAT_RAW, CUPS_FORMAT_PDF). A queue that does not take the job,
// is stopped or rejects jobs, and a scheduler that does not answer, raise
// an output Errore with the cause and the destination's name.
void InviaLavoroCups(const QString& coda, const QString& titolo, const char* formato,
                     const QByteArray& dati, const OpzioniCups& opzioni,
                     const QString& destinazione);
