// CGXExcelFormulaHandler: the handler of FORMULA records (type 0x06). Reads the record, resolves a
// shared formula through the shared-formula table, takes the cached text of a text result from
// the STRING record after it, and stores the translated formula in a formula sheet; a formula
// the engine cannot take keeps its cached result as the cell's value.
#pragma once
#include "ExcelHandler.h"
#include "ExcelSharedFormulaTable.h"

const WORD GX_EXCEL_FORMULA = 0x06;
const WORD GX_EXCEL_STRING = 0x207;
const WORD GX_EXCEL_ARRAY = 0x221;
const WORD GX_EXCEL_TABLEOP = 0x236;

class CGXExcelFormulaHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelFormulaHandler)

  public:
    // Construction
    CGXExcelFormulaHandler() = default;
    ~CGXExcelFormulaHandler() override;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // Formulas are written with the cells; with a grid target this writes nothing.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Attributes: the record as read (tokens expanded when shared) and the cached text result.
    const formulaStruct& GetFormula() const
    {
        return m_formula;
    }
    const CString& GetCachedText() const
    {
        return m_strCachedText;
    }

  protected:
    // Looks at the records after this one without consuming them: a SHRFMLA the shared formula
    // needs, and the STRING of a text result. The stream is left where it was.
    void ReadFollowingRecords(IStream* pStream, DWORD nLength, CGXExcelSharedFormulaTable* pTable,
                              DWORD nKey);
    // The cached result as the cell's value, on a style.
    void SetCachedValue(CGXStyle& style) const;

    formulaStruct m_formula;
    BOOL m_bTokensComplete = FALSE;
    CString m_strCachedText;

  private:
    CGXExcelFormulaHandler(const CGXExcelFormulaHandler&) = delete;
    CGXExcelFormulaHandler& operator=(const CGXExcelFormulaHandler&) = delete;
};
