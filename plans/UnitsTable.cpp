#include "plans/UnitsTable.h"

namespace Brosquin
{

bool UnitsTable::SetCurrentIndex(int index)
{
    if (!IsRow(index))
        return false;
    currentIndex = index;
    return true;
}

bool UnitsTable::SetDefaultIndex(int index)
{
    if (!IsRow(index))
        return false;
    defaultIndex = index;
    return true;
}

} // namespace Brosquin
