#include "stats/SearcherCount.h"

#include <gtest/gtest.h>

#include <sched.h>

#include <optional>
#include <thread>

namespace Brosquin
{
namespace
{

TEST(SearcherCountTest, TheKernelsTextsAreReadOrRefusedWhole)
{
    EXPECT_EQ(CpusOfList("0-7"), 8);
    EXPECT_EQ(CpusOfList(" 0,2,4-6\n"), 5);
    EXPECT_EQ(CpusOfList("3"), 1);
    EXPECT_EQ(CpusOfStatus("Name:\tdesign\nCpus_allowed:\tff\nCpus_allowed_list:\t0-3,6\n"), 5);
    EXPECT_EQ(QuotaOfCpuMax("150000 100000\n"), 1.5);
    EXPECT_EQ(QuotaOfCfs("200000\n", "100000\n"), 2.0);
    // Texts that tell nothing, or nonsense, are refused rather than read in part.
    for (const char* list : {"", " ", "-", "7-3", "a", "0-", "-1", "1,,2", "1,", "0-3x", "2-2-2",
                             "0-99999999999999999999", "0-4194304"})
        EXPECT_EQ(CpusOfList(list), std::nullopt) << list;
    EXPECT_EQ(CpusOfStatus("Cpus_allowed:\tff\n"), std::nullopt);
    EXPECT_EQ(CpusOfStatus("Cpus_allowed_list:\t0-x\n"), std::nullopt);
    for (const char* cpuMax :
         {"max 100000", "100000", "0 100000", "-5 100000", "50000 0", "x y", "", "1e5 100000"})
        EXPECT_EQ(QuotaOfCpuMax(cpuMax), std::nullopt) << cpuMax;
    EXPECT_EQ(QuotaOfCfs("-1", "100000"), std::nullopt);
    EXPECT_EQ(QuotaOfCfs("100000", ""), std::nullopt);
}

TEST(SearcherCountTest, OneForEachCpuTheProcessMayUseUpToTheMost)
{
    struct Case
    {
        std::int64_t online;
        std::optional<std::int64_t> allowed;
        std::optional<double> quota;
        std::int64_t searchers;
    };
    for (const auto& [online, allowed, quota, searchers] :
         {Case{8, {}, {}, 8}, Case{64, {}, {}, mostSearchers}, Case{256, {}, {}, mostSearchers},
          Case{8, 1, {}, 1}, Case{4, 16, {}, 4}, Case{8, {}, 1.5, 2}, Case{8, {}, 0.01, 1},
          Case{256, 300, 2.5, 3}, Case{8, 6, 100.0, 6}, Case{0, {}, {}, 1}, Case{0, 4, {}, 4},
          Case{-3, 0, -1.0, 1}})
        EXPECT_EQ(SearcherCountOf(online, allowed, quota), searchers)
            << online << " " << allowed.value_or(-1) << " " << quota.value_or(-1);
    // The threads of a design inherit the calling thread's mask.
    const std::int64_t count = SearcherCount();
    EXPECT_GE(count, 1);
    EXPECT_LE(count, mostSearchers);
    cpu_set_t mask;
    ASSERT_EQ(sched_getaffinity(0, sizeof mask, &mask), 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &mask))
        {
            CPU_SET(cpu, &one);
            break;
        }
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_EQ(SearcherCount(), 1);
    ASSERT_EQ(sched_setaffinity(0, sizeof mask, &mask), 0);
    EXPECT_EQ(SearcherCount(), count);
}

} // namespace
} // namespace Brosquin
