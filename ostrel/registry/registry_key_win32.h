// Ostrel's only way into the registry: one open key at a time. Every
// operation returns the Win32 result of the call it makes.
#pragma once
#include <windows.h>

#include <string>

class CRegistryKey {
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    virtual ~CRegistryKey();

    // Creates the key, or opens it when it exists, with full access.
    LONG Open(HKEY hRoot, const char* pszPath);
    LONG WriteDword(const char* pszName, DWORD dwValue);
    // REG_SZ with its terminating zero.
    LONG WriteString(const char* pszName, const char* pszText);
    // Leaves dwValue as it was when the value cannot be read.
    LONG ReadDword(const char* pszName, DWORD& dwValue);
    LONG Close();

private:
    HKEY m_hKey = nullptr;
    std::string m_strPath;
};
