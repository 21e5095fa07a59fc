#pragma once

// SIGTERM, SIGINT and SIGHUP end the program as File → Exit does. The signal
// handler only writes a byte to a pipe, the one thing it may safely do; the
// event loop reads it and quits the application, so that whatever runs at
// quit (the real-size window cancelling its race and ending the helper
// process) runs for a signal too.

namespace rsa {

// Needs the QCoreApplication; call once, before its event loop runs.
void quitOnTerminationSignals();

} // namespace rsa
