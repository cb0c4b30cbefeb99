// Display and print properties of a grid: named colours, user properties (the current-cell
// marker among them), header and footer tokens and blocks, margins and print options.
#pragma once
#include "grid/core/AppData.h"
#include "grid/core/Data.h"
#include <map>

class CGXProperties : public CObject
{
    DECLARE_SERIAL(CGXProperties)

  public:
    // A user property: its name and the style holding its value and editor settings.
    struct UserPropertyInfo
    {
        WORD nID;
        CString sName;
        CGXStyle* pStyle; // owned
    };

    // Construction
    CGXProperties();
    CGXProperties(const CGXProperties& src);
    ~CGXProperties() override;
    CGXProperties& operator=(const CGXProperties& src);

    // Overridables
    // Registers the current-cell marker property with its five choices.
    virtual void AddDefaultUserProperties();
    virtual void WriteProfile() const;
    virtual BOOL ReadProfile();
    void Serialize(CArchive& ar) override;

    // Operations
    // The name is the string resource, or "COLOR%u" without one; a known name keeps its index.
    int AddColor(UINT nResourceID, COLORREF color);
    COLORREF GetColor(int nIndex) const;
    INT_PTR GetColorCount() const
    {
        return m_ColorValueArray.GetSize();
    }
    CString GetColorName(int nIndex) const
    {
        return m_ColorNameArray[nIndex];
    }
    void AddUserProperty(WORD nID, const CGXStyle& style);
    const CGXStyle& GetUserProperty(WORD nID) const;
    const std::map<WORD, UserPropertyInfo*>& GetUserPropertyInfoMap() const
    {
        return m_userProperties;
    }
    int AddToken(LPCTSTR pszToken);
    const CStringArray& GetTokenArray() const
    {
        return m_sTokenArray;
    }
    void ClearColorsAndUserProperties();
    CGXData& GetHeaderFooterBlock(int n)
    {
        return m_headerFooter[n];
    }
    // Header and footer through the handler attached to this object while a grid prints it;
    // without one nothing is printed, the height is 0 and a field's text empty.
    void PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGXGridParam* pParam);
    int CalcHeaderFooterHeight(CDC* pDC, CGXData& block, CGXStylesMap* pStylesMap);
    CString GetHeaderFooterFieldText(int nIndex, CString& strRest);
    CGXAbstractGridPrintImp* GetHeaderFooterHandler() const;

    // The display switches of m_abFlags; the printing switch selects the print options.
    enum
    {
        flagVertLines = 0,
        flagHorzLines = 1,
        flag3dHeader = 2,
        flagMarkRowHeader = 3,
        flagMarkColHeader = 4,
        flagPrinting = 5
    };
    // The print options of m_abPrintFlags (the first seven on by default).
    enum
    {
        printVertLines = 0,
        printHorzLines = 1,
        printRowHeaders = 2,
        printColHeaders = 3,
        printFrame = 4,
        printCenterVertical = 5,
        printCenterHorizontal = 6,
        printPageOrder = 7, // 0 across then down, else down then across
        printBlackWhite = 8
    };
    // The margins and distances of m_anMargins, in pixels of the display.
    enum
    {
        marginTop = 0,
        marginBottom = 1,
        marginLeft = 2,
        marginRight = 3,
        distanceHeader = 4,
        distanceFooter = 5
    };
    BOOL GetDisplayVertLines() const
    {
        return m_abFlags[flagPrinting] ? m_abPrintFlags[printVertLines] : m_abFlags[flagVertLines];
    }
    BOOL GetDisplayHorzLines() const
    {
        return m_abFlags[flagPrinting] ? m_abPrintFlags[printHorzLines] : m_abFlags[flagHorzLines];
    }
    BOOL GetBlackWhite() const
    {
        return m_abFlags[flagPrinting] && m_abPrintFlags[printBlackWhite];
    }
    BOOL GetMarkRowHeader() const
    {
        return m_abFlags[flagMarkRowHeader];
    }
    BOOL GetMarkColHeader() const
    {
        return m_abFlags[flagMarkColHeader];
    }
    // Replaces (or adds) a user property by id, taking the value style (loading).
    void SetUserPropertyEntry(WORD nID, const CString& strName, CGXStyle* pStyle);

    // Implementation
    CGXAppData* m_pAppData;
    CString m_sMarkerInvert, m_sMarkerInvertBold, m_sMarkerFrame, m_sMarkerFrameBold, m_sMarkerNone;
    CGXStyle m_styleNoUserProperty; // answered for unknown user properties
    CStringArray m_sTokenArray;
    CStringArray m_sFieldTexts; // the fields' texts for the page being printed, by code index
    BOOL m_abFlags[6];
    CString m_sSection; // "Grid"
    CStringArray m_ColorNameArray;
    CDWordArray m_ColorValueArray;
    int m_nValue100; // the zoom in percent
    // Margins in pixels of the display: two of 1 inch, two of 1.5 inch, two of 0.4 inch.
    int m_anMargins[6];
    int m_nFirstPage; // the first page's number, -1 numbering from 1
    BOOL m_abPrintFlags[9];
    CGXData m_headerFooter[2]; // footer, header
    enum
    {
        blockFooter = 0,
        blockHeader = 1
    };
    CDWordArray m_awColBreaks, m_awRowBreaks; // forced page breaks before these columns and rows
    WORD m_w1 = 0, m_w2 = 0;

  private:
    void DeleteUserProperties();
    std::map<WORD, UserPropertyInfo*> m_userProperties;
};
