#include "archivi/FilaLetture.h"

namespace jet {

FilaLetture::Turno::Turno(std::shared_ptr<FilaLetture> fila, std::size_t posto)
    : fila_(std::move(fila)) {
    const std::lock_guard<std::mutex> blocco(fila_->mutex_);
    voce_ = fila_->inFila_.insert(posto);
}

FilaLetture::Turno::~Turno() {
    {
        const std::lock_guard<std::mutex> blocco(fila_->mutex_);
        fila_->inFila_.erase(voce_);
    }
    fila_->cambiata_.notify_all();
}

void FilaLetture::Turno::attendi(const std::function<bool()>& basta) const {
    std::unique_lock<std::mutex> blocco(fila_->mutex_);
    fila_->cambiata_.wait(blocco, [&] { return *fila_->inFila_.begin() == *voce_ || basta(); });
}

void FilaLetture::sveglia() {
    // Taken after what `basta` tests has changed, the lock makes sure that a
    // reader either sees the change or is already waiting for this call.
    const std::lock_guard<std::mutex> blocco(mutex_);
    cambiata_.notify_all();
}

} // namespace jet
