#include "core/ReferenceString.h"

#include <new>

namespace Brosquin
{

namespace
{

// The message a holder takes when memory for its own cannot be had. It holds a reference of its
// own, so no holder ever destroys it; it is made at start-up, while memory is still there.
ReferenceString* OutOfMemoryMessage()
{
    alignas(ReferenceString) static unsigned char storage[sizeof(ReferenceString)];
    static ReferenceString* const shared = ::new (storage) ReferenceString("Out of memory", 0);
    return shared;
}
[[maybe_unused]] ReferenceString* const madeAtStartUp = OutOfMemoryMessage();

} // namespace

ReferenceString* ReferenceString::vdRelease()
{
    if (--referenceCount == 0)
        delete this;
    return nullptr;
}

ReferenceString* NewMessage(const char* text)
{
    ReferenceString* fresh = new ReferenceString(text, 80);
    if (fresh != nullptr && fresh->Capacity() > 0)
        return fresh;
    if (fresh != nullptr)
        fresh->vdRelease();
    ReferenceString* shared = OutOfMemoryMessage();
    shared->vdAddReference();
    return shared;
}

} // namespace Brosquin
