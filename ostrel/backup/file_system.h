// The file operations the backup stands on; the Win32 adapter
// (file_system_win32.cpp) maps each to one or two calls that Windows 95 has.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace ostrel {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual void MakeFolder(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Copies over an existing plain file; the copy takes the source's attributes.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Renames; fails when `to` exists (there is no atomic replace on 9x).
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    // Clears read-only, hidden and system, then deletes.
    virtual bool Remove(const std::string& path) = 0;
    virtual bool MakePlain(const std::string& path) = 0;
    virtual std::optional<std::uint64_t> Size(const std::string& path) = 0;
    // Up to `count` bytes from the start of the file; fewer if it is shorter.
    virtual std::string ReadHead(const std::string& path, std::size_t count) = 0;
    // Creates or truncates the file and writes all bytes; false on any failure.
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace ostrel
