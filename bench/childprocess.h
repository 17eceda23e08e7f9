// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// A benchmark subject started straight from an argument list (no shell, no Qt process
// machinery in between; a name without a slash is looked up in PATH), with its stdout read line
// by line and, on request, a pipe to its stdin. Its stderr goes to a file, to be shown when
// something goes wrong.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Starts program with arguments; startedNs is the monotonic time taken just before.
    bool start(const QString &program, const QStringList &arguments, const QString &stderrPath,
               bool withStdin);

    int pid() const { return m_pid; }
    std::int64_t startedNs() const { return m_startedNs; }

    // The next line of output, or nothing when the child closed its stdout or timeoutMs passed.
    std::optional<QByteArray> readLine(int timeoutMs);
    bool writeLine(const QByteArray &line);

    // Waits for the child to end; kills it after timeoutMs. True when it ended with status 0.
    bool finish(int timeoutMs);

private:
    int m_pid = -1;
    int m_out = -1;
    int m_in = -1;
    std::int64_t m_startedNs = 0;
    QByteArray m_buffer;
};
