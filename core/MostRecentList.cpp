#include "core/MostRecentList.h"

#include <algorithm>
#include <cstring>

namespace Brosquin
{

namespace
{

bool IsEqual(const String& entry, const char* name)
{
    return std::strcmp(entry.Text(), name) == 0;
}

} // namespace

MostRecentList::MostRecentList(int maximumCount, MostRecentListStorage& store)
    : maximum(std::max(maximumCount, 0)), storage(store)
{
    for (int position = 1; position <= maximum; ++position)
    {
        std::optional<String> name = storage.ReadName(position);
        if (!name || name->Length() == 0)
            break;
        names.push_back(std::move(*name));
    }
}

MostRecentList::~MostRecentList()
{
    vdSetCurrent("");
    const int count = static_cast<int>(names.size());
    for (int position = 1; position <= count; ++position)
        if (!storage.WriteName(position, names[position - 1]))
            break;
    for (int position = count + 1; position <= maximum; ++position)
        storage.vdRemoveName(position);
}

void MostRecentList::vdSetCurrent(const char* name)
{
    if (current.Length() > 0)
        names.insert(names.begin(), current);
    if (*name != '\0')
        std::erase_if(names, [name](const String& entry) { return IsEqual(entry, name); });
    if (names.size() > static_cast<std::size_t>(maximum))
        names.erase(names.begin() + maximum, names.end());
    current = name;
}

bool MostRecentList::Remove(const char* name)
{
    const auto found = std::find_if(names.begin(), names.end(),
                                    [name](const String& e) { return IsEqual(e, name); });
    if (found == names.end())
        return false;
    names.erase(found);
    return true;
}

} // namespace Brosquin
