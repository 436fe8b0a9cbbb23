#pragma once

#include "core/PooledObject.h"
#include "core/String.h"

#include <cstdint>

namespace Brosquin
{

// A String shared by the values that hold it (the message of a Real, of an interval, of an error
// node). It is made on the heap with one holder and destroys itself when its last holder lets go.
class ReferenceString : public String, public PooledObject<ReferenceString>
{
public:
    ReferenceString(const char* text = nullptr, std::uint32_t minimumCapacity = 0)
        : String(text, minimumCapacity)
    {
    }
    // The object itself is shared, never copied; its text can still be set.
    ReferenceString(const ReferenceString&) = delete;
    ReferenceString& operator=(const ReferenceString&) = delete;
    using String::operator=;

    // A holder that starts to share the text counts itself in.
    void vdAddReference() { ++referenceCount; }
    // A holder lets go; the last one destroys the text. Holders store the returned null.
    ReferenceString* vdRelease();

    std::uint32_t ReferenceCount() const { return referenceCount; }

protected:
    ~ReferenceString() override = default;

private:
    std::uint32_t referenceCount = 1;
};

// A new message of one holder with room to grow; when memory is exhausted, a shared "Out of
// memory" message instead. Never null.
ReferenceString* NewMessage(const char* text);

} // namespace Brosquin
