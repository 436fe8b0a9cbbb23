#pragma once

namespace Brosquin
{

// Lets session files hold the plans chosen from the standards' tables; called once at start-up.
void vdAddStandardPlanClasses();

} // namespace Brosquin
