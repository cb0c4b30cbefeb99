#include "uilib/bars/WSLBEditorEx.h"
#include "BarsIds.h"
#include "uilib/bars/WsMgrDialogEx.h"

IMPLEMENT_DYNAMIC(SECWSLBEditorEx, SECListBoxEditor)

SECWSLBEditorEx::SECWSLBEditorEx(CStringArray& oldNames, CStringArray& newNames, CStringArray& deletedNames,
                                 SECWsMgrDialogEx* pDialog)
    : m_oldNames(oldNames), m_newNames(newNames), m_deletedNames(deletedNames), m_pDialog(pDialog)
{
}

int SECWSLBEditorEx::FindNewName(LPCTSTR lpszName) const
{
    for (int i = 0; i < m_newNames.GetSize(); ++i)
        if (m_newNames[i] == lpszName)
            return i;
    return -1;
}

int SECWSLBEditorEx::Message(UINT nID, LPCTSTR lpszName, UINT nType)
{
    CString strFormat, strText, strCaption;
    strFormat.LoadString(nID);
    if (lpszName != NULL)
        strText.Format(strFormat, lpszName);
    else
        strText = strFormat;
    strCaption.LoadString(IDS_SEC_WS_MANAGER);
    return m_pDialog->MessageBox(strText, strCaption, nType);
}

void SECWSLBEditorEx::NotifySelChange()
{
    SECListBoxEditor::NotifySelChange();
    m_pDialog->EnableButtons(FALSE, FALSE);
    CWnd* pDone = m_pDialog->GetDlgItem(IDC_SEC_WS_DONE);
    if (pDone != NULL)
        pDone->EnableWindow(FALSE);
}

void SECWSLBEditorEx::CheckSelection()
{
    SECListBoxEditor::CheckSelection();
    m_pDialog->EnableButtons(TRUE, TRUE);
    CWnd* pDone = m_pDialog->GetDlgItem(IDC_SEC_WS_DONE);
    if (pDone != NULL)
        pDone->EnableWindow(TRUE);
}

void SECWSLBEditorEx::RestoreText(int nIndex, LPCTSTR lpszOld)
{
    CListBox* pList = GetListBox();
    int nSel = pList->GetCurSel();
    pList->SetRedraw(FALSE);
    pList->InsertString(nIndex, lpszOld);
    pList->DeleteString(static_cast<UINT>(nIndex + 1));
    pList->SetCurSel(nSel);
    pList->SetRedraw(TRUE);
    pList->Invalidate();
}

void SECWSLBEditorEx::OnItemTextChanged(int nIndex, LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    CString strNew(lpszNew);
    if (strNew.IsEmpty())
    {
        Message(IDS_SEC_WS_INVALID_RENAME, NULL, MB_OK);
        RestoreText(nIndex, lpszOld);
        return;
    }
    if (FindNewName(strNew) >= 0)
    {
        Message(IDS_SEC_WS_EXISTS_RENAME, strNew, MB_OK);
        RestoreText(nIndex, lpszOld);
        return;
    }
    int nOld = FindNewName(lpszOld);
    if (nOld >= 0)
        m_newNames[nOld] = strNew;
}

void SECWSLBEditorEx::OnEditComplete(int nIndex, LPCTSTR lpszText)
{
    CString strText(lpszText);
    CStringArray names;
    names.Copy(m_newNames);
    BOOL bKnown = FALSE;
    for (int i = 0; i < names.GetSize(); ++i)
        bKnown = bKnown || names[i] == strText;
    if (strText.IsEmpty())
    {
        Message(IDS_SEC_WS_INVALID_ADD, NULL, MB_OK);
        RemoveEntry(nIndex);
        return;
    }
    if (bKnown)
    {
        Message(IDS_SEC_WS_EXISTS_ADD, strText, MB_OK);
        RemoveEntry(nIndex);
        return;
    }
    if (Message(IDS_SEC_WS_ASK_SAVE_NEW, strText, MB_YESNO) == IDYES)
        m_pDialog->PostMessage(WM_COMMAND, IDC_SEC_WS_SAVE, 0);
    else
        RemoveEntry(nIndex);
}

void SECWSLBEditorEx::OnItemsSwapped(int nFrom, int nTo, LPCTSTR lpszText)
{
    SECListBoxEditor::OnItemsSwapped(nFrom, nTo, lpszText);
    if (nFrom == nTo)
        return;
    for (CStringArray* pNames : {&m_oldNames, &m_newNames})
        if (nFrom >= 0 && nTo >= 0 && nFrom < pNames->GetSize() && nTo < pNames->GetSize())
        {
            CString strFrom = pNames->GetAt(nFrom);
            pNames->SetAt(nFrom, pNames->GetAt(nTo));
            pNames->SetAt(nTo, strFrom);
        }
}

BOOL SECWSLBEditorEx::OnItemDeleting(int nIndex, LPCTSTR lpszText)
{
    m_deletedNames.Add(lpszText);
    return SECListBoxEditor::OnItemDeleting(nIndex, lpszText);
}
