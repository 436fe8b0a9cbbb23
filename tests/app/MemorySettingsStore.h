#pragma once

#include "app/SettingsStore.h"

#include <map>
#include <string>
#include <variant>

namespace Brosquin
{

// Settings held in memory, each value with the type it was written with.
class MemorySettingsStore : public SettingsStore
{
public:
    using Value = std::variant<bool, int, std::string>;

    std::optional<bool> ReadBool(const std::string& name) const override
    {
        return Read<bool>(name);
    }
    std::optional<int> ReadInteger(const std::string& name) const override
    {
        return Read<int>(name);
    }
    std::optional<std::string> ReadText(const std::string& name) const override
    {
        return Read<std::string>(name);
    }
    void vdWriteBool(const std::string& name, bool value) override { values[name] = value; }
    void vdWriteInteger(const std::string& name, int value) override { values[name] = value; }
    void vdWriteText(const std::string& name, const std::string& value) override
    {
        values[name] = value;
    }
    void vdRemove(const std::string& name) override { values.erase(name); }
    bool Flush() override { return true; }

    std::map<std::string, Value> values;

private:
    template <typename T> std::optional<T> Read(const std::string& name) const
    {
        const auto found = values.find(name);
        if (found == values.end() || !std::holds_alternative<T>(found->second))
            return std::nullopt;
        return std::get<T>(found->second);
    }
};

} // namespace Brosquin
