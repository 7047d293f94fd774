// The requests to end that come from outside the window: signals and a lost display.
#pragma once

namespace tq {

// Starts listening for SIGTERM, SIGHUP and SIGINT and for the toolkit ending the process on
// a lost display; safe to call again. Called by StartToolkit.
void WatchEndRequests();

}  // namespace tq
