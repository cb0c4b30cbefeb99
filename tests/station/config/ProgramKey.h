// The program's registry key in both hives, emptied before and removed after each test.
#pragma once
#include "TestSupport.h"
#include "station/config/Config.h"
#include <string>

class ProgramKeyTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        RemoveProgramKeys();
    }
    void TearDown() override
    {
        RemoveProgramKeys();
    }

    static void RemoveProgramKeys()
    {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        {
            ::RegDeleteTreeA(root, HELVON_REGISTRY_KEY);
            ::RegDeleteKeyA(root, "Software\\KUVO GmbH"); // only when nothing else is left in it
        }
    }

    static bool KeyExists(HKEY root, const std::string& path)
    {
        HKEY hKey = NULL;
        if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }

    static std::string Path(const char* section)
    {
        std::string path = HELVON_REGISTRY_KEY;
        if (*section != '\0')
            path += std::string("\\") + section;
        return path;
    }

    // Raw access, independent of the classes under test.
    static void WriteRaw(HKEY root, const char* section, const char* name, DWORD type, const void* data,
                         DWORD size)
    {
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(root, Path(section).c_str(), 0, NULL, 0, KEY_ALL_ACCESS,
                                                   NULL, &hKey, NULL));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(hKey, name, 0, type, static_cast<const BYTE*>(data), size));
        ::RegCloseKey(hKey);
    }
    static void WriteRawDword(HKEY root, const char* section, const char* name, DWORD value)
    {
        WriteRaw(root, section, name, REG_DWORD, &value, sizeof value);
    }
    static void WriteRawText(HKEY root, const char* section, const char* name, const std::string& text)
    {
        WriteRaw(root, section, name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }
    // The stored value as text ("" when missing), numbers in decimal.
    static std::string ReadRaw(HKEY root, const char* section, const char* name)
    {
        char data[512] = {};
        DWORD type = 0, size = sizeof data - 1;
        if (::RegGetValueA(root, Path(section).c_str(), name, RRF_RT_ANY, &type, data, &size) !=
            ERROR_SUCCESS)
            return "<missing>";
        if (type == REG_DWORD)
            return std::to_string(*reinterpret_cast<DWORD*>(data));
        return data;
    }
};
