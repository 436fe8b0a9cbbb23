// Feeds one input to the session file's readers as Open and Merge do, with every plan class the
// program knows, the standards' included. A file that is refused must leave the definitions,
// units and cost parameters as they were; a file that is taken must write itself out, read back,
// the same way again.
#include "plans/SamplingPlanDefinitions.h"
#include "plans/SessionFile.h"
#include "standards/StandardPlanClasses.h"
#include "tests/plans/SessionFileText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

using namespace Brosquin;

void vdCheck(bool condition)
{
    if (!condition)
        std::abort();
}

std::unique_ptr<SessionFileContents> Opened(const std::string& text)
{
    std::istringstream in(text);
    double version = 0;
    if (ReadSessionFileHeader(in, version) != SessionFileHeader::Valid)
        return nullptr;
    const std::string before = DefinitionsText();
    auto contents = ReadSessionFile(in, version);
    vdCheck(contents != nullptr || DefinitionsText() == before);
    return contents;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool standardsKnown = (vdAddStandardPlanClasses(), true);
    (void)standardsKnown;
    SamplingPlanDefinitions::vdReset();
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto contents = Opened(text))
    {
        const std::string written = SessionFileText(*contents->session, contents->windows);
        const auto again = Opened(written);
        vdCheck(again != nullptr);
        vdCheck(SessionFileText(*again->session, again->windows) == written);
    }
    std::istringstream in(text);
    double version = 0;
    if (ReadSessionFileHeader(in, version) == SessionFileHeader::Valid)
        ReadSessionFilePlans(in, version);
    return 0;
}
