#pragma once

#include "graphics/DisplaySize.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <variant>
#include <vector>

namespace Brosquin
{

// The session file, a text of blank-separated quoted texts and numbers, one record a line: a
// header with the product name and the format version, the protection definitions, the units,
// the cost parameters, the plan list, a record for each child window from the back to the front,
// and a closing 0.

// The version this program writes, and the latest it reads.
inline constexpr double SessionFileVersion = 2.0;

// The most bytes a session file holds: a larger file is refused before it is read, and no session
// grows beyond what a file of this size holds (SessionFileBytes).
inline constexpr long long LargestSessionFile = 64LL * 1024 * 1024;

// What the user is told when a command would take the session beyond what a session file holds,
// and when Save finds it so.
inline constexpr const char* SessionFileWouldBeTooLarge =
    "The session would take more than the 64 MB a session file may hold.  Delete sampling plans, "
    "close evaluation windows or shorten long texts and repeat.";
inline constexpr const char* SessionFileTooLargeToSave =
    "The session takes more than the 64 MB a session file may hold and was not saved.  Delete "
    "sampling plans, close evaluation windows or shorten long texts and save again.";

// What the user is told when a session file to open or merge is larger than that.
inline constexpr const char* SessionFileTooLargeToRead =
    "File is larger than the 64 MB a session file may hold.";

// Where a child window stands: state 0 normal, 1 minimised, 2 maximised; its place and size in
// pixels.
struct WindowPlace
{
    int state = 0;
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
};

struct PlanListRecord
{
    WindowPlace place;
    std::array<int, 8> columnWidths{};
};

// An evaluation window's record but for its evaluation list: the page on show (0 to 6, in tab
// order) and the size modes of its plot components (OC, ASN, cost, AOQ) and of its table
// components (summary, percentiles, curves).
struct EvaluationWindowLayout
{
    WindowPlace place;
    int page = 0;
    std::array<SizeMode, 4> plotSizes{};
    std::array<SizeMode, 3> tableSizes{};
};

struct EvaluationWindowRecord
{
    EvaluationWindowLayout layout;
    // Rebuilt on the file's session, with the saved plot settings and table range.
    std::unique_ptr<SamplingPlanEvaluationList> list;
};

using WindowRecord = std::variant<PlanListRecord, EvaluationWindowRecord>;

// What opening a file puts in place of the session: its plans, and its window records in file
// order (the back window first). The evaluation lists are registered with the new session.
struct SessionFileContents
{
    SessionFileContents();
    ~SessionFileContents();

    std::unique_ptr<SamplingPlanSession> session;
    std::vector<WindowRecord> windows;
};

enum class SessionFileHeader
{
    Valid,
    NotDataFile,
    NewerVersion
};

// Reads the header and gives its version.
SessionFileHeader ReadSessionFileHeader(std::istream& in, double& version);

// Reads a whole file after its header into new objects. Null when any part of it is bad or
// missing, the terminator included, when it holds no plan list record or more than one, when
// anything but blanks and line ends follows the terminator, or when it holds more than the bounds
// of SessionBounds.h, or a session whose file could take more than largest bytes (SizeRefused()
// tells which). The plans and lists are built under the file's definitions, units and cost
// parameters, which stay in force on success; on failure those in force before come back.
std::unique_ptr<SessionFileContents> ReadSessionFile(std::istream& in, double version,
                                                     std::uint64_t largest = LargestSessionFile);

// The plans of a file to merge, read after its header. Its definitions, units and cost
// parameters are read but not applied, its window records not read beyond the first one's tag
// and place. Null when they are bad, when no window record or terminator follows the plans, or
// when the plans are more than a session holds (SizeRefused()).
std::unique_ptr<SamplingPlanSession> ReadSessionFilePlans(std::istream& in, double version);

// The header and the current definitions, units and cost parameters; the plan list follows.
void vdWriteSessionFileHead(std::ostream& out);
// A place or width beyond what the reader takes is written as the nearest it takes.
void vdWritePlanListRecord(std::ostream& out, const PlanListRecord& record);
// Writing clears the modified flags of the list's plots.
void vdWriteEvaluationWindowRecord(std::ostream& out, const EvaluationWindowLayout& layout,
                                   const SamplingPlanEvaluationList& list);
void vdWriteSessionFileEnd(std::ostream& out);

// The most bytes the file of the session takes, with its plan list window and a window for each of
// its evaluation lists: what the writers above write, with every value that can change without a
// command (RecordSize.h: windows' places and sizes, size modes, scales, table ranges, positions
// and colours of plans) counted at its widest. A session never grows beyond LargestSessionFile of
// them, so that Save can always write it, whatever those values become, and Open read it back.
std::uint64_t SessionFileBytes(const SamplingPlanSession& session);
// Whether the session's file holds that many bytes more within largest.
bool HasRoomFor(const SamplingPlanSession& session, std::uint64_t more,
                std::uint64_t largest = LargestSessionFile);
// The most bytes of the evaluation window record of the list, counted as above.
std::uint64_t EvaluationWindowRecordBytes(const SamplingPlanEvaluationList& list);

} // namespace Brosquin
