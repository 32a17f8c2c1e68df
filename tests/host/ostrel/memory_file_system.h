// The backup's file system in memory, with the faults a disk can have:
// files marked read-only, folders that take no new files, renames that fail.
#pragma once
#include <map>
#include <set>
#include <string>

#include "ostrel/backup/file_system.h"

namespace ostrel {

class MemoryFileSystem : public FileSystem {
public:
    struct File {
        std::string bytes;
        bool plain = true;  // false: read-only, hidden or system
    };
    std::map<std::string, File> files;
    std::set<std::string> folders;
    std::set<std::string> locked_folders;  // no file can be made or renamed into them
    std::set<std::string> failing_moves;   // these files cannot be renamed

    void MakeFolder(const std::string& path) override { folders.insert(path); }
    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    bool Copy(const std::string& from, const std::string& to) override {
        auto source = files.find(from);
        if (source == files.end() || !CanCreate(to) || (Exists(to) && !files[to].plain)) return false;
        files[to] = source->second;
        return true;
    }
    bool Move(const std::string& from, const std::string& to) override {
        if (!Exists(from) || Exists(to) || failing_moves.count(from) || !CanCreate(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) > 0; }
    bool MakePlain(const std::string& path) override {
        if (!Exists(path)) return false;
        files[path].plain = true;
        return true;
    }
    std::optional<std::uint64_t> Size(const std::string& path) override {
        if (!Exists(path)) return std::nullopt;
        return files[path].bytes.size();
    }
    std::string ReadHead(const std::string& path, std::size_t count) override {
        return Exists(path) ? files[path].bytes.substr(0, count) : std::string();
    }
    bool Write(const std::string& path, const std::string& bytes) override {
        if (!CanCreate(path) || (Exists(path) && !files[path].plain)) return false;
        files[path] = File{bytes, true};
        return true;
    }

private:
    bool CanCreate(const std::string& path) const {
        std::string folder = path.substr(0, path.rfind('\\') + 1);
        return folders.count(folder) > 0 && locked_folders.count(folder) == 0;
    }
};

}  // namespace ostrel
