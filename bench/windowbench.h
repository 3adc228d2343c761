#pragma once

namespace quelbor {

// True when a timed run of the window failed its check: the window reported an error, or a
// chart was not drawn and painted as the action requires.
bool windowBenchmarksFailed();

} // namespace quelbor
