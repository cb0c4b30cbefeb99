// SECCustomizeToolBar: the button palette of the customisation sheet's commands page. It is
// always customising; a button dragged out of it is copied, never moved, and nothing is dropped
// on it. Its button group creates and destroys it.
#pragma once
#include "uilib/bars/CustomToolBar.h"

class SECCustomizeToolBar : public SECCustomToolBar
{
    DECLARE_DYNCREATE(SECCustomizeToolBar)

  public:
    // Construction
    SECCustomizeToolBar();

    // Operations
    // Lays the buttons out in rows of the rectangle's width and puts the palette there.
    void PlaceIn(const CRect& rect);

    // Overrides
    BOOL IsCopyDrag() const override;
    BOOL AcceptsDrop() const override;
    void SizeToParent() override;
};
