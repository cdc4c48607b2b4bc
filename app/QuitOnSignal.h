// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the event loop in an orderly way when the system asks the program to end (SIGTERM at
// logout or shutdown, SIGHUP, SIGINT), so that what runs at quitting still runs: open
// messages are kept in Unfinished. Call once, after the application object exists.
[[nodiscard]] bool QuitOnTerminationSignals();
