// A fixture owning a test key below HKEY_CURRENT_USER: raw writes and reads that do not go
// through the code under test, and the whole key removed afterwards.
#pragma once
#include "afxwin.h"
#include <gtest/gtest.h>
#include <string>

class RegistryTestKey : public ::testing::Test
{
  protected:
    static constexpr const char* kBase = "Software\\HelvonCommonTest";

    void SetUp() override
    {
        ::RegDeleteTree(HKEY_CURRENT_USER, kBase);
    }
    void TearDown() override
    {
        ::RegDeleteTree(HKEY_CURRENT_USER, kBase);
    }
    // The path of a key below the test key (the test key itself for "").
    static CString Path(const std::string& sub)
    {
        return sub.empty() ? CString(kBase) : CString(kBase) + "\\" + sub.c_str();
    }
    static bool KeyExists(LPCTSTR path)
    {
        HKEY hKey = NULL;
        if (::RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
    static void WriteRaw(const std::string& sub, const char* name, DWORD dwType, const void* data, DWORD size)
    {
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyEx(HKEY_CURRENT_USER, Path(sub), 0, NULL, 0, KEY_ALL_ACCESS,
                                                  NULL, &hKey, NULL));
        EXPECT_EQ(ERROR_SUCCESS,
                  ::RegSetValueEx(hKey, name, 0, dwType, static_cast<const BYTE*>(data), size));
        ::RegCloseKey(hKey);
    }
    static void WriteText(const std::string& sub, const char* name, const std::string& text)
    {
        WriteRaw(sub, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    static bool ReadRaw(const std::string& sub, const char* name, DWORD& dwType, std::string& data)
    {
        HKEY hKey = NULL;
        if (::RegOpenKeyEx(HKEY_CURRENT_USER, Path(sub), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        char buffer[8192];
        DWORD size = sizeof buffer;
        LONG lResult = ::RegQueryValueEx(hKey, name, NULL, &dwType, reinterpret_cast<BYTE*>(buffer), &size);
        ::RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS)
            return false;
        data.assign(buffer, size);
        return true;
    }
};
