#include "vistastampa/LettoreRighe.h"

namespace {

constexpr qint64 kBlocco = 64 * 1024;

} // namespace

bool LettoreRighe::Apri(const QString& percorso, qint64 posizione) {
    Chiudi();
    file_.setFileName(percorso);
    if (!file_.open(QIODevice::ReadOnly) || !file_.seek(posizione)) {
        Chiudi();
        return false;
    }
    inizioBuffer_ = posizione;
    return true;
}

void LettoreRighe::Chiudi() {
    file_.close();
    buffer_.clear();
    letti_ = 0;
    inizioBuffer_ = 0;
    guasto_ = false;
}

bool LettoreRighe::riempi() {
    if (!file_.isOpen()) {
        guasto_ = true;
        return false;
    }
    // Drop what has been consumed, keeping the unread tail.
    inizioBuffer_ += letti_;
    buffer_.remove(0, letti_);
    letti_ = 0;
    const QByteArray nuovi = file_.read(kBlocco);
    if (nuovi.isEmpty()) {
        if (file_.error() != QFileDevice::NoError)
            guasto_ = true;
        return false;
    }
    buffer_.append(nuovi);
    return true;
}

bool LettoreRighe::AllaFine() {
    if (guasto_)
        return true;
    return letti_ >= buffer_.size() && !riempi();
}

LettoreRighe::Esito LettoreRighe::Leggi(RigaLetta& riga) {
    if (AllaFine())
        return guasto_ ? Esito::Guasto : Esito::Fine;
    qsizetype cerca = letti_;
    for (;;) {
        while (cerca < buffer_.size() && buffer_[cerca] != '\r' && buffer_[cerca] != '\n')
            ++cerca;
        if (cerca < buffer_.size())
            break;
        const qsizetype giaVisti = cerca - letti_;
        if (!riempi()) {
            if (guasto_)
                return Esito::Guasto;
            break; // last line without a line end
        }
        cerca = letti_ + giaVisti;
    }
    riga.testo = buffer_.mid(letti_, cerca - letti_);
    qsizetype dopo = cerca;
    if (dopo < buffer_.size()) {
        ++dopo;
        // A CR at the end of the buffer may be the first half of CR LF.
        if (buffer_[cerca] == '\r' && dopo == buffer_.size()) {
            const qsizetype giaVisti = dopo - letti_;
            if (!riempi() && guasto_)
                return Esito::Guasto;
            dopo = letti_ + giaVisti;
            cerca = dopo - 1;
        }
        if (buffer_[cerca] == '\r' && dopo < buffer_.size() && buffer_[dopo] == '\n')
            ++dopo;
    }
    riga.fine = buffer_.mid(cerca, dopo - cerca);
    letti_ = dopo;
    return Esito::Riga;
}
