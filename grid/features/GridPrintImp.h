// Printing of a grid through the framework's print loop: the grid is divided into pages, each
// page repeats the header and frozen rows and columns, is centred and framed as the properties
// ask, and carries the properties' header and footer blocks with their field codes filled in.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridPrintImp : public CGXAbstractGridPrintImp
{
  public:
    // Field indices, in the order of the properties' field codes.
    enum
    {
        fieldTitle = 0,
        fieldApplication = 1,
        fieldPage = 2,
        fieldPageCount = 3,
        fieldDate = 4,
        fieldGridText = 5,
        fieldCount = 6
    };

    ~CGXGridPrintImp() override;

    void OnGridBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnGridPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnGridEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void PrintHeaderAndFooter(CGXProperties* pProps, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                              CGXGridParam* pParam) override;
    int CalcHeaderFooterBlockHeight(CGXProperties* pProps, CDC* pDC, CGXData& block,
                                    CGXStylesMap* pStylesMap) override;
    void PrintHeaderFooterBlock(CGXProperties* pProps, CDC* pDC, CPrintInfo* pInfo, const CRect& rect,
                                CGXData& block, CGXStylesMap* pStylesMap) override;
    CString ParseHeaderFooterText(CGXProperties* pProps, const CString& strText) override;
    CString GetHeaderFooterFieldText(CGXProperties* pProps, int nIndex, CString& strRest) override;
    CString ParseFieldFormat(CString& strRest) override;

    // TRUE when every conversion of the format is one strftime documents (an optional '#'
    // and one of aAbBcdHIjmMpSUwWxXyYzZ%). Formats come from profiles and documents; the C
    // runtime may end the program on any other.
    static BOOL IsDocumentedTimeFormat(LPCTSTR pszFormat);
    // The local time now in the format; empty when the format is refused or the text would be
    // longer than 255 characters.
    static CString FormatTimeNow(LPCTSTR pszFormat);

  private:
    // Whether the last pagination ran to the last row (column) of the grid: only then does a
    // grown grid get further pages.
    BOOL m_bRowsToEnd = FALSE;
    BOOL m_bColsToEnd = FALSE;
};
