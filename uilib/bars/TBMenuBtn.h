// SECTBMenuBtn: a toolbar button showing a text instead of an image, whose press drops a menu
// through its toolbar (the menu bar's buttons). Its toolbar creates and deletes it.
#pragma once
#include "uilib/bars/StdBtn.h"

class SECTBMenuBtn : public SECStdBtn
{
  public:
    // Construction
    SECTBMenuBtn();
    // The factory of special-button tables.
    static SECStdBtn* PASCAL Create();

    // Overridables
    // pInfo: menu handle, second menu value, text (LPCTSTR), extra value.
    void SetCmdID(UINT nID, const UINT_PTR* pInfo = NULL) override;
    void AdjustSize() override;
    BOOL OnLButtonDown(CPoint point) override;
    void DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int cxImage = -1) override;
    BOOL GetImageInfo(SECBtnDrawData& data) override;
    void DrawFace(SECBtnDrawData& data) override;
    // Hands the button and its menu values to the toolbar, which tracks the menu.
    virtual void DropMenu();
    // The character after the first '&' of the text, upper-cased; 0 when there is none.
    virtual void UpdateMnemonic();
    // A plain button in place of this one.
    virtual SECStdBtn* NewStdButton();

    // Attributes
    CString m_strText;
    HMENU m_hMenu;
    UINT_PTR m_nMenuValue; // passed on to the toolbar's drop-down handling
    TCHAR m_cMnemonic;
    UINT_PTR m_nExtra;
};
