// The backup's file operations on the real disk, with ANSI calls that
// Windows 95 has (no MoveFileExA: it is a stub there).
#pragma once
#include "ostrel/backup/file_system.h"

class CWin32FileSystem : public ostrel::FileSystem {
public:
    void MakeFolder(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Move(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool MakePlain(const std::string& path) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::string ReadHead(const std::string& path, std::size_t count) override;
    bool Write(const std::string& path, const std::string& bytes) override;
};
