#pragma once
#include <windows.h>

#include <functional>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// Dispatches every message waiting for this thread, so the driver's own
// windows (the pattern window) paint while the driver waits on the program.
void pumpMessages();

// Polls condition() every few milliseconds, pumping messages in between,
// until it holds or timeoutMs has passed. Returns whether it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

}  // namespace e2e
