#pragma once
// This running program as other programs working on the same files see it: the host it runs on
// and its process, and whether a process of this host is still at work.
#include <string>

std::string HostName();
int ProcessId();
// A killed program whose parent has not reaped it yet (a launcher that never waits) is still
// there as a zombie, at work on nothing: it counts as gone.
bool ProcessRunning(int process);
