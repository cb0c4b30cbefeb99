// Base of every configuration class: a CRegistry on the program's key with helpers for section
// paths and the program's folder. The application creates the configuration objects at start
// and keeps them for its whole life.
#pragma once
#include "station/config/Registry.h"

// The program's key in HKEY_LOCAL_MACHINE (machine-wide) and HKEY_CURRENT_USER (per user).
#define HELVON_REGISTRY_KEY "Software\\KUVO GmbH\\Helvon"

class CConfig : public CRegistry
{
    // Construction
  public:
    CConfig(LPCSTR subKey, HKEY root, int readOnly);
    virtual ~CConfig();

    // Operations
  public:
    // Drive and folder of the program's own file, ending with a backslash.
    static CString GetModuleDirectory();
    // "base\name", or base alone when name is NULL.
    static CString MakeSection(LPCSTR base, LPCSTR name);

    // Overridables
  public:
    virtual CString MapName(const CString& name);
};
