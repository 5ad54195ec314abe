#pragma once

#include <functional>

// Runs `schreiben` in a forked child whose files may grow to at most `bytes`
// bytes, so that a write fails even for root. Returns the child's exit code,
// or -1 when it did not exit normally.
int MitSchreibgrenze(long bytes, const std::function<int()> &schreiben);
