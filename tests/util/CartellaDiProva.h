#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that is also the process's current directory while the
// object lives, since the program finds all its files in the current folder.
class CartellaDiProva {
  public:
    CartellaDiProva();
    ~CartellaDiProva();
    CartellaDiProva(const CartellaDiProva&) = delete;
    CartellaDiProva& operator=(const CartellaDiProva&) = delete;

    QString percorso(const QString& nome = {}) const;
    void scrivi(const QString& nome, const QByteArray& contenuto) const;
    QByteArray leggi(const QString& nome) const;

  private:
    QTemporaryDir cartella_;
    QString precedente_;
};

// Writes `contenuto` to the file at `percorso`, dated a minute back as a file
// at rest is: the reader of the databases lets a file written a moment ago
// settle before it trusts it, and before it believes it damaged.
void ScriviARiposo(const QString& percorso, const QByteArray& contenuto);

// The folder of the shared sample files, or an empty text when it is absent
// (tests that need it then skip).
QString CartellaCondivisa();
