#pragma once
// The command line, read before any window exists.

// True to go on starting; false when another running instance has taken the request and
// this one is to end. Until the new-message hand-over exists every start goes on.
[[nodiscard]] bool HandleCommandLine();
