#pragma once

#include "print/FileSostitutivo.h"
#include "print/PostoDiLavoro.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The workstation's print file: text lines of one byte per character
// (Windows-1252; frame lines keep their code page 437 bytes), each ending
// with CR LF.

// Writes a new print file. The lines go to a temporary file beside it, and
// only conferma() puts that file in the print file's place, in one rename;
// a writer dropped without conferma(), or a failure at any point, leaves the
// previous print file whole. Failures raise an Errore of the print file.
class ScritturaFileStampa {
  public:
    explicit ScritturaFileStampa(const PostoDiLavoro& posto);
    ScritturaFileStampa(const ScritturaFileStampa&) = delete;
    ScritturaFileStampa& operator=(const ScritturaFileStampa&) = delete;

    // One line, its characters as Windows-1252 bytes, then CR LF.
    void scriviRiga(const QString& riga);
    // Bytes as they are, with no line end added.
    void scriviByte(const QByteArray& byte);
    void conferma();
    // The bytes written so far: after conferma(), those of the print file
    // as it was put in place.
    const QByteArray& scritti() const { return scritti_; }

  private:
    // Raises an Errore of the print file for the failed action, with the cause the
    // system's error code gives.
    [[noreturn]] void fallito(const QString& azione) const;
    // Hands the bytes not yet written to the file.
    void invia();
    // The same, once they fill a block.
    void inviaSePieno();

    // The lines are written a block at a time, not one request each.
    static constexpr qsizetype kBloccoDiScrittura = 64 * 1024;
    FileSostitutivo file_;
    QByteArray scritti_;
    qsizetype inviati_ = 0;
};

// Replaces the print file by `contenuto`, byte for byte, in the same way.
void ScriviFileStampa(const PostoDiLavoro& posto, const QByteArray& contenuto);

// The print file's lines, read as LeggiRighe reads them: empty when the
// file does not exist, an output Errore when it cannot be read.
std::optional<QStringList> LeggiFileStampa(const PostoDiLavoro& posto);
