#include "stats/SearcherPool.h"

#include <algorithm>
#include <thread>
#include <utility>
#include <vector>

namespace Brosquin
{

void SearcherPool::vdFail(std::exception_ptr thrown, const std::function<void()>& stop)
{
    if (!failure)
        failure = std::move(thrown);
    stop();
}

void SearcherPool::vdReportSoon()
{
    {
        const std::lock_guard lock(mutex);
        bReportAsked = true;
    }
    wake.notify_all();
}

void SearcherPool::vdRun(std::int64_t count, const std::function<void()>& search,
                         const std::function<void()>& report, const std::function<void()>& stop,
                         std::chrono::milliseconds interval)
{
    std::vector<std::thread> threads;
    try
    {
        const std::int64_t searchers = std::max<std::int64_t>(1, count);
        threads.reserve(static_cast<std::size_t>(searchers));
        for (std::int64_t i = 0; i < searchers; ++i)
        {
            {
                const std::lock_guard lock(mutex);
                ++running;
            }
            try
            {
                threads.emplace_back(
                    [&]
                    {
                        try
                        {
                            search();
                        }
                        catch (...)
                        {
                            const std::lock_guard lock(mutex);
                            vdFail(std::current_exception(), stop);
                        }
                        const std::lock_guard lock(mutex);
                        --running;
                        wake.notify_all();
                    });
            }
            catch (...)
            {
                const std::lock_guard lock(mutex);
                --running;
                throw;
            }
            report();
        }
        std::unique_lock lock(mutex);
        for (;;)
        {
            wake.wait_for(lock, interval, [&] { return running == 0 || bReportAsked; });
            const bool bAsked = std::exchange(bReportAsked, false);
            const bool bEnded = running == 0;
            if (!bEnded || bAsked)
            {
                lock.unlock();
                report();
                lock.lock();
            }
            if (bEnded)
                break;
        }
    }
    catch (...)
    {
        const std::lock_guard lock(mutex);
        vdFail(std::current_exception(), stop);
    }
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace Brosquin
