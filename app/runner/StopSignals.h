#pragma once
// SIGINT and SIGTERM (Ctrl+C, a batch system's time limit, parallel --timeout) end the runner in
// order: once caught, a signal only requests the stop; the runs end between their steps, nothing
// new starts, the manifest and summary are completed, and the program then ends as the signal
// would have ended it.

#include "engine/StopRequest.h"

namespace vantorel {

// From now on SIGINT and SIGTERM request the stop instead of ending the program at once; when the
// program ends after one of them (its files complete, nothing temporary left), the signal ends it
// as it would have, so that the shell sees 130 or 143 and a shell loop stops too.
void CatchStopSignals();

// The request those signals set.
const StopRequest& SignalStopRequest();

// The signal that requested the stop; 0 while none came.
int StopSignal();

// The status a shell reports for a program the signal ended: 128 + the signal.
inline int SignalExitStatus(int signal) { return 128 + signal; }

}  // namespace vantorel
