#pragma once

#include <optional>
#include <string>

namespace Brosquin
{

// Named values kept for the user between runs. A read gives nothing for a value that is
// missing or of another type.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<bool> ReadBool(const std::string& name) const = 0;
    virtual std::optional<int> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::string> ReadText(const std::string& name) const = 0;

    virtual void vdWriteBool(const std::string& name, bool value) = 0;
    virtual void vdWriteInteger(const std::string& name, int value) = 0;
    virtual void vdWriteText(const std::string& name, const std::string& value) = 0;
    // Removing a missing value is no error.
    virtual void vdRemove(const std::string& name) = 0;
    // Makes the values written so far last between runs; false when they could not be stored.
    virtual bool Flush() = 0;
};

} // namespace Brosquin
