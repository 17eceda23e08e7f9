// SPDX-License-Identifier: MIT
#include "mutexinstanceguard.h"

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

MutexInstanceGuard::MutexInstanceGuard(const QString &mutexName) : m_name(mutexName) {}

MutexInstanceGuard::~MutexInstanceGuard()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
}

QString MutexInstanceGuard::defaultMutexName(const QString &applicationName)
{
    const QString sid = userSid();
    if (sid.isEmpty())
        return QStringLiteral("Local\\") + applicationName;
    return QStringLiteral("Global\\") + applicationName + QLatin1Char('-') + sid;
}

bool MutexInstanceGuard::anotherCopyRunning()
{
    if (m_handle != nullptr)
        return false;
    const HANDLE handle =
        CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(m_name.utf16()));
    if (handle == nullptr)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return true;
    }
    m_handle = handle;
    return false;
}

std::unique_ptr<InstanceGuard> systemInstanceGuard(const QString &applicationName)
{
    return std::make_unique<MutexInstanceGuard>(
        MutexInstanceGuard::defaultMutexName(applicationName));
}
