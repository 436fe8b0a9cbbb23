#pragma once

namespace Brosquin
{

// Shows the hourglass over the whole application for the guard's lifetime; the cursor before it
// comes back however the scope is left. Guards may nest. The long work under it starts with the
// processor's vector registers as the program's arithmetic expects them.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace Brosquin
