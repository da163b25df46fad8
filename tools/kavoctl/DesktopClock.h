#pragma once

// Milliseconds since the epoch on the desktop's clock (the simulated desktop can fix it).
// Choosing the desktop is logged by the program; kavoctl keeps that line off standard output,
// which carries only the JSON answer.
double desktopNowMs();
