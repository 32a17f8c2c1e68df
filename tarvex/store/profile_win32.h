// The profile-file access on the real system: the directory calls, a
// directory lookup for the existence test, and the private-profile calls.
#pragma once
#include "tarvex/store/profile_api.h"

namespace tarvex {

class Win32ProfileApi : public ProfileApi {
public:
    std::string WindowsDirectory(std::size_t size) override;
    std::string SystemDirectory(std::size_t size) override;
    bool IsOrdinaryFile(const std::string& path) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file) override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& file, std::size_t size) override;
};

}  // namespace tarvex
