// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long work behind the window (building the search index, a search of every message) runs
// below the window's thread, so that on a machine with few cores the window still answers
// every key at once. The work still gets every core nobody else wants.

// Lowers the calling thread's priority for good; threads it starts afterwards inherit it.
void LowerThreadPriority();
