#include "tarvex/store/memory_profile.h"

namespace tarvex {

namespace {

// A directory that does not fit the buffer with its NUL is a failed call.
std::string Directory(const std::optional<std::string>& dir, std::size_t size) {
    return dir && dir->size() < size ? *dir : std::string();
}

}  // namespace

void MemoryProfile::AddFile(const std::string& path, FileAttributes attributes) {
    files_[path].attributes = attributes;
}

std::optional<std::string> MemoryProfile::Value(const std::string& file, const std::string& section,
                                                const std::string& key) const {
    const auto f = files_.find(file);
    if (f == files_.end()) return std::nullopt;
    const auto s = f->second.sections.find(section);
    if (s == f->second.sections.end()) return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

std::string MemoryProfile::WindowsDirectory(std::size_t size) { return Directory(windows_dir_, size); }

std::string MemoryProfile::SystemDirectory(std::size_t size) { return Directory(system_dir_, size); }

bool MemoryProfile::IsOrdinaryFile(const std::string& path) {
    const auto it = files_.find(path);
    if (it == files_.end()) return false;
    const FileAttributes& a = it->second.attributes;
    return !a.directory && !a.hidden && !a.system;
}

bool MemoryProfile::WriteString(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& file) {
    File& f = files_[file];
    if (f.attributes.directory || f.attributes.read_only) return false;
    f.sections[section][key] = value;
    return true;
}

std::string MemoryProfile::ReadString(const std::string& section, const std::string& key,
                                      const std::string& file, std::size_t size) {
    return Value(file, section, key).value_or("").substr(0, size - 1);
}

}  // namespace tarvex
