#pragma once

#include "app/SettingsStore.h"

#include <QSettings>

namespace Brosquin
{

// The user's own settings of organisation "Brosquin", application "Veltrame"; settings for
// all users are not consulted.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();

    std::optional<bool> ReadBool(const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadText(const std::string& name) const override;

    void vdWriteBool(const std::string& name, bool value) override;
    void vdWriteInteger(const std::string& name, int value) override;
    void vdWriteText(const std::string& name, const std::string& value) override;
    void vdRemove(const std::string& name) override;
    bool Flush() override;

private:
    QVariant Value(const std::string& name) const;

    mutable QSettings settings;
};

} // namespace Brosquin
