// A cell style: value, alignment, colours, font, borders, control and user attributes, each
// with an include bit, so that styles merge attribute by attribute (cell over row and column
// over base styles over the standard style). Copied freely; owned by whoever holds it.
#pragma once
#include "grid/core/CellBrush.h"
#include "grid/core/CellPen.h"
#include "grid/core/Font.h"
#include "grid/core/UserAttribute.h"
#include "grid/core/UserAttributeMap.h"
#include "FixedAlloc.h"

class CGXStylesMap;

// Value types of a style's value.
#define GX_VT_TEXT 0
#define GX_VT_NUMBER 1
#define GX_VT_EXPRESSION 2
#define GX_VT_ERROR 3

// The include word. Its mask form, exchanged with other parts, has bits 21 and 22 swapped.
class CGXStyleIncludeBits
{
  public:
    DWORD GetMask() const;
    void SetMask(DWORD dwMask);
    BOOL Test(int nBit) const
    {
        return (m_dw >> nBit) & 1;
    }
    void Set(int nBit, BOOL b)
    {
        m_dw = b ? (m_dw | (1u << nBit)) : (m_dw & ~(1u << nBit));
    }

    DWORD m_dw = 0;
};

class CGXStyle : public CObject
{
    DECLARE_SERIAL(CGXStyle)
    // A read workbook makes one per cell: blocks of many, not a heap call each.
    DECLARE_FIXED_ALLOC(CGXStyle)

  public:
    // Include bits, one per attribute.
    enum IncludeBit
    {
        ibHorzAlign = 0,
        ibVertAlign = 1,
        ibReadOnly = 2,
        ibControl = 3,
        ibInterior = 4,
        ibTextColor = 5,
        ibWrapText = 6,
        ibAllowEnter = 7,
        ibBorders = 8,
        ibFont = 9,
        ibValue = 10,
        ibChoiceList = 11,
        ibVertScroll = 12,
        ibMaxLength = 13,
        ibBaseStyle = 14,
        ibEnabled = 15,
        ibTriState = 16,
        ib3dFrame = 17,
        ibUserAttributes = 18,
        ibAutoSize = 19,
        ibItemData = 20,
        ibFloodCell = 21,
        ibFloatCell = 22,
        ibMergeCell = 23,
        ibFormat = 24,
        ibPlaces = 25,
        ibCount = 26
    };

    // Border sides, as the drawing places them.
    enum
    {
        sideLeft = 0,
        sideRight = 1,
        sideTop = 2,
        sideBottom = 3,
        sideAll = -1
    };

    // Construction
    CGXStyle();
    CGXStyle(const CGXStyle& src);
    ~CGXStyle() override;
    CGXStyle& operator=(const CGXStyle& src)
    {
        return Assign(src);
    }
    void Init();

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual CGXStyle* Clone() const;
    virtual CGXStyle& SetValue(LPCTSTR pszValue);
    virtual CGXStyle& Assign(const CGXStyle& src);
    // Makes this the standard style.
    virtual CGXStyle& SetDefault();
    virtual BOOL CompareSubset(const CGXStyle& other) const;
    // TRUE when both include the same attributes with equal values.
    BOOL IsEqual(const CGXStyle& other) const;
    virtual void SerializeStyle(CArchive& ar, const CGXStylesMap* pStylesMap);
    virtual void WriteProfile(LPCTSTR pszSection, const CGXStylesMap* pStylesMap) const;
    virtual BOOL ReadProfile(LPCTSTR pszSection, const CGXStylesMap* pStylesMap);
    // Fills what is still open from the chain of base styles (each base only where the more
    // specific ones left an attribute open).
    virtual CGXStyle& ApplyBaseStyles(const CGXStylesMap* pStylesMap);
    virtual CGXStyle& MergeStyle(const CGXStyle& source, GXModifyType mt);
    virtual CGXStyle& Free();

    // Operations: include bits
    BOOL GetInclude(int nBit) const
    {
        return m_include.Test(nBit);
    }
    CGXStyle& SetInclude(int nBit, BOOL b);
    BOOL IsEmpty() const
    {
        return m_include.m_dw == 0;
    }
    const CGXStyleIncludeBits& GetIncludeBits() const
    {
        return m_include;
    }

    // Operations: attributes
    CGXStyle& SetHorizontalAlignment(DWORD dtFlags);
    DWORD GetHorizontalAlignment() const;
    CGXStyle& SetVerticalAlignment(DWORD dtFlags);
    DWORD GetVerticalAlignment() const;
    CGXStyle& SetReadOnly(BOOL b)
    {
        return SetFlag(ibReadOnly, 2, b);
    }
    BOOL GetReadOnly() const
    {
        return (m_dwFlags >> 2) & 1;
    }
    CGXStyle& SetControl(WORD nID);
    WORD GetControl() const
    {
        return (WORD)m_nControl;
    }
    CGXStyle& SetInterior(const CGXCellBrush& brush);
    CGXStyle& SetInterior(COLORREF cr)
    {
        return SetInterior(CGXCellBrush(cr));
    }
    const CGXCellBrush& GetInterior() const
    {
        return m_interior;
    }
    CGXStyle& SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const;
    COLORREF GetTextColorValue() const;
    CGXStyle& SetWrapText(BOOL b)
    {
        return SetFlag(ibWrapText, 4, b);
    }
    BOOL GetWrapText() const
    {
        return (m_dwFlags >> 4) & 1;
    }
    CGXStyle& SetAllowEnter(BOOL b)
    {
        return SetFlag(ibAllowEnter, 5, b);
    }
    BOOL GetAllowEnter() const
    {
        return (m_dwFlags >> 5) & 1;
    }
    CGXStyle& SetVerticalScrollBar(BOOL b)
    {
        return SetFlag(ibVertScroll, 3, b);
    }
    BOOL GetVerticalScrollBar() const
    {
        return (m_dwFlags >> 3) & 1;
    }
    CGXStyle& SetEnabled(BOOL b)
    {
        return SetFlag(ibEnabled, 6, b);
    }
    BOOL GetEnabled() const
    {
        return (m_dwFlags >> 6) & 1;
    }
    CGXStyle& SetTriState(BOOL b)
    {
        return SetFlag(ibTriState, 7, b);
    }
    BOOL GetTriState() const
    {
        return (m_dwFlags >> 7) & 1;
    }
    CGXStyle& SetAutoSize(BOOL b)
    {
        return SetFlag(ibAutoSize, 8, b);
    }
    BOOL GetAutoSize() const
    {
        return (m_dwFlags >> 8) & 1;
    }
    CGXStyle& SetFloodCell(BOOL b)
    {
        return SetFlag(ibFloodCell, 9, b);
    }
    BOOL GetFloodCell() const
    {
        return (m_dwFlags >> 9) & 1;
    }
    CGXStyle& SetFloatCell(BOOL b)
    {
        return SetFlag(ibFloatCell, 10, b);
    }
    BOOL GetFloatCell() const
    {
        return (m_dwFlags >> 10) & 1;
    }
    CGXStyle& SetMergeCell(UINT n);
    UINT GetMergeCell() const
    {
        return (m_dwFlags >> 11) & 7;
    }
    CGXStyle& SetDraw3dFrame(UINT n);
    UINT GetDraw3dFrame() const
    {
        return m_dwFlags & 3;
    }
    CGXStyle& SetMaxLength(WORD n);
    WORD GetMaxLength() const
    {
        return (WORD)m_nMaxLength;
    }
    CGXStyle& SetBaseStyle(WORD nID);
    WORD GetBaseStyle() const
    {
        return (WORD)(m_dwColorAndBase >> 24);
    }
    CGXStyle& SetFormat(UINT nCode);
    UINT GetFormat() const
    {
        return m_dwFormat & 31;
    }
    CGXStyle& SetPlaces(UINT nPlaces);
    UINT GetPlaces() const
    {
        return (m_dwFormat >> 5) & 15;
    }
    CGXStyle& SetItemData(DWORD dw);
    DWORD GetItemData() const
    {
        return m_dwItemData;
    }

    // Borders
    CGXStyle& SetBorder(int nSide, const CGXCellPen& pen);
    CGXStyle& SetIncludeBorder(int nSide, BOOL b);
    // Four pens, or none (NULL).
    CGXStyle& SetBorderArray(const CGXCellPen* pPens);
    BOOL HasBorder(int nSide) const;
    const CGXCellPen& GetBorder(int nSide) const;

    // Font
    CGXStyle& MergeFont(const CGXFont& font, GXModifyType mt = gxOverride);
    void GetFont(CGXFont& font) const;
    const CGXFont* GetFontPtr() const
    {
        return m_pFont;
    }

    // Value and choice list
    CGXStyle& SetValue(const CString& s)
    {
        return SetValue((LPCTSTR)s);
    }
    CGXStyle& SetNumberValue(double d);
    CGXStyle& SetUnsignedValue(DWORD dw);
    CGXStyle& SetValuePresent(BOOL b);
    const CString& GetValue() const
    {
        return m_strValue;
    }
    UINT GetValueType() const
    {
        return (m_dwFlags >> 20) & 7;
    }
    CGXStyle& SetValueType(UINT nType);
    CGXStyle& SetChoiceList(LPCTSTR psz);
    const CString& GetChoiceList() const
    {
        return m_strChoiceList;
    }

    // User attributes
    BOOL HasUserAttribute(WORD nID) const;
    const CGXAbstractUserAttribute& GetUserAttribute(WORD nID) const;
    CGXStyle& SetUserAttribute(WORD nID, const CGXAbstractUserAttribute& attribute);
    CGXStyle& SetUserAttributeValue(WORD nID, DWORD dw);
    CGXStyle& SetUserAttributeText(WORD nID, LPCTSTR psz);
    // On: adds an attribute of value 0 when the id is absent. Off: removes it.
    CGXStyle& SetIncludeUserAttribute(WORD nID, BOOL b);
    const CGXUserAttributeMap* GetUserAttributeMap() const
    {
        return m_pUserAttributes;
    }
    CGXStyle& EnableNegativeNumberColor(BOOL b)
    {
        return SetIncludeUserAttribute(52797, b);
    }
    CGXStyle& SetNegativeNumberColor(COLORREF cr)
    {
        return SetUserAttributeValue(52797, cr);
    }

    // Implementation
    struct AttrField;

  private:
    CGXStyle& SetFlag(int nBit, int nFlagBit, BOOL b);
    void StoreFlags(DWORD dwMask, DWORD dwValue)
    {
        m_dwFlags = (m_dwFlags & ~dwMask) | (dwValue & dwMask);
    }
    void EnsurePens();
    BOOL AnyBorderSet() const;
    void DeleteUserAttributes();
    // The font is made in the style's own space: no allocation of its own.
    CGXFont* MakeFont(const CGXFont* pSource);
    void DeleteFont();

    static const AttrField s_attrFields[];

    CGXStyleIncludeBits m_include;
    DWORD m_nMaxLength;
    CGXCellBrush m_interior;
    DWORD m_nControl;
    DWORD m_dwFlags;        // see the setters for the bit fields
    DWORD m_dwColorAndBase; // bits 0-23 text colour, 24-31 base-style id
    DWORD m_dwFormat;       // bits 0-4 format code, 5-8 decimal places
    CGXCellPen* m_pPens;    // four sides, or NULL
    CGXFont* m_pFont;       // in m_fontSpace, or NULL
    alignas(CGXFont) unsigned char m_fontSpace[sizeof(CGXFont)];
    CString m_strValue;
    CString m_strChoiceList;
    CGXUserAttributeMap* m_pUserAttributes;
    DWORD m_dwItemData;
};
