// CDrawDoc: the drawing layer of a recording document: the list of drawing objects the view
// paints (not owned: their makers own them), the axis-label lists (owned, also when read from a
// file), the plot's layout values and the page size, stored at the end of the recording file.
// Objects a file put into the object list that no owner took are owned here as well.
#pragma once
#include "afxwin.h"
#include "ObList.h"

class CDrawObject;
class CDrawText;

class CDrawDoc : public CDocument
{
    DECLARE_DYNCREATE(CDrawDoc)

  public:
    // Construction
    CDrawDoc();
    ~CDrawDoc() override;

    // Attributes
    CObList& GetObjects()
    {
        return m_objects;
    }
    CObList& GetTempLabels()
    {
        return m_tempLabels;
    }
    CObList& GetTimeLabels()
    {
        return m_timeLabels;
    }
    const CSize& GetPageSize() const
    {
        return m_size;
    }
    int GetMapMode() const
    {
        return m_nMapMode;
    }
    int GetPen() const
    {
        return m_nPen;
    }
    BOOL GetGrid() const
    {
        return m_bGrid;
    }
    COLORREF GetBackColor() const
    {
        return m_backColor;
    }
    COLORREF GetGridColor() const
    {
        return m_gridColor;
    }
    int GetTimeBase() const
    {
        return m_nTimeBase;
    }
    int GetTimeInterval() const
    {
        return m_nTimeInterval;
    }
    int GetTempBase() const
    {
        return m_nTempBase;
    }
    int GetTempInterval() const
    {
        return m_nTempInterval;
    }
    void SetLayout(int nPen, BOOL bGrid, COLORREF backColor, COLORREF gridColor, int nTimeBase,
                   int nTimeInterval, int nTempBase, int nTempInterval);
    static CSize GetDefaultPageSize()
    {
        return CSize(960, 590);
    }

    // Operations
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    // Deletes the labels and the objects left in the object list (a derived document drops its
    // own objects first).
    void DeleteContents() override;
    // pages x 960 by 590, or the default printer's page (landscape A4) in hundredths of an inch.
    // FALSE when the size stays as it was and bForce is not set.
    BOOL UpdatePageSize(BOOL bUsePrinterSize, int nPages, BOOL bForce);
    void Draw(CDC* pDC);
    void AddObject(CDrawObject* pObject);
    void RemoveObject(CDrawObject* pObject);
    // Takes the object out of the object list, both label lists and the view's selection.
    void ForgetObject(CDrawObject* pObject);

  protected:
    // The drawing part of the file (after the recording's own fields).
    void SerializeDrawing(CArchive& ar);
    // Deletes every member of the list, taking it out of every list first.
    void DeleteListed(CObList& list);

    CObList m_objects;
    CSize m_size;
    int m_nMapMode;
    int m_nPen;
    BOOL m_bGrid;
    COLORREF m_backColor;
    COLORREF m_gridColor;
    int m_nTimeBase;
    int m_nTimeInterval;
    int m_nTempBase;
    int m_nTempInterval;
    CString m_strText1;
    CString m_strText2;
    CObList m_tempLabels;
    CObList m_timeLabels;
};
