#pragma once

// For the start-up probes: ends the process as soon as the first window has been
// exposed and has painted itself, and prints the process's peak resident memory first
// (the "VmHWM:" line of /proc/self/status, "VmHWM: unknown" where there is none).
// Call once after creating the QApplication, before the event loop.
void EndOnceFirstWindowShown();
