#include "stats/SearcherPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

namespace Brosquin
{
namespace
{

TEST(SearcherPoolTest, EachSearcherRunsOnAThreadOfItsOwnWhileTheCallerReports)
{
    const auto caller = std::this_thread::get_id();
    const auto stop = [] {};
    for (const std::int64_t count : {-1, 0, 1, 3, 16})
    {
        std::mutex mutex;
        std::set<std::thread::id> threads;
        std::atomic<int> reports = 0;
        std::atomic<bool> released = false;
        bool elsewhere = false;
        // The searchers end only once the caller has reported while waiting on them.
        const auto search = [&]
        {
            {
                const std::lock_guard lock(mutex);
                threads.insert(std::this_thread::get_id());
            }
            while (!released)
                std::this_thread::yield();
        };
        const auto report = [&]
        {
            elsewhere = elsewhere || std::this_thread::get_id() != caller;
            if (++reports > count + 2)
                released = true;
        };
        SearcherPool().vdRun(count, search, report, stop, std::chrono::milliseconds(1));
        const auto searchers = static_cast<std::size_t>(std::max<std::int64_t>(count, 1));
        EXPECT_EQ(threads.size(), searchers);
        EXPECT_EQ(threads.count(caller), 0u);
        EXPECT_FALSE(elsewhere);
        EXPECT_GT(reports, count + 2);
    }
    // Asked by a search, the caller reports at once, and once more after the last request even
    // where the searches have ended by then: here the interval alone would take an hour.
    SearcherPool pool;
    std::atomic<int> reports = 0;
    const auto search = [&]
    {
        pool.vdReportSoon();
        while (reports < 4)
            std::this_thread::yield();
        pool.vdReportSoon();
    };
    pool.vdRun(
        3, search, [&] { ++reports; }, stop, std::chrono::hours(1));
    EXPECT_GE(reports, 5);
}

TEST(SearcherPoolTest, TheFirstFailureStopsTheOthersAndIsRethrownOnceAllHaveEnded)
{
    // A searcher's exception and a report's alike; the others search until they are stopped.
    for (const bool fromReport : {false, true})
    {
        std::atomic<bool> stopped = false;
        std::atomic<int> running = 0;
        std::atomic<int> searches = 0;
        const auto search = [&]
        {
            ++running;
            if (!fromReport && ++searches == 2)
            {
                --running;
                throw std::runtime_error("search");
            }
            while (!stopped)
                std::this_thread::yield();
            --running;
        };
        const auto report = [&]
        {
            if (fromReport)
                throw std::runtime_error("report");
        };
        EXPECT_THROW(SearcherPool().vdRun(4, search, report, [&] { stopped = true; }),
                     std::runtime_error);
        EXPECT_TRUE(stopped);
        EXPECT_EQ(running, 0);
    }
}

} // namespace
} // namespace Brosquin
