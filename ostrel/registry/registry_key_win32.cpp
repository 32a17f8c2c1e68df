#include "ostrel/registry/registry_key_win32.h"

#include <cstring>

CRegistryKey::~CRegistryKey() { Close(); }

LONG CRegistryKey::Open(HKEY hRoot, const char* pszPath) {
    m_strPath = pszPath;
    DWORD dwDisposition = 0;
    LONG lResult = RegCreateKeyExA(hRoot, pszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                   nullptr, &m_hKey, &dwDisposition);
    if (lResult != ERROR_SUCCESS) m_hKey = nullptr;
    return lResult;
}

LONG CRegistryKey::WriteDword(const char* pszName, DWORD dwValue) {
    return RegSetValueExA(m_hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                          sizeof dwValue);
}

LONG CRegistryKey::WriteString(const char* pszName, const char* pszText) {
    return RegSetValueExA(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                          static_cast<DWORD>(std::strlen(pszText) + 1));
}

LONG CRegistryKey::ReadDword(const char* pszName, DWORD& dwValue) {
    DWORD dwBuffer = 0;
    DWORD cbBuffer = sizeof dwBuffer;
    LONG lResult =
        RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwBuffer), &cbBuffer);
    if (lResult == ERROR_SUCCESS) dwValue = dwBuffer;
    return lResult;
}

LONG CRegistryKey::Close() {
    if (m_hKey == nullptr) return ERROR_SUCCESS;
    LONG lResult = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return lResult;
}
