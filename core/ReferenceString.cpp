#include "core/ReferenceString.h"

namespace Brosquin
{

ReferenceString* ReferenceString::vdRelease()
{
    if (--referenceCount == 0)
        delete this;
    return nullptr;
}

} // namespace Brosquin
