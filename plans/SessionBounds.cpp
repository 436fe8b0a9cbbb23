#include "plans/SessionBounds.h"

#include "core/RecordFields.h"

namespace Brosquin
{

namespace
{
bool sizeRefused = false;
}

bool RefuseSize()
{
    sizeRefused = true;
    return RefuseField();
}

bool SizeRefused()
{
    return sizeRefused;
}

void vdClearSizeRefusal()
{
    sizeRefused = false;
}

} // namespace Brosquin
