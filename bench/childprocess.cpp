// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include "processfigures.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace {

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

ChildProcess::~ChildProcess()
{
    closeFd(m_in);
    closeFd(m_out);
    if (m_pid > 0)
        finish(0);
}

bool ChildProcess::start(const QString &program, const QStringList &arguments,
                         const QString &stderrPath, bool withStdin)
{
    int out[2];
    int in[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0)
        return false;
    if (withStdin && ::pipe2(in, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }

    const QByteArray programBytes = program.toLocal8Bit();
    std::vector<QByteArray> argumentBytes{programBytes};
    for (const QString &argument : arguments)
        argumentBytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const QByteArray errPath = stderrPath.toLocal8Bit();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (withStdin)
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.constData(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0600);

    // A driver started in the background by a shell ignores SIGINT; the child must not.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGQUIT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    m_startedNs = ProcessFigures::monotonicNs();
    pid_t pid = -1;
    const int failed =
        posix_spawnp(&pid, programBytes.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (withStdin)
        ::close(in[0]);
    if (failed != 0) {
        ::close(out[0]);
        if (withStdin)
            ::close(in[1]);
        return false;
    }
    m_pid = pid;
    m_out = out[0];
    m_in = in[1];
    return true;
}

std::optional<QByteArray> ChildProcess::readLine(int timeoutMs)
{
    const std::int64_t deadline = ProcessFigures::monotonicNs() + std::int64_t(timeoutMs) * 1000000;
    for (;;) {
        const int newline = m_buffer.indexOf('\n');
        if (newline >= 0) {
            const QByteArray line = m_buffer.left(newline);
            m_buffer.remove(0, newline + 1);
            return line;
        }
        if (m_out < 0)
            return std::nullopt;
        const std::int64_t left = deadline - ProcessFigures::monotonicNs();
        if (left <= 0)
            return std::nullopt;
        pollfd fd{m_out, POLLIN, 0};
        if (::poll(&fd, 1, int(left / 1000000) + 1) <= 0)
            continue;
        char chunk[4096];
        const ssize_t got = ::read(m_out, chunk, sizeof chunk);
        if (got <= 0) {
            closeFd(m_out);
            continue;
        }
        m_buffer.append(chunk, int(got));
    }
}

bool ChildProcess::writeLine(const QByteArray &line)
{
    if (m_in < 0)
        return false;
    const QByteArray data = line + '\n';
    return ::write(m_in, data.constData(), size_t(data.size())) == ssize_t(data.size());
}

bool ChildProcess::finish(int timeoutMs)
{
    if (m_pid <= 0)
        return false;
    const std::int64_t deadline = ProcessFigures::monotonicNs() + std::int64_t(timeoutMs) * 1000000;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid)
            break;
        if (ProcessFigures::monotonicNs() >= deadline) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            m_pid = -1;
            return false;
        }
        ::usleep(2000);
    }
    m_pid = -1;
    closeFd(m_in);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
