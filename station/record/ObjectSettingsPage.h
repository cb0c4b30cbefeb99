// CObjectSettingsPage: a settings page of drawing objects (curves, reference lines or process
// bars): per object a visible check box, a colour picker and, where the page has them, a line
// weight edit with its spin. Written under each object's registry key on Apply. The pages
// derive from it with their table of controls.
#pragma once
#include "station/record/MyPropertyPage.h"
#include "uilib/common/WellButton.h"
#include <vector>

class CObjectSettingsPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CObjectSettingsPage)

  public:
    // One object's settings; an empty key is not written.
    struct SSettings
    {
        BOOL bVisible;
        int nWeight;
        COLORREF color;
        CString key;
    };
    // The controls of one object; 0 where the page has none.
    struct SControls
    {
        int nVisible;
        int nWeight;
        int nSpin;
        int nPicker;
    };

    CObjectSettingsPage(UINT nIDTemplate, const SControls* pControls, int nCount);
    ~CObjectSettingsPage() override;

    SSettings& Settings(int n)
    {
        return m_settings[n];
    }
    int GetCount() const
    {
        return (int)m_settings.size();
    }
    BOOL IsChanged() const
    {
        return m_bChanged;
    }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnApply() override;

  protected:
    // Before the values are written: pages may adjust them.
    virtual void BeforeApply()
    {
    }

    const SControls* m_pControls;
    std::vector<SSettings> m_settings;
    std::vector<tessaron::foundation::SECWellButton*> m_pickers;
    BOOL m_bChanged;
};
