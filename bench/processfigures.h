// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Figures a benchmark reads about a process from the kernel and the allocator.
namespace ProcessFigures {

// CLOCK_MONOTONIC in nanoseconds: one clock for every process on the machine, so a time taken
// by a parent before it starts a child can be compared with one taken inside the child.
std::int64_t monotonicNs();

// A "Vm..." line of /proc/<pid>/status in KiB (VmRSS, VmHWM, ...); pid 0 is this process.
std::optional<std::int64_t> statusKib(const char *field, int pid = 0);

// Bytes the C heap hands out right now, free lists excluded: the allocator's own view, less
// noisy than the resident set for finding growth.
std::int64_t heapInUseBytes();

// Summed over every thread of the process: how many times a thread was put on a CPU, and how
// many context switches it made. A thread that sleeps in poll() and is woken once adds one.
struct Wakeups
{
    std::int64_t scheduled = 0;
    std::int64_t contextSwitches = 0;
    int threads = 0;
};
std::optional<Wakeups> wakeups(int pid);

// Appends one row to the figures table: measure, figure, budget, verdict.
void printRow(const QString &measure, const QString &figure, const QString &budget,
              const QString &verdict);

QString verdict(bool withinBudget);

} // namespace ProcessFigures
