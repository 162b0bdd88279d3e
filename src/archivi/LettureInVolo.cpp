#include "archivi/LettureInVolo.h"

#include <algorithm>

namespace jet {

LettureInVolo::LettureInVolo(std::size_t quante, std::size_t inVolo,
                             std::function<void(std::size_t, std::size_t)> leggi)
    : quante_(quante), inVolo_(inVolo), leggi_(std::move(leggi)), letta_(inVolo + 1, 0),
      errore_(inVolo + 1) {
    for (std::size_t i = 0; i < std::min(inVolo_, quante_); ++i)
        lettori_.emplace_back(&LettureInVolo::lettore, this);
}

LettureInVolo::~LettureInVolo() {
    {
        const std::lock_guard<std::mutex> blocco(mutex_);
        chiusura_ = true;
    }
    libera_.notify_all();
    for (std::thread& lettore : lettori_)
        lettore.join();
}

std::size_t LettureInVolo::consegna(std::size_t k) {
    const std::size_t buffer = k % letta_.size();
    std::unique_lock<std::mutex> blocco(mutex_);
    // Request k - 1's buffer is free from now on: the walk has moved past it.
    if (consegnate_ != k) {
        consegnate_ = k;
        libera_.notify_one();
    }
    arrivata_.wait(blocco, [&] { return letta_[buffer] == k + 1; });
    if (errore_[buffer])
        std::rethrow_exception(errore_[buffer]);
    return buffer;
}

void LettureInVolo::lettore() {
    for (;;) {
        std::size_t k = 0;
        {
            std::unique_lock<std::mutex> blocco(mutex_);
            libera_.wait(blocco, [&] {
                return chiusura_ || prossima_ == quante_ || prossima_ < consegnate_ + letta_.size();
            });
            if (chiusura_ || prossima_ == quante_)
                return;
            k = prossima_++;
        }
        const std::size_t buffer = k % letta_.size();
        std::exception_ptr errore;
        try {
            leggi_(k, buffer);
        } catch (...) {
            errore = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> blocco(mutex_);
            letta_[buffer] = k + 1;
            errore_[buffer] = errore;
        }
        arrivata_.notify_one();
    }
}

} // namespace jet
