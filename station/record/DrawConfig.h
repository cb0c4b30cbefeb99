// Machine-wide drawing settings (HKEY_LOCAL_MACHINE\Software\KUVO GmbH\Helvon, section "Drawing"):
// grid, frame pen and colours of the plot; the drawing objects read their own values in subkeys
// of "Drawing". Owned by the application (the fifth configuration object).
#pragma once
#include "station/config/Config.h"

// The section of the drawing settings; objects use "Drawing\<registry name>".
#define HELVON_DRAWING_SECTION "Drawing"

class CDrawConfig : public CConfig
{
  public:
    enum Value
    {
        Grid,
        Pen,
        GridColor,
        BackColor,
        ValueCount
    };
    struct SValueInfo
    {
        LPCSTR name;
        DWORD defaultNumber;
    };

    // Construction
    explicit CDrawConfig(BOOL readOnly);
    CDrawConfig(const CDrawConfig&) = delete;
    CDrawConfig& operator=(const CDrawConfig&) = delete;

    // Operations
    static const SValueInfo& GetValueInfo(Value value);
    DWORD GetNumber(Value value);
    // FALSE without writing on a read-only object or when the registry refuses.
    BOOL SetNumber(Value value, DWORD number);

    BOOL GetGrid()
    {
        return GetNumber(Grid) != 0;
    }
    BOOL SetGrid(BOOL b)
    {
        return SetNumber(Grid, b ? 1 : 0);
    }
    int GetPen()
    {
        return (int)GetNumber(Pen);
    }
    BOOL SetPen(int n)
    {
        return SetNumber(Pen, (DWORD)n);
    }
    COLORREF GetGridColor()
    {
        return GetNumber(GridColor);
    }
    BOOL SetGridColor(COLORREF c)
    {
        return SetNumber(GridColor, c);
    }
    COLORREF GetBackColor()
    {
        return GetNumber(BackColor);
    }
    BOOL SetBackColor(COLORREF c)
    {
        return SetNumber(BackColor, c);
    }

    // "Drawing\<name>" for an object's own values.
    static CString ObjectSection(LPCSTR registryName);

  private:
    BOOL m_bReadOnly;
};
