#pragma once

class QPrinter;

namespace Brosquin
{

// The one printer of the application, with the settings the user last chose; created at the
// first call (the application object must exist) and deleted with the application object.
QPrinter& ApplicationPrinter();

} // namespace Brosquin
