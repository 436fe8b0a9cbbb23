#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>

// The program's one part that runs on several threads: searchers that share one search, while
// the calling thread, where a progress window lives, tells how far they have come.

namespace Brosquin
{

class SearcherPool
{
public:
    // Runs search on count threads of its own (at least one) and returns once all have ended. The
    // calling thread reports after each thread has started, when a search asks it to, and every
    // interval until the last has ended. The first exception that a search, a report or the start
    // of a thread throws is rethrown once all have ended; stop is called at once, so that the
    // searches end early. stop may be called from any thread.
    void vdRun(std::int64_t count, const std::function<void()>& search,
               const std::function<void()>& report, const std::function<void()>& stop,
               std::chrono::milliseconds interval = std::chrono::milliseconds(20));
    // Asks the calling thread to report now rather than at the end of its interval, as a search
    // does when it has done a share of its work; from any thread. A search's last request is
    // reported even when the searches have ended by then.
    void vdReportSoon();

private:
    // Keeps the first failure and stops the searches; the lock is held.
    void vdFail(std::exception_ptr thrown, const std::function<void()>& stop);

    std::mutex mutex; // over the rest
    std::condition_variable wake;
    std::int64_t running = 0;
    bool bReportAsked = false;
    std::exception_ptr failure;
};

} // namespace Brosquin
