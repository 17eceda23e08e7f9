// SPDX-License-Identifier: MIT
#include "processfigures.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <malloc.h>
#include <time.h>

#include <cstdio>

namespace ProcessFigures {

namespace {

QString procPath(int pid, const QString &rest)
{
    const QString who = pid == 0 ? QStringLiteral("self") : QString::number(pid);
    return QStringLiteral("/proc/%1/%2").arg(who, rest);
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::optional<std::int64_t> statusKib(const char *field, int pid)
{
    const std::optional<QByteArray> status = readAll(procPath(pid, QStringLiteral("status")));
    if (!status)
        return std::nullopt;
    const QByteArray prefix = QByteArray(field) + ':';
    const QList<QByteArray> lines = status->split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith(prefix))
            continue;
        // "VmHWM:	   41236 kB"
        const QList<QByteArray> parts = line.mid(prefix.size()).simplified().split(' ');
        bool ok = false;
        const std::int64_t kib = parts.value(0).toLongLong(&ok);
        if (ok)
            return kib;
    }
    return std::nullopt;
}

std::int64_t heapInUseBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return std::int64_t(info.uordblks) + std::int64_t(info.hblkhd);
}

std::optional<Wakeups> wakeups(int pid)
{
    const QDir tasks(procPath(pid, QStringLiteral("task")));
    const QStringList ids = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (ids.isEmpty())
        return std::nullopt;
    Wakeups sum;
    for (const QString &id : ids) {
        const QString task = tasks.filePath(id);
        // schedstat: time on CPU, time waiting, timeslices run.
        const std::optional<QByteArray> schedstat = readAll(task + QStringLiteral("/schedstat"));
        const std::optional<QByteArray> status = readAll(task + QStringLiteral("/status"));
        if (!schedstat || !status)
            continue; // the thread ended in between
        sum.scheduled += schedstat->simplified().split(' ').value(2).toLongLong();
        for (const QByteArray &line : status->split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                sum.contextSwitches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        ++sum.threads;
    }
    return sum;
}

void printRow(const QString &measure, const QString &figure, const QString &budget,
              const QString &verdict)
{
    QTextStream out(stdout);
    out << "| " << measure << " | " << figure << " | " << budget << " | " << verdict << " |\n";
    out.flush();
}

QString verdict(bool withinBudget)
{
    return withinBudget ? QStringLiteral("within") : QStringLiteral("MISSED");
}

} // namespace ProcessFigures
