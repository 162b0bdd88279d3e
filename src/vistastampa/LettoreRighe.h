#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// One line of the print file as it stands on disk: its bytes and the line end
// that followed them (CR LF, a lone CR or LF, or nothing for a last line that
// has none), so that a line can be written back exactly as it was read.
struct RigaLetta {
    QByteArray testo;
    QByteArray fine;
};

// Reads the print file a line at a time from an open handle, keeping the
// byte position of every line so that a block read can later be replaced in
// place. A line ends at CR LF, at a lone CR or at a lone LF.
class LettoreRighe {
  public:
    enum class Esito { Riga, Fine, Guasto };

    // Opens the file for reading at the given byte position.
    bool Apri(const QString& percorso, qint64 posizione = 0);
    void Chiudi();
    bool Aperto() const { return file_.isOpen(); }

    // Guasto when the handle is not open or the read fails, as a closed or
    // broken handle does; the position is then left where the line began.
    Esito Leggi(RigaLetta& riga);
    // True at the end of the file; also true when the handle is broken, which
    // Guasto() then tells apart.
    bool AllaFine();
    bool Guasto() const { return guasto_; }

    // Byte position of the next line to be read.
    qint64 Posizione() const { return inizioBuffer_ + letti_; }

  private:
    // Makes at least one more unread byte available; false at the end or on
    // a failure (which sets guasto_).
    bool riempi();

    QFile file_;
    QByteArray buffer_;
    qsizetype letti_ = 0;
    qint64 inizioBuffer_ = 0;
    bool guasto_ = false;
};
