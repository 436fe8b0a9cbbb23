#pragma once

namespace Brosquin
{

// From now on every line edit of the application, those of editable lists, spin boxes and table
// cells included, takes at most as many characters as a session file keeps in one text, so that
// whatever is typed is saved in a form the file's reader takes. Installing it again does nothing.
void vdLimitEntryFields();

} // namespace Brosquin
