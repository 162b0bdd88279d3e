#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace jet {

// The requests of one walk through a file's pages, `quante` of them, read in
// order by a few threads kept for the walk while the pages already read are
// handed over: up to `inVolo` requests are on their way at once, one a
// reader, each into one of inVolo + 1 buffers (request k into buffer
// k % (inVolo + 1)). A reader takes the next request as soon as its buffer
// is free, once the walk has moved past the request it held, so that while
// the walk keeps up with the reading no reader waits for it. A thread per
// walk rather than per request: requests are many and small, and a thread
// costs more to start than a request to make.
class LettureInVolo {
  public:
    // `leggi(k, buffer)` makes request k into `buffer`; what it raises is
    // the failure of that request, raised again by consegna(k).
    LettureInVolo(std::size_t quante, std::size_t inVolo,
                  std::function<void(std::size_t, std::size_t)> leggi);
    // Stops the threads once their current request is made.
    ~LettureInVolo();
    LettureInVolo(const LettureInVolo&) = delete;
    LettureInVolo& operator=(const LettureInVolo&) = delete;

    // Waits for request k, the one after the last handed over, and hands it
    // over: returns its buffer, which stays as it is until the next call.
    std::size_t consegna(std::size_t k);

  private:
    void lettore();

    const std::size_t quante_;
    const std::size_t inVolo_;
    const std::function<void(std::size_t, std::size_t)> leggi_;
    std::mutex mutex_;
    // A request read, told to the walk; a buffer freed, or the walk's end,
    // told to the readers.
    std::condition_variable arrivata_;
    std::condition_variable libera_;
    std::size_t prossima_ = 0;
    std::size_t consegnate_ = 0;
    // For each buffer, 1 + the request read into it (0 when none yet), and
    // the failure of that request.
    std::vector<std::size_t> letta_;
    std::vector<std::exception_ptr> errore_;
    bool chiusura_ = false;
    std::vector<std::thread> lettori_;
};

} // namespace jet
