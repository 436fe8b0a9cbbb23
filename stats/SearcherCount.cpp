#include "stats/SearcherCount.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>

namespace Brosquin
{

namespace
{

// No CPU number or count in these files comes near this; larger ones make no sense.
constexpr std::int64_t largestCpu = std::int64_t{1} << 22;
// The files read are a few lines long.
constexpr std::size_t longestFile = 1 << 16;

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The whole text as one integer, where it is one.
std::optional<std::int64_t> IntegerOf(std::string_view text)
{
    text = Trimmed(text);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(longestFile, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

void vdTakeLeast(std::optional<double>& least, std::optional<double> quota)
{
    if (quota && (!least || *quota < *least))
        least = quota;
}

// The quota that a cgroup's folder sets, in cgroup v2's file or in those of v1.
std::optional<double> QuotaInV2(const std::string& folder)
{
    const std::optional<std::string> cpuMax = FileText(folder + "cpu.max");
    return cpuMax ? QuotaOfCpuMax(*cpuMax) : std::nullopt;
}

std::optional<double> QuotaInV1(const std::string& folder)
{
    const std::optional<std::string> quota = FileText(folder + "cpu.cfs_quota_us");
    const std::optional<std::string> period = FileText(folder + "cpu.cfs_period_us");
    return quota && period ? QuotaOfCfs(*quota, *period) : std::nullopt;
}

// The least quota that the cgroup at path under root, or one above it, sets.
std::optional<double> LeastQuotaAlong(const std::string& root, std::string path,
                                      std::optional<double> (*quotaIn)(const std::string&))
{
    // A path that leaves the root (outside the cgroup namespace) is left to the root's files.
    if (path.empty() || path.front() != '/' || path.find("..") != std::string::npos)
        path = "/";
    std::optional<double> least;
    for (;;)
    {
        vdTakeLeast(least, quotaIn(root + (path == "/" ? "" : path) + "/"));
        if (path == "/")
            return least;
        path.erase(std::max<std::size_t>(path.rfind('/'), 1));
    }
}

// The CPU quota of the calling process's cgroups, v2 or v1, where one is set.
std::optional<double> CgroupQuota()
{
    const std::optional<std::string> groups = FileText("/proc/self/cgroup");
    if (!groups)
        return std::nullopt;
    std::optional<double> least;
    std::string_view rest = *groups;
    while (!rest.empty())
    {
        // hierarchy:controllers:path
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const std::size_t first = line.find(':');
        const std::size_t second =
            first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos)
            continue;
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const std::string path(Trimmed(line.substr(second + 1)));
        if (line.substr(0, first) == "0" && controllers.empty())
            vdTakeLeast(least, LeastQuotaAlong("/sys/fs/cgroup", path, QuotaInV2));
        bool cpu = false;
        for (std::string_view list = controllers; !list.empty() && !cpu;)
        {
            const std::string_view name = list.substr(0, list.find(','));
            cpu = name == "cpu";
            list.remove_prefix(std::min(list.size(), name.size() + 1));
        }
        if (cpu)
            for (const char* root : {"/sys/fs/cgroup/cpu", "/sys/fs/cgroup/cpu,cpuacct"})
                vdTakeLeast(least, LeastQuotaAlong(root, path, QuotaInV1));
    }
    return least;
}

// A quota of quota microseconds each period of period microseconds, where both make sense.
std::optional<double> QuotaOf(std::optional<std::int64_t> quota, std::optional<std::int64_t> period)
{
    if (!quota || !period || *quota <= 0 || *period <= 0)
        return std::nullopt;
    return static_cast<double>(*quota) / static_cast<double>(*period);
}

} // namespace

std::optional<std::int64_t> CpusOfList(std::string_view list)
{
    std::int64_t count = 0;
    list = Trimmed(list);
    if (list.empty())
        return std::nullopt;
    for (;;)
    {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto low = IntegerOf(item.substr(0, dash));
        const auto high = dash == std::string_view::npos ? low : IntegerOf(item.substr(dash + 1));
        if (!low || !high || *low < 0 || *high < *low || *high >= largestCpu)
            return std::nullopt;
        count = std::min(largestCpu, count + (*high - *low + 1));
        if (comma == std::string_view::npos)
            return count;
        list.remove_prefix(comma + 1);
    }
}

std::optional<std::int64_t> CpusOfStatus(std::string_view status)
{
    constexpr std::string_view key = "Cpus_allowed_list:";
    for (std::size_t at = 0; at < status.size();)
    {
        const std::size_t end = std::min(status.find('\n', at), status.size());
        const std::string_view line = status.substr(at, end - at);
        if (line.substr(0, key.size()) == key)
            return CpusOfList(line.substr(key.size()));
        at = end + 1;
    }
    return std::nullopt;
}

std::optional<double> QuotaOfCpuMax(std::string_view cpuMax)
{
    cpuMax = Trimmed(cpuMax);
    const std::size_t blank = cpuMax.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view quota = cpuMax.substr(0, blank);
    if (quota == "max")
        return std::nullopt;
    return QuotaOf(IntegerOf(quota), IntegerOf(cpuMax.substr(blank + 1)));
}

std::optional<double> QuotaOfCfs(std::string_view quota, std::string_view period)
{
    return QuotaOf(IntegerOf(quota), IntegerOf(period));
}

std::int64_t SearcherCountOf(std::int64_t online, std::optional<std::int64_t> allowed,
                             std::optional<double> quota)
{
    std::int64_t count = online > 0 ? online : 1;
    if (allowed && *allowed > 0)
        count = online > 0 ? std::min(online, *allowed) : *allowed;
    // A quota of part of a CPU still leaves it one searcher.
    if (quota && *quota > 0.0 && *quota < static_cast<double>(mostSearchers))
        count = std::min(count, static_cast<std::int64_t>(std::ceil(*quota)));
    return std::clamp<std::int64_t>(count, 1, mostSearchers);
}

std::int64_t SearcherCount()
{
    // The threads a design starts inherit the calling thread's mask.
    std::optional<std::string> status = FileText("/proc/thread-self/status");
    if (!status)
        status = FileText("/proc/self/status");
    return SearcherCountOf(std::thread::hardware_concurrency(),
                           status ? CpusOfStatus(*status) : std::nullopt, CgroupQuota());
}

} // namespace Brosquin
