#include "ostrel/backup/file_system_win32.h"

#include <windows.h>

namespace {

// Closes a file handle when it goes out of scope.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE hFile) : m_hFile(hFile) {}
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    ~CFileHandle() {
        if (IsOpen()) CloseHandle(m_hFile);
    }
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_hFile; }
    // Closes now, for callers that need to know the close succeeded.
    bool Close() {
        bool bClosed = CloseHandle(m_hFile) != FALSE;
        m_hFile = INVALID_HANDLE_VALUE;
        return bClosed;
    }

private:
    HANDLE m_hFile;
};

CFileHandle OpenForReading(const std::string& path) {
    return CFileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

void CWin32FileSystem::MakeFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

bool CWin32FileSystem::Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CWin32FileSystem::Copy(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool CWin32FileSystem::Move(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool CWin32FileSystem::Remove(const std::string& path) {
    MakePlain(path);
    return DeleteFileA(path.c_str()) != FALSE;
}

bool CWin32FileSystem::MakePlain(const std::string& path) {
    return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::optional<std::uint64_t> CWin32FileSystem::Size(const std::string& path) {
    CFileHandle file = OpenForReading(path);
    if (!file.IsOpen()) return std::nullopt;
    DWORD dwHigh = 0;
    DWORD dwLow = GetFileSize(file.Get(), &dwHigh);
    if (dwLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
    return (std::uint64_t{dwHigh} << 32) | dwLow;
}

std::string CWin32FileSystem::ReadHead(const std::string& path, std::size_t count) {
    CFileHandle file = OpenForReading(path);
    std::string bytes(count, '\0');
    DWORD dwRead = 0;
    if (!file.IsOpen() || !ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(count), &dwRead, nullptr)) {
        return std::string();
    }
    bytes.resize(dwRead);
    return bytes;
}

bool CWin32FileSystem::Write(const std::string& path, const std::string& bytes) {
    CFileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    DWORD dwWritten = 0;
    bool bWritten =
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr) &&
        dwWritten == bytes.size();
    return file.Close() && bWritten;
}
