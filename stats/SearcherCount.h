#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How many searchers a design shares its work among: one for each CPU that the calling thread
// may run on (its affinity mask, and no more than its cgroup's CPU quota allows), but no more
// than help. The kernel tells both in text files, read here defensively: content that cannot be
// read or makes no sense counts as telling nothing.

namespace Brosquin
{

// As many as the designs of BM_DesignSearchers gain from: each doubling up to 8 did on 8 CPUs;
// more were not measured, and each searcher keeps megabytes of counts.
inline constexpr std::int64_t mostSearchers = 8;

// The searchers for the CPUs the calling thread may use: always from 1 to mostSearchers.
std::int64_t SearcherCount();

// The same from what the system tells: the CPUs online (0 when not known), those of the
// affinity mask and the CPUs' worth of time that a quota allows, where told.
std::int64_t SearcherCountOf(std::int64_t online, std::optional<std::int64_t> allowed,
                             std::optional<double> quota);

// The CPUs of a list such as "0-3,8,10-11" (Cpus_allowed_list of /proc/<pid>/status), or of
// the Cpus_allowed_list line of a whole status text.
std::optional<std::int64_t> CpusOfList(std::string_view list);
std::optional<std::int64_t> CpusOfStatus(std::string_view status);

// The CPUs' worth of time a cgroup quota allows: from cgroup v2's cpu.max ("max 100000" for
// none, "150000 100000" for one and a half), or from cgroup v1's cpu.cfs_quota_us and
// cpu.cfs_period_us (a quota of -1 for none).
std::optional<double> QuotaOfCpuMax(std::string_view cpuMax);
std::optional<double> QuotaOfCfs(std::string_view quota, std::string_view period);

} // namespace Brosquin
