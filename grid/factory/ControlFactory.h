// The default control factory: turns control ids into cell controls, names the controls and
// user attributes in a styles map, installs the grid's and the application's components and
// registers the library's window classes. One instance, owned by the library-wide data.
#pragma once
#include "grid/core/GridLibrary.h"

class CGXControlFactory : public CGXAbstractControlFactory
{
  public:
    // Overridables
    CGXControl* CreateControl(UINT nID, CGXGridCore* pGrid) override;
    void RegisterAllControls(CGXStylesMap* pStylesMap) override;
    void RegisterAllUserAttributes(CGXStylesMap* pStylesMap) override;
    void InitializeGridComponents(CGXGridCore* pGrid) override;
    void InitializeApplicationComponents() override;
    void RegisterWndClasses(HINSTANCE hInstance) override;
    void UnregisterWndClasses(HINSTANCE hInstance) override;

    // Implementation
    // The control ids the factory knows, in the order their names are registered.
    static const UINT s_anControlIds[37];
};

// Runs the grid library's start-up with a new CGXControlFactory.
void AFXAPI InitGridLibraryWithDefaultFactory();
