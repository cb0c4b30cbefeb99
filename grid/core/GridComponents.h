// Interfaces of the library-wide implementation components. Each is created once by its
// installer, entered in the component table of CGXAppData and deleted at shut-down; the
// library's classes call them only when installed and fall back to doing nothing otherwise.
#pragma once
#include "grid/core/GridTypes.h"

class CGXStyle;
class CGXFont;
class CGXCellBrush;
class CGXStylesMap;
class CGXData;
class CGXStylePtrArray;
class CGXStylePtrArrayPtrArray;
class CGXProperties;
class CGXGridParam;
class CGXRangeList;
class CGXCellRange;

// Compares a style with the attributes another one includes.
class CGXAbstractStyleCompareSubsetImp : public CObject
{
  public:
    virtual BOOL CompareSubset(const CGXStyle& style, const CGXStyle& other) = 0;
};

// Archive forms of fonts, brushes and styles.
class CGXAbstractStyleSerializeImp : public CObject
{
  public:
    virtual void SerializeFont(CGXFont& font, CArchive& ar) = 0;
    virtual void SerializeBrush(CGXCellBrush& brush, CArchive& ar) = 0;
    virtual void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) = 0;
};

// Profile forms of styles, fonts, the styles map and the properties.
class CGXAbstractGridProfileImp : public CObject
{
  public:
    virtual void WriteStylesMap(const CGXStylesMap& stylesMap, LPCTSTR pszSection) = 0;
    virtual void WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual void WriteStyle(const CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) = 0;
    virtual void WriteProperties(const CGXProperties& properties, LPCTSTR pszSection) = 0;
    virtual BOOL ReadStylesMap(CGXStylesMap& stylesMap, LPCTSTR pszSection) = 0;
    virtual BOOL ReadStyle(CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) = 0;
    virtual BOOL ReadProperties(CGXProperties& properties, LPCTSTR pszSection) = 0;
};

// Archive forms of the grid's document objects.
class CGXAbstractGridDocSerializeImp : public CObject
{
  public:
    virtual void SerializeStylesMap(CGXStylesMap& stylesMap, CArchive& ar) = 0;
    virtual void SerializeData(CGXData& data, CArchive& ar) = 0;
    virtual void SerializeStylePtrArrayPtrArray(CGXStylePtrArrayPtrArray& array, CArchive& ar) = 0;
    virtual void SerializeStylePtrArray(CGXStylePtrArray& array, CArchive& ar) = 0;
    virtual void SerializeProperties(CGXProperties& properties, CArchive& ar) = 0;
    virtual void SerializeParam(CGXGridParam& param, CArchive& ar) = 0;
};

// Copies of parameter objects, styles maps and properties.
class CGXAbstractGridParamCopyOperatorImp : public CObject
{
  public:
    virtual void CopyParam(CGXGridParam& dest, const CGXGridParam& src) = 0;
    virtual void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) = 0;
    virtual void CopyProperties(CGXProperties& dest, const CGXProperties& src) = 0;
};

// The pool that answers which covered range holds a cell.
class CGXAbstractCoveredCellPoolImp : public CObject
{
  public:
    virtual CObject* CreatePool() = 0;
    virtual void InitFromRangeList(CObject* pPool, const CGXRangeList& list) = 0;
};

// Number formatting; the library uses it to recognise numbers in texts.
class CGXAbstractNumberFormattingImp : public CObject
{
  public:
    // TRUE when pszText is a number, stored in dValue.
    virtual BOOL ParseValueText(LPCTSTR pszText, double& dValue, unsigned nFormat, unsigned nPlaces) = 0;
};

// Copy and move of blocks of cells inside a data object.
class CGXAbstractDataCopyMoveCellsImp : public CObject
{
  public:
    virtual BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    virtual BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
};

// Rearranging the rows or columns of a data object by a sort order (old index per new index).
class CGXAbstractGridSortMoveDataImp : public CObject
{
  public:
    virtual BOOL MoveDataRows(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) = 0;
    virtual BOOL MoveDataCols(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) = 0;
};
