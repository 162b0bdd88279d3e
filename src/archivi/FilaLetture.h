#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <set>

namespace jet {

// The order in which files opened together read their starts in the
// background: each in turn, in the order in which its pages will be wanted.
// On a share that answers one request at a time, starts read side by side
// would all be whole only at the end; read one after the other, the first
// file wanted is whole first and is decoded while the next is read. A file
// takes its turn from when it is opened until its start is read, and only a
// file placed before it and still reading makes it wait: a file that fails
// to open, or is closed early, holds up nobody. A reader may also be let go
// out of turn, when a page it has still to read is waited for.
class FilaLetture {
  public:
    // A reader's place in the queue, from its opening until it is gone.
    class Turno {
      public:
        Turno(std::shared_ptr<FilaLetture> fila, std::size_t posto);
        ~Turno();
        Turno(const Turno&) = delete;
        Turno& operator=(const Turno&) = delete;
        // Returns when no reader placed before this one is still in the
        // queue, or when `basta` holds: it is tested at each change of the
        // queue and at each sveglia().
        void attendi(const std::function<bool()>& basta) const;

      private:
        std::shared_ptr<FilaLetture> fila_;
        std::multiset<std::size_t>::iterator voce_;
    };

    // Wakes the readers waiting for their turn, to test their `basta` again.
    void sveglia();

  private:
    std::mutex mutex_;
    std::condition_variable cambiata_;
    std::multiset<std::size_t> inFila_;
};

// Where a file stands in a queue of readings; without a queue, the file
// reads its start as soon as it is opened.
struct PostoInFila {
    std::shared_ptr<FilaLetture> fila;
    std::size_t posto = 0;
};

} // namespace jet
