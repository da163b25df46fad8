#pragma once

// Milliseconds since the epoch on the desktop's clock: the simulated desktop's config can fix
// it or set it off; elsewhere it is the system's.
double desktopNowMs();
