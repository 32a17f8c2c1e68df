// Directories, files and profile keys in memory for the host tests. Paths,
// sections and keys ignore case; a write creates its file; reads and the
// directory calls keep the buffer limits of the system calls.
#pragma once
#include <map>
#include <optional>

#include "tarvex/store/case_less.h"
#include "tarvex/store/profile_api.h"

namespace tarvex {

struct FileAttributes {
    bool directory = false;
    bool hidden = false;
    bool system = false;
    bool read_only = false;  // still an ordinary file, but profile writes fail
};

class MemoryProfile : public ProfileApi {
public:
    // std::nullopt makes the directory call fail.
    void SetWindowsDirectory(std::optional<std::string> dir) { windows_dir_ = std::move(dir); }
    void SetSystemDirectory(std::optional<std::string> dir) { system_dir_ = std::move(dir); }
    void AddFile(const std::string& path, FileAttributes attributes = {});
    // The stored value of a key, std::nullopt when file, section or key is absent.
    std::optional<std::string> Value(const std::string& file, const std::string& section,
                                     const std::string& key) const;

    std::string WindowsDirectory(std::size_t size) override;
    std::string SystemDirectory(std::size_t size) override;
    bool IsOrdinaryFile(const std::string& path) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file) override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& file, std::size_t size) override;

private:
    using Section = std::map<std::string, std::string, CaseLess>;
    struct File {
        FileAttributes attributes;
        std::map<std::string, Section, CaseLess> sections;
    };

    std::optional<std::string> windows_dir_ = std::string("C:\\WINDOWS");
    std::optional<std::string> system_dir_ = std::string("C:\\WINDOWS\\SYSTEM");
    std::map<std::string, File, CaseLess> files_;
};

}  // namespace tarvex
