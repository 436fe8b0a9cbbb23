#pragma once

#include "core/MostRecentListStorage.h"
#include "core/String.h"

#include <vector>

namespace Brosquin
{

// The session files used most recently, most recent first, and the current file, which is never
// among them. Names are compared exactly, letter case included, as the file system does.
// Loaded from its storage when made, saved back when destroyed.
class MostRecentList
{
public:
    // Reads positions 1, 2, ... up to the maximum, stopping at the first missing or empty name.
    MostRecentList(int maximum, MostRecentListStorage& storage);
    // Makes the current file the first entry, then stores entries 1 .. n and removes the stored
    // positions after them up to the maximum; a failing write ends the saving.
    ~MostRecentList();
    MostRecentList(const MostRecentList&) = delete;
    MostRecentList& operator=(const MostRecentList&) = delete;

    // The previous current file (when there is one) goes to the front, every entry equal to the
    // new one leaves the list, and the list is cut to the maximum. An empty name means none.
    void vdSetCurrent(const char* name);
    // Removes the first entry equal to the name; false when there is none.
    bool Remove(const char* name);

    const std::vector<String>& Names() const { return names; }
    const String& Current() const { return current; }
    int Maximum() const { return maximum; }

private:
    std::vector<String> names;
    String current;
    int maximum;
    MostRecentListStorage& storage;
};

} // namespace Brosquin
