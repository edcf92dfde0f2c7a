#include "data/filereplace.h"

#include <QDir>

#include <windows.h>

namespace {

QString systemMessage(DWORD code)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString message = length ? QString::fromWCharArray(text, int(length)).trimmed()
                                   : QStringLiteral("erreur %1").arg(code);
    LocalFree(text);
    return message;
}

// The file's data flushed to disk.
bool flush(const QString &path)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
        GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
        nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

} // namespace

namespace FileReplace {

bool replace(const QString &from, const QString &to, QString *error)
{
    // The new contents first; the move then goes through to the disk before it returns.
    if (!flush(from)
        || !MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
            reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = systemMessage(GetLastError());
        return false;
    }
    return true;
}

} // namespace FileReplace
