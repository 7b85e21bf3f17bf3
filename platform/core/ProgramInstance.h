#pragma once
// This running program as other programs working on the same files see it: the host it runs on,
// its process and when that process started, and whether a process of this host is still at work.
#include <string>

std::string HostName();
int ProcessId();
// When 'process' of this host started, as text that no other process of this host shares, across a
// restart of the machine too; empty where the system does not tell.
std::string ProcessStart(int process);
std::string ProcessStart();
// A killed program whose parent has not reaped it yet (a launcher that never waits) is still
// there as a zombie, at work on nothing: it counts as gone.
bool ProcessRunning(int process);
// The same for the process that started at 'start' (as ProcessStart answered then): a process that
// took its number later is not it. An empty 'start', or one the system cannot check, goes by the number.
bool ProcessRunning(int process, const std::string& start);
