// The font of a style: a two-word description in which every attribute may be absent, so
// that fonts merge attribute by attribute. Its LOGFONT is built on demand and shared, with a
// reference count, by all fonts with the same description (see CGXFontFaceTable).
#pragma once
#include "grid/core/GridTypes.h"

class CGXFont : public CObject
{
    DECLARE_SERIAL(CGXFont)

  public:
    // Construction
    CGXFont();
    CGXFont(const CGXFont& src);
    ~CGXFont() override;
    CGXFont& operator=(const CGXFont& src);
    CGXFont& operator=(const LOGFONT& lf)
    {
        return SetLogFont(lf);
    }

    // Operations
    CGXFont& Clear();
    CGXFont& SetLogFont(const LOGFONT& lf);
    // The default font: Arial (or the system's GUI font with double-byte character sets), 11 pixels.
    CGXFont& SetDefault();

    CGXFont& SetSize(double points);
    CGXFont& SetIncludeSize(BOOL b);
    CGXFont& SetWeight(LONG nWeight);
    CGXFont& SetIncludeWeight(BOOL b);
    CGXFont& SetBold(BOOL b)
    {
        return SetWeight(b ? FW_BOLD : FW_NORMAL);
    }
    CGXFont& SetItalic(BOOL b);
    CGXFont& SetUnderline(BOOL b);
    CGXFont& SetStrikeOut(BOOL b);
    CGXFont& SetIncludeItalic(BOOL b);
    CGXFont& SetIncludeUnderline(BOOL b);
    CGXFont& SetIncludeStrikeOut(BOOL b);
    // Angle in tenths of a degree, reduced to 0..3599.
    CGXFont& SetOrientation(LONG nTenths);
    CGXFont& SetIncludeOrientation(BOOL b);
    CGXFont& SetFaceIndex(UINT nIndex);
    CGXFont& SetFaceName(LPCTSTR pszName)
    {
        return SetFaceIndex(GetFaceIndex(pszName));
    }
    CGXFont& SetIncludeFaceName(BOOL b);
    static UINT GetFaceIndex(LPCTSTR pszName);

    BOOL GetIncludeSize() const
    {
        return FieldSize() != 0;
    }
    BOOL GetIncludeWeight() const
    {
        return FieldWeight() != 15;
    }
    BOOL GetIncludeItalic() const
    {
        return (m_dw1 & bitInclItalic) != 0;
    }
    BOOL GetIncludeUnderline() const
    {
        return (m_dw1 & bitInclUnderline) != 0;
    }
    BOOL GetIncludeStrikeOut() const
    {
        return (m_dw1 & bitInclStrikeOut) != 0;
    }
    BOOL GetIncludeOrientation() const
    {
        return FieldOrientation() != 0x1FF;
    }
    BOOL GetIncludeFaceName() const
    {
        return FieldFace() != 1023;
    }
    BOOL IsEmpty() const
    {
        return (m_dw1 & ~bitHoldsRecord) == emptyWord1 && m_dw2 == emptyWord2;
    }

    double GetSize() const
    {
        return UnpackSize(FieldSize());
    }
    LONG GetWeight() const
    {
        return UnpackWeight(FieldWeight());
    }
    BOOL GetBold() const
    {
        return GetWeight() >= FW_BOLD;
    }
    BOOL GetItalic() const
    {
        return (m_dw1 & bitItalic) != 0;
    }
    BOOL GetUnderline() const
    {
        return (m_dw1 & bitUnderline) != 0;
    }
    BOOL GetStrikeOut() const
    {
        return (m_dw1 & bitStrikeOut) != 0;
    }
    LONG GetOrientation() const
    {
        return UnpackOrientation(FieldOrientation());
    }
    UINT GetFaceIndexValue() const
    {
        return FieldFace();
    }
    CString GetFaceName() const;

    static double UnpackSize(DWORD nField)
    {
        return nField * 0.25;
    }
    static LONG UnpackWeight(DWORD nField)
    {
        return (LONG)nField * 100;
    }
    static LONG UnpackOrientation(DWORD nField)
    {
        return (LONG)nField * 10;
    }

    // The shared LOGFONT of this description.
    const LOGFONT& GetLogFont() const;
    void GetZoomedLogFont(LOGFONT& lf, int nZoomPercent) const;
    // TRUE when every attribute the other font includes is included here with the same value.
    BOOL IncludesFont(const CGXFont& other) const;
    // Merges a source font by a style merge mode.
    CGXFont& MergeFont(const CGXFont& source, GXModifyType mt);
    void ReleaseLogFont() const;
    BOOL IsEqualDescription(const CGXFont& other) const;

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual void WriteProfile(LPCTSTR pszSection, LPCTSTR pszEntry) const;
    // TRUE when the value was there and applied.
    virtual BOOL ReadProfile(LPCTSTR pszSection, LPCTSTR pszEntry);

    // Implementation
    enum : DWORD
    {
        bitHoldsRecord = 1u << 0,
        bitInclItalic = 1u << 1,
        bitInclUnderline = 1u << 2,
        bitInclStrikeOut = 1u << 3,
        bitItalic = 1u << 18,
        bitUnderline = 1u << 19,
        bitStrikeOut = 1u << 20,
        emptyWord1 = 0x3FE000F0u,
        emptyWord2 = 1023u
    };
    DWORD GetDescriptionWord1() const
    {
        return m_dw1 & ~bitHoldsRecord;
    }
    DWORD GetDescriptionWord2() const
    {
        return m_dw2;
    }
    // Takes both description words (as read back from an archive).
    void SetDescriptionWords(DWORD dw1, DWORD dw2)
    {
        m_dw1 = dw1 & ~bitHoldsRecord;
        m_dw2 = dw2;
    }

  private:
    DWORD FieldWeight() const
    {
        return (m_dw1 >> 4) & 15;
    }
    DWORD FieldSize() const
    {
        return (m_dw1 >> 8) & 1023;
    }
    DWORD FieldOrientation() const
    {
        return (m_dw1 >> 21) & 0x1FF;
    }
    DWORD FieldFace() const
    {
        return m_dw2 & 1023;
    }
    void SetField(DWORD nShift, DWORD nMask, DWORD nValue);
    void SetBit(DWORD bit, BOOL b);

    // Bit 0 of word 1 is bookkeeping only, so it changes on const fonts.
    mutable DWORD m_dw1;
    DWORD m_dw2;
};
