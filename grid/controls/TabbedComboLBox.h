// The drop-down list of a multi-column combo cell: owner-drawn lines in the cell's columns.
#pragma once
#include "grid/controls/ComboListBox.h"

class CGXTabbedComboBox;

class CGXTabbedComboLBox : public CGXComboListBox
{
  public:
    CGXTabbedComboLBox(CWnd* pOwner, CGXTabbedComboBox* pCombo);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    CGXTabbedComboBox* m_pCombo;
};
