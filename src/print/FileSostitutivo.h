#pragma once

#include <QByteArray>
#include <QString>

// A file written whole beside its place (same name, a dot and six random
// characters) and renamed over it when done, so that the file at the path
// is always the previous one or the new one, never a part. The new file is
// created with the previous one's permissions; where the file system gives
// it others, they are copied over as far as it lets them, and one that
// cannot store them does not stop the writing. A failure at any step, or
// an object dropped before conferma(), removes the temporary file.
class FileSostitutivo {
  public:
    explicit FileSostitutivo(QString percorso);
    ~FileSostitutivo();
    FileSostitutivo(const FileSostitutivo&) = delete;
    FileSostitutivo& operator=(const FileSostitutivo&) = delete;

    // Each step returns false on failure, with codiceErrore() saying why.
    bool apri();
    bool scrivi(const QByteArray& byte);
    // Writes the bytes through to the disk and renames the file into place.
    bool conferma();

    // Named as QSaveFile names them, which this class stands in for.
    const QString& fileName() const { return percorso_; }
    // The system's error code (errno) of the last failure.
    int codiceErrore() const { return codiceErrore_; }

  private:
    bool fallito();
    void scarta();

    QString percorso_;
    QString provvisorio_;
    int fd_ = -1;
    int codiceErrore_ = 0;
};
