#include "core/Symbol.h"

namespace Brosquin
{

const char* Symbol::Name() const
{
    static constexpr const char* names[] = {",", "(", ")", "[", "]", "{", "}"};
    return names[code];
}

} // namespace Brosquin
