// SPDX-License-Identifier: MIT
#include "platform/instanceguard.h"

#include <windows.h>

#include <sddl.h>

#include <memory>
#include <vector>

namespace {
// The SID of the user this process runs as, in its text form ("S-1-5-21-..."); empty when the
// system will not say.
QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    const std::unique_ptr<void, decltype(&CloseHandle)> closeToken(token, &CloseHandle);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    if (size == 0)
        return {};
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return {};
    const auto *const user = reinterpret_cast<const TOKEN_USER *>(buffer.data());
    wchar_t *text = nullptr;
    if (!ConvertSidToStringSidW(user->User.Sid, &text))
        return {};
    const QString sid = QString::fromWCharArray(text);
    LocalFree(text);
    return sid;
}
} // namespace

InstanceGuard::InstanceGuard(const QString &name) : m_name(name) {}

InstanceGuard::~InstanceGuard()
{
    if (m_held != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_held));
}

// One name for all of the user's sessions, as the Linux lock is one per user, and none that
// another user's copy shares; without the user's SID, the name within the current session alone.
QString InstanceGuard::nameFor(const QString &applicationName)
{
    const QString sid = userSid();
    if (sid.isEmpty())
        return QStringLiteral("Local\\") + applicationName;
    return QStringLiteral("Global\\") + applicationName + QLatin1Char('-') + sid;
}

bool InstanceGuard::anotherCopyRunning()
{
    if (m_held != -1)
        return false;
    const HANDLE handle =
        CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(m_name.utf16()));
    if (handle == nullptr)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return true;
    }
    m_held = reinterpret_cast<qintptr>(handle);
    return false;
}
