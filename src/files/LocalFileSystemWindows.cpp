// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"

#include "DisplayOrder.h"
#include "FolderPath.h"
#include "SystemErrorText.h"
#include "WideText.h"

#include "WindowsApi.h"
#include <winnetwk.h>

#include <algorithm>
#include <cctype>
#include <cwctype>
#include <iterator>

namespace {

// What a folder's thread hands back: plain bytes and an error code, as the thread may
// finish while the program is ending.
struct FolderRead
{
    DWORD error = ERROR_SUCCESS;
    std::vector<std::string> names;
};

bool isOffered(const WIN32_FIND_DATAW &found)
{
    const std::wstring_view name = found.cFileName;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        && !(found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        && name != L"." && name != L"..";
}

FolderRead readFolder(const std::wstring &pattern)
{
    FolderRead read;
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        read.error = GetLastError();
        return read;
    }
    do {
        if (isOffered(found))
            read.names.push_back(toUtf8(found.cFileName));
    } while (FindNextFileW(search, &found));
    const DWORD ended = GetLastError();
    FindClose(search);
    if (ended != ERROR_NO_MORE_FILES) {
        read.error = ended;
        return read;
    }
    sortForDisplay(read.names);
    return read;
}

// The classic drive list's form: the letter in small case, then the volume's label, or the
// share a network drive stands for, in brackets.
std::wstring shownDrive(const std::wstring &root)
{
    std::wstring shown {wchar_t(std::towlower(root[0])), L':'};
    wchar_t name[MAX_PATH + 1] = {};
    DWORD length = DWORD(std::size(name));
    const std::wstring letter = root.substr(0, 2);
    if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) {
        if (WNetGetConnectionW(letter.c_str(), name, &length) != NO_ERROR)
            name[0] = L'\0';
    } else if (!GetVolumeInformationW(root.c_str(), name, length, nullptr, nullptr, nullptr,
                                      nullptr, 0)) {
        name[0] = L'\0';
    }
    if (name[0] != L'\0')
        shown += std::wstring(L" [") + name + L"]";
    return shown;
}

std::vector<std::wstring> driveRoots()
{
    wchar_t buffer[4 * 26 + 2] = {};
    const DWORD length = GetLogicalDriveStringsW(DWORD(std::size(buffer)), buffer);
    std::vector<std::wstring> roots;
    for (const wchar_t *root = buffer; length > 0 && length < std::size(buffer) && *root;
         root += wcslen(root) + 1)
        roots.emplace_back(root);
    return roots;
}

} // namespace

LocalFileSystem::LocalFileSystem(Waiter *waiter) : m_calls(answerLimit, waiter) { }

// Reading a label touches the drive, and a disconnected network drive may keep silent:
// the labels come within the bound, or the list offers the letters alone.
std::vector<Drive> LocalFileSystem::drives() const
{
    const std::vector<std::wstring> roots = driveRoots();
    const std::optional<std::vector<std::wstring>> labelled =
        m_calls.run<std::vector<std::wstring>>("drives", [roots] {
            std::vector<std::wstring> shown;
            for (const std::wstring &root : roots)
                shown.push_back(shownDrive(root));
            return shown;
        });
    std::vector<Drive> drives;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const std::string letter = toUtf8(roots[i].substr(0, 2));
        std::string shown = labelled ? toUtf8((*labelled)[i]) : letter;
        if (!labelled)
            shown[0] = char(std::tolower(static_cast<unsigned char>(shown[0])));
        drives.push_back(Drive {letter, std::move(shown)});
    }
    return drives;
}

Result<std::vector<std::string>, std::string>
LocalFileSystem::listFolder(const std::string &folder) const
{
    const std::optional<std::wstring> wide = toWide(nativeFolderPath(folder));
    if (!wide)
        return Failure {systemErrorText(GetLastError())};
    std::wstring pattern = *wide;
    if (!pattern.ends_with(L'\\'))
        pattern += L'\\';
    pattern += L'*';
    std::optional<FolderRead> read =
        m_calls.run<FolderRead>(folder, [pattern] { return readFolder(pattern); });
    if (!read)
        return Failure {systemErrorText(ERROR_TIMEOUT)};
    if (read->error != ERROR_SUCCESS)
        return Failure {systemErrorText(read->error)};
    return std::move(read->names);
}

std::string LocalFileSystem::currentFolder() const
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring current(size, L'\0');
    if (size == 0 || GetCurrentDirectoryW(size, current.data()) + 1 != size)
        return "C:/";
    current.resize(size - 1);
    std::string folder = toUtf8(current);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return cleanFolderPath(folder);
}

bool LocalFileSystem::isPickableVolume(std::string_view, std::string_view)
{
    return true;
}
