#include "tarvex/store/profile.h"

namespace tarvex {

std::string Profile::WindowsDirectory() { return api_.WindowsDirectory(kSystemBufferSize); }

std::string Profile::SystemDirectory() { return api_.SystemDirectory(kSystemBufferSize); }

std::string Profile::PathIn(const std::string& windows_dir, ProfileFile file) {
    return windows_dir + "\\" + Name(file);
}

const char* Profile::Name(ProfileFile file) {
    return file == ProfileFile::WinIni ? "WIN.INI" : "SYSTEM.INI";
}

bool Profile::Exists(const std::string& path) { return api_.IsOrdinaryFile(path); }

bool Profile::ProfileWrite(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& file) {
    return api_.WriteString(section, key, value, file);
}

ProfileReadResult Profile::ProfileRead(const std::string& section, const std::string& key,
                                       const std::string& file) {
    ProfileReadResult result;
    result.value = api_.ReadString(section, key, file, kProfileReturnSize);
    result.length = result.value.size();
    return result;
}

}  // namespace tarvex
