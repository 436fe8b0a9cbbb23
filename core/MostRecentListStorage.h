#pragma once

#include "core/String.h"

#include <optional>

namespace Brosquin
{

// Where a recently-used list keeps its names between runs, one value per 1-based position.
class MostRecentListStorage
{
public:
    virtual ~MostRecentListStorage() = default;

    // Nothing when the value is missing or cannot be read as text.
    virtual std::optional<String> ReadName(int position) const = 0;
    // False when the value could not be written.
    virtual bool WriteName(int position, const String& name) = 0;
    // Removing a missing value is no error.
    virtual void vdRemoveName(int position) = 0;
};

} // namespace Brosquin
