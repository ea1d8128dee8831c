#pragma once

/// Under AddressSanitizer, keeps Mesa's software GL driver loaded until the process ends. Mesa
/// unloads it before the leak check runs, which then cannot name the driver's own allocations
/// and so cannot tell them from ours; kept loaded, they match the leak suppressions. Does
/// nothing in other builds. Call before the first render window is made.
void keepGlDriverLoaded();
