#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A stand-in for the desktop's opener: while the object lives, the command
// "xdg-open" found first on PATH only notes what it was asked to open, and
// ends with the status given (xdg-open's own ends with 3 when no program
// handles the file's type).
class XdgOpenDiProva {
  public:
    explicit XdgOpenDiProva(int esito = 0);
    ~XdgOpenDiProva();
    XdgOpenDiProva(const XdgOpenDiProva&) = delete;
    XdgOpenDiProva& operator=(const XdgOpenDiProva&) = delete;

    // The files opened so far, as absolute paths, oldest first. The opener
    // runs on its own: this waits (at most `secondi`, generous for a busy
    // machine) until `almeno` are noted.
    QStringList aperti(int almeno = 0, int secondi = 60) const;

  private:
    QTemporaryDir cartella_;
    QByteArray path_;
};
