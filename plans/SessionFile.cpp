#include "plans/SessionFile.h"

#include "core/Real.h"
#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "core/RecordSize.h"
#include "core/String.h"
#include "graphics/Plot.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanDefinitions.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>

namespace Brosquin
{

namespace
{

constexpr const char* productName = "Veltrame";
constexpr const char* header = "\"Veltrame\" 2.0 \n";
constexpr const char* terminator = "0\n";

enum Tag
{
    EndTag = 0,
    PlanListTag = 1,
    EvaluationTag = 2
};

// No screen comes near this many pixels; a record beyond it is corrupt.
constexpr int largestPlace = 1000000;
constexpr int pageCount = 7;
constexpr int plotPlaces = 4;
// The plots of every evaluation window have the records of this version.
const Real plotVersion = RealOf(2.0);

// The definitions, units and cost parameters in force when it was made come back when it goes,
// unless the reading that changed them succeeded.
class DefinitionsGuard
{
public:
    DefinitionsGuard() : saved(SamplingPlanDefinitions::Current()) {}
    ~DefinitionsGuard()
    {
        if (!kept)
            SamplingPlanDefinitions::Current() = saved;
    }
    DefinitionsGuard(const DefinitionsGuard&) = delete;
    DefinitionsGuard& operator=(const DefinitionsGuard&) = delete;

    void vdKeep() { kept = true; }

private:
    SamplingPlanDefinitions saved;
    bool kept = false;
};

// The definitions, units and cost parameters of a file, as read.
struct Settings
{
    String aqlText;
    String ltpdText;
    int symbolIndex = 0;
    int defectivesUnits = 0;
    int defectsPerUnitUnits = 0;
    String costTitle;
    String c0Text;
    String c1Text;
};

bool ReadSettings(std::istream& in, Settings& settings)
{
    const int lastUnits = UnitsTable::RowCount - 1;
    return ReadText(in, settings.aqlText) && ReadText(in, settings.ltpdText) &&
           ReadWhole(in, 0, SamplingPlanDefinitions::SymbolCount - 1, settings.symbolIndex) &&
           ReadWhole(in, 0, lastUnits, settings.defectivesUnits) &&
           ReadWhole(in, 0, lastUnits, settings.defectsPerUnitUnits) &&
           ReadText(in, settings.costTitle) && ReadText(in, settings.c0Text) &&
           ReadText(in, settings.c1Text);
}

// Makes the settings current; false, with the read-error flag set, when they are not valid.
bool Apply(const Settings& settings)
{
    String message;
    return (SamplingPlan::ValidateRiskLevels(settings.aqlText.Text(), settings.ltpdText.Text(),
                                             settings.symbolIndex, message) == 0 &&
            DefectivesSamplingPlan::Units().SetCurrentIndex(settings.defectivesUnits) &&
            DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(settings.defectsPerUnitUnits) &&
            SamplingPlan::SetCostParameters(settings.costTitle.Text(), settings.c0Text.Text(),
                                            settings.c1Text.Text(), message) == 0) ||
           RefuseField();
}

bool ReadPlace(std::istream& in, WindowPlace& place)
{
    return ReadWhole(in, 0, 2, place.state) &&
           ReadWhole(in, -largestPlace, largestPlace, place.top) &&
           ReadWhole(in, -largestPlace, largestPlace, place.left) &&
           ReadWhole(in, 0, largestPlace, place.height) &&
           ReadWhole(in, 0, largestPlace, place.width);
}

bool ReadPlanListRecord(std::istream& in, PlanListRecord& record)
{
    if (!ReadPlace(in, record.place))
        return false;
    for (int& width : record.columnWidths)
        if (!ReadWhole(in, 0, largestPlace, width))
            return false;
    return true;
}

bool ReadSizeMode(std::istream& in, SizeMode& mode)
{
    int code = 0;
    if (!ReadWhole(in, 0, sizeModeCount - 1, code))
        return false;
    mode = static_cast<SizeMode>(code);
    return true;
}

// The session positions of an evaluation window's plans: at least one, each naming a plan of the
// session once, all of the first one's characteristic. Each is checked against what was read
// before in one step, so that a window of many plans takes no longer than its plans.
bool ReadPositions(std::istream& in, const SamplingPlanSession& session,
                   std::vector<std::uint32_t>& positions)
{
    double count = 0;
    if (!ReadWhole(in, 1, std::numeric_limits<double>::max(), count))
        return false;
    // Refused before they are read, as no window can show them.
    if (count > LargestEvaluationPlans ||
        session.PlanRows() + count * LeastPlanRows > LargestPlanRows)
        return RefuseSize();
    if (count > session.Count())
        return RefuseField();
    std::vector<bool> listed(session.Count() + std::size_t{1});
    std::uint8_t characteristic = 0;
    for (double read = 0; read < count; ++read)
    {
        std::uint32_t position = 0;
        if (!ReadWhole(in, 1u, session.Count(), position))
            return false;
        const std::uint8_t itsCharacteristic = session.Plan(position)->CharacteristicId();
        if (positions.empty())
            characteristic = itsCharacteristic;
        if (listed[position] || itsCharacteristic != characteristic)
            return RefuseField();
        listed[position] = true;
        positions.push_back(position);
    }
    return true;
}

// The table range as the user would have typed it: every digit of each number. A range the
// table could take but for the bounds of the session's evaluation windows is refused for its size.
bool ApplyRange(std::istream& in, SamplingPlanEvaluationList& list)
{
    std::string texts[3];
    double number = 0;
    for (std::string& text : texts)
    {
        if (!ReadNumber(in, number))
            return false;
        std::ostringstream form;
        form << RealOf(number);
        text = form.str();
    }
    if (number > list.MostIntervals() && number <= SamplingPlanEvaluationList::MaximumIntervals)
        return RefuseSize();
    String message;
    return list.SetRange(texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), message) == 0 ||
           RefuseField();
}

std::vector<Plot*> PlotsOf(const SamplingPlanEvaluationList& list)
{
    std::vector<Plot*> plots = {list.OCPlot(), list.ASNPlot(), list.CostPlot()};
    if (list.AOQPlot())
        plots.push_back(list.AOQPlot());
    return plots;
}

bool ReadEvaluationWindowRecord(std::istream& in, SamplingPlanSession& session,
                                EvaluationWindowRecord& record)
{
    EvaluationWindowLayout& layout = record.layout;
    std::vector<std::uint32_t> positions;
    bool worstCase = false;
    if (!ReadPlace(in, layout.place) || !ReadWhole(in, 0, pageCount - 1, layout.page) ||
        !ReadPositions(in, session, positions) || !ReadFlag(in, worstCase))
        return false;
    // The tables are built once, for the range at the record's end.
    record.list = std::make_unique<SamplingPlanEvaluationList>(
        session, std::move(positions), worstCase, SamplingPlanEvaluationList::Build::LinesOnly);
    const std::vector<Plot*> plots = PlotsOf(*record.list);
    // The AOQ page of plans without AOQ has no tab to show.
    if (layout.page == static_cast<int>(plots.size()) && plots.size() < plotPlaces)
        return RefuseField();
    for (std::size_t i = 0; i < plots.size(); ++i)
    {
        if (!ReadSizeMode(in, layout.plotSizes[i]))
            return false;
        // The value texts mark a plan's Pa line and its bound lines for the list, and no person
        // sets them: a record that changes one does not belong to these plans.
        std::vector<std::string> marks;
        for (std::uint32_t line = 1; line <= plots[i]->LineCount(); ++line)
            marks.emplace_back(plots[i]->Line(line)->valueText.Text());
        plots[i]->vdReadFromStream(in, plotVersion, false);
        if (ReadErrorOccurred())
            return false;
        for (std::uint32_t line = 1; line <= plots[i]->LineCount(); ++line)
            if (marks[line - 1] != plots[i]->Line(line)->valueText.Text())
                return RefuseField();
    }
    for (SizeMode& mode : layout.tableSizes)
        if (!ReadSizeMode(in, mode))
            return false;
    if (!ApplyRange(in, *record.list))
        return false;
    record.list->vdBuildPlansTable();
    record.list->vdBuildPercentilesTable();
    return true;
}

// The tag of the next window record, or the terminator, which only blanks and line ends may
// follow: anything else is records that the counts before did not tell of.
bool ReadTag(std::istream& in, int& tag)
{
    return ReadWhole(in, 0, static_cast<int>(EvaluationTag), tag) &&
           (tag != EndTag || Real::PeekNonBlank(in) == std::char_traits<char>::eof() ||
            RefuseField());
}

// The window records up to the terminator. The plan list window is always open, so its record
// stands among them once, wherever its window stood.
bool ReadWindowRecords(std::istream& in, SessionFileContents& contents)
{
    std::uint32_t evaluationWindows = 0;
    bool planListRead = false;
    for (;;)
    {
        int tag = EndTag;
        if (!ReadTag(in, tag))
            return false;
        if (tag == EndTag)
            return planListRead || RefuseField();
        if (tag == EvaluationTag && ++evaluationWindows > LargestEvaluationWindows)
            return RefuseSize();
        if (tag == PlanListTag)
        {
            if (planListRead)
                return RefuseField();
            planListRead = true;
            PlanListRecord record;
            if (!ReadPlanListRecord(in, record))
                return false;
            contents.windows.emplace_back(record);
        }
        else
        {
            EvaluationWindowRecord record;
            const bool read = ReadEvaluationWindowRecord(in, *contents.session, record);
            // A list read in part goes at once: it is registered with the session.
            if (!read)
                return false;
            contents.windows.emplace_back(std::move(record));
        }
    }
}

// A place or size the user drags, kept within what the reader takes.
void vdWriteExtent(std::ostream& out, int extent, int least)
{
    out.put(' ');
    vdWriteMoving(out, std::clamp(extent, least, largestPlace),
                  std::max(DecimalWidth(least), DecimalWidth(largestPlace)));
}

void vdWritePlace(std::ostream& out, int tag, const WindowPlace& place)
{
    out << tag << ' ' << place.state;
    vdWriteExtent(out, place.top, -largestPlace);
    vdWriteExtent(out, place.left, -largestPlace);
    vdWriteExtent(out, place.height, 0);
    vdWriteExtent(out, place.width, 0);
}

void vdWriteSizeMode(std::ostream& out, SizeMode mode)
{
    out << "  ";
    vdWriteMoving(out, static_cast<int>(mode), DecimalWidth(sizeModeCount - 1));
}

void vdWriteWindowRecord(std::ostream& out, const EvaluationWindowLayout& layout,
                         const SamplingPlanEvaluationList& list, bool keepsModifiedFlags)
{
    vdWritePlace(out, EvaluationTag, layout.place);
    out << ' ' << layout.page << ' ';
    list.vdWriteToStream(out);
    out << EndLine;
    const std::vector<Plot*> plots = PlotsOf(list);
    for (std::size_t i = 0; i < plots.size(); ++i)
    {
        vdWriteSizeMode(out, layout.plotSizes[i]);
        if (keepsModifiedFlags)
            plots[i]->vdWriteRecord(out, plotVersion, false);
        else
            plots[i]->vdWriteToStream(out, plotVersion, false);
        out << EndLine;
    }
    vdWriteSizeMode(out, layout.tableSizes[0]);
    out << EndLine;
    vdWriteSizeMode(out, layout.tableSizes[1]);
    out << EndLine;
    vdWriteSizeMode(out, layout.tableSizes[2]);
    for (const Real* bound : {&list.TableMinimum(), &list.TableMaximum(), &list.TableIntervals()})
    {
        out.put(' ');
        vdWriteMoving(out, *bound);
    }
    out << EndLine;
}

} // namespace

SessionFileContents::SessionFileContents() : session(std::make_unique<SamplingPlanSession>()) {}

SessionFileContents::~SessionFileContents()
{
    // The lists go before the session they are registered with.
    windows.clear();
}

SessionFileHeader ReadSessionFileHeader(std::istream& in, double& version)
{
    ClearReadError();
    String name;
    Real number;
    name.vdReadQuoted(in);
    number.vdRead(in);
    if (ReadErrorOccurred() || std::strcmp(name.Text(), productName) != 0 || !IsNumber(number))
        return SessionFileHeader::NotDataFile;
    if (number > RealOf(SessionFileVersion))
        return SessionFileHeader::NewerVersion;
    version = number.dValue();
    return SessionFileHeader::Valid;
}

std::unique_ptr<SessionFileContents> ReadSessionFile(std::istream& in, double version,
                                                     std::uint64_t largest)
{
    ClearReadError();
    vdClearSizeRefusal();
    DefinitionsGuard guard;
    auto contents = std::make_unique<SessionFileContents>();
    Settings settings;
    if (!ReadSettings(in, settings) || !Apply(settings))
        return nullptr;
    contents->session->vdReadFromStream(in, version);
    if (ReadErrorOccurred() || !ReadWindowRecords(in, *contents))
        return nullptr;
    // A file written more tightly than this program writes may hold a session that its Save could
    // not write again.
    if (!HasRoomFor(*contents->session, 0, largest))
    {
        RefuseSize();
        return nullptr;
    }
    guard.vdKeep();
    return contents;
}

std::unique_ptr<SamplingPlanSession> ReadSessionFilePlans(std::istream& in, double version)
{
    ClearReadError();
    vdClearSizeRefusal();
    Settings settings;
    auto session = std::make_unique<SamplingPlanSession>();
    if (!ReadSettings(in, settings))
        return nullptr;
    session->vdReadFromStream(in, version);
    // The plans end where a window record or the terminator begins. A plan count lower than the
    // plans shows here: no plan record begins as a window's record does, with its tag and place.
    int tag = EndTag;
    WindowPlace place;
    if (ReadErrorOccurred() || !ReadTag(in, tag) || (tag != EndTag && !ReadPlace(in, place)))
        return nullptr;
    return session;
}

void vdWriteSessionFileHead(std::ostream& out)
{
    out << header;
    SamplingPlan::PaAtAQLText().vdWriteQuoted(out);
    SamplingPlan::PaAtLTPDText().vdWriteQuoted(out);
    out << SamplingPlan::SymbolIndex() << EndLine;
    out << DefectivesSamplingPlan::Units().CurrentIndex() << ' '
        << DefectsPerUnitSamplingPlan::Units().CurrentIndex() << EndLine;
    SamplingPlan::CostTitle().vdWriteQuoted(out);
    SamplingPlan::C0Text().vdWriteQuoted(out);
    SamplingPlan::C1Text().vdWriteQuoted(out);
    out << EndLine;
}

void vdWritePlanListRecord(std::ostream& out, const PlanListRecord& record)
{
    vdWritePlace(out, PlanListTag, record.place);
    for (int width : record.columnWidths)
        vdWriteExtent(out, width, 0);
    out << EndLine;
}

void vdWriteEvaluationWindowRecord(std::ostream& out, const EvaluationWindowLayout& layout,
                                   const SamplingPlanEvaluationList& list)
{
    vdWriteWindowRecord(out, layout, list, false);
}

void vdWriteSessionFileEnd(std::ostream& out)
{
    out << terminator;
}

std::uint64_t SessionFileBytes(const SamplingPlanSession& session)
{
    // The places, sizes and size modes of the windows count at their widest, whatever they are.
    const std::uint64_t rest = BytesWritten(
        [](std::ostream& out)
        {
            vdWriteSessionFileHead(out);
            vdWritePlanListRecord(out, {});
            vdWriteSessionFileEnd(out);
        },
        RecordSize::Values::AtWidest);
    return rest + session.PlanListBytes() + session.ViewBytes();
}

bool HasRoomFor(const SamplingPlanSession& session, std::uint64_t more, std::uint64_t largest)
{
    const std::uint64_t bytes = SessionFileBytes(session);
    return bytes <= largest && more <= largest - bytes;
}

std::uint64_t EvaluationWindowRecordBytes(const SamplingPlanEvaluationList& list)
{
    return BytesWritten([&list](std::ostream& out)
                        { vdWriteWindowRecord(out, EvaluationWindowLayout{}, list, true); },
                        RecordSize::Values::AtWidest);
}

} // namespace Brosquin
