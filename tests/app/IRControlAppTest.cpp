// The application object: interfaces handed to recording views by queue order and to device
// views by USB flag and device text, taken back; the expert switch; the external application;
// the workbook record types the application knows.
#include "TestSupport.h"
#include "AppIds.h"
#include "app/IRControlApp.h"
#include <gtest/gtest.h>
#include <string.h>
#include <string>

namespace
{
struct InterfaceSpec
{
    const char* port;
    int nQueue;
    BOOL bUse;
    BOOL bUsb;
    const char* device;
};

class IRControlAppTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pApp = GetIRControlApp();
        ASSERT_TRUE(m_pApp != NULL);
    }
    void TearDown() override
    {
        m_pApp->m_interfaces.RemoveAll();
        m_pApp->m_countedOwners.RemoveAll();
        m_pApp->m_nInterfacesHandedOut = 0;
    }
    void Fill(std::initializer_list<InterfaceSpec> specs)
    {
        m_pApp->m_interfaces.RemoveAll();
        int nKey = 0;
        for (const InterfaceSpec& s : specs)
        {
            STRUCT_SERIAL_INTERFACE r{};
            r.strPortName = s.port;
            r.nQueueIndex = s.nQueue;
            r.bUseInterface = s.bUse;
            r.bUsbDevice = s.bUsb;
            r.strDevice = s.device;
            m_pApp->m_interfaces.SetAt(nKey++, r);
        }
    }
    // The port given, or "-".
    std::string Assign(CWnd* pView)
    {
        STRUCT_SERIAL_INTERFACE out{};
        out.strPortName = "-";
        BOOL bGiven = m_pApp->AssignSerialInterface(out, pView);
        EXPECT_EQ(bGiven, out.strPortName != "-");
        return (LPCTSTR)out.strPortName;
    }
    std::string Acquire(CWnd* pOwner, BOOL bUsb, LPCTSTR device)
    {
        STRUCT_SERIAL_INTERFACE out{};
        out.strPortName = "-";
        m_pApp->AcquireSerialInterface(out, pOwner, bUsb, device);
        return (LPCTSTR)out.strPortName;
    }

    CIRControlApp* m_pApp = NULL;
    CWnd m_view1, m_view2, m_view3, m_device;
};

TEST_F(IRControlAppTest, RecordingViewsGetInterfacesInQueueOrder)
{
    // Queue index 1 and none handed out yet: nothing for the first view.
    Fill({{"COM7", 1, TRUE, FALSE, ""}});
    EXPECT_EQ("-", Assign(&m_view1));
    EXPECT_EQ(0, m_pApp->GetInterfacesHandedOut());

    Fill({{"COM9", 0, FALSE, FALSE, ""}, {"COM8", 1, TRUE, FALSE, ""}, {"COM7", 0, TRUE, FALSE, ""}});
    EXPECT_TRUE(m_pApp->IsNoInterfaceInUse());
    EXPECT_EQ("COM7", Assign(&m_view1));
    EXPECT_EQ("COM8", Assign(&m_view2));
    EXPECT_EQ("-", Assign(&m_view3)); // the disabled port is never given
    EXPECT_EQ(2, m_pApp->GetInterfacesHandedOut());
    EXPECT_FALSE(m_pApp->IsNoInterfaceInUse());

    m_pApp->ReleaseSerialInterface(&m_view3); // holds none: nothing changes
    EXPECT_EQ(2, m_pApp->GetInterfacesHandedOut());
    m_pApp->ReleaseSerialInterface(&m_view1);
    EXPECT_EQ(1, m_pApp->GetInterfacesHandedOut());
    EXPECT_FALSE(m_pApp->IsNoInterfaceInUse());
    EXPECT_EQ("COM7", Assign(&m_view3));
    m_pApp->ReleaseSerialInterface(&m_view2);
    m_pApp->ReleaseSerialInterface(&m_view3);
    EXPECT_EQ(0, m_pApp->GetInterfacesHandedOut());
    EXPECT_TRUE(m_pApp->IsNoInterfaceInUse());
}

TEST_F(IRControlAppTest, DeviceViewsGetInterfacesByUsbFlagAndDeviceText)
{
    Fill({{"COM3", 5, TRUE, TRUE, "QM240D"},
          {"COM4", 5, TRUE, FALSE, "Pendix2004 Werkbank"},
          {"COM5", 5, FALSE, TRUE, "Pendix2004 aus"},
          {"COM6", 5, TRUE, TRUE, "Pendix2004 USB"}});
    EXPECT_EQ("COM6", Acquire(&m_device, TRUE, "Pendix"));
    EXPECT_EQ("-", Acquire(&m_view1, TRUE, "Pendix")); // taken
    EXPECT_EQ("COM4", Acquire(&m_view1, FALSE, "Pendix"));
    EXPECT_EQ("-", Acquire(&m_view2, TRUE, "pendix")); // the text is compared as it is
    EXPECT_EQ("COM3", Acquire(&m_view2, TRUE, ""));
    EXPECT_EQ(0, m_pApp->GetInterfacesHandedOut());
}

// A device view's interface was never counted, so its release must not lower the count: the
// next recording view would otherwise find no interface its queue place allows.
TEST_F(IRControlAppTest, ReleasingADeviceViewKeepsTheRecordingViewCount)
{
    Fill({{"COM7", 0, TRUE, FALSE, ""}, {"COM8", 1, TRUE, FALSE, ""}, {"COM3", 2, TRUE, TRUE, "Pendix2004"}});
    EXPECT_EQ("COM7", Assign(&m_view1));
    EXPECT_EQ("COM3", Acquire(&m_device, TRUE, "Pendix2004"));
    m_pApp->ReleaseSerialInterface(&m_device);
    EXPECT_EQ(1, m_pApp->GetInterfacesHandedOut());
    EXPECT_EQ("COM8", Assign(&m_view2));
}

TEST(IRControlApp, ExpertModeOnlyForExactlyTheSwitch)
{
    const struct
    {
        const char* commandLine;
        BOOL bExpert;
    } cases[] = {{"-expert", TRUE}, {"-Expert", FALSE},  {"-expert x", FALSE},
                 {"", FALSE},       {" -expert", FALSE}, {"expert", FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.bExpert, CIRControlApp::IsExpertCommandLine(c.commandLine)) << c.commandLine;
}

// A path with blanks starts that program, not the one its first word names.
TEST_F(IRControlAppTest, TheExternalApplicationStartsEvenWithBlanksInItsPath)
{
    std::string folder = testing_support::TempFolder();
    std::string system32 = "C:\\windows\\system32\\";
    std::string tools = folder + "\\Ext App";
    ::CreateDirectoryA(tools.c_str(), NULL);
    std::string program = tools + "\\my tool.exe", decoy = folder + "\\Ext.exe",
                marker = folder + "\\ext-marker.txt";
    ASSERT_TRUE(::CopyFileA((system32 + "cmd.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((system32 + "hostname.exe").c_str(), decoy.c_str(), FALSE));
    ::DeleteFileA(marker.c_str());

    m_pApp->SetExternApp("", "");
    struct CEnableUI : CCmdUI
    {
        BOOL bEnabled = -1;
        void Enable(BOOL bOn) override
        {
            bEnabled = bOn;
        }
    } ui;
    m_pApp->OnUpdateExternApp(&ui);
    EXPECT_FALSE(ui.bEnabled);
    m_pApp->SetExternApp(program.c_str(), ("/c echo started> \"" + marker + "\"").c_str());
    m_pApp->OnUpdateExternApp(&ui);
    EXPECT_TRUE(ui.bEnabled);
    m_pApp->OnCmdMsg(ID_EXTERN_APP, CN_COMMAND, NULL, NULL);
    DWORD dwStart = ::GetTickCount();
    while (::GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES &&
           ::GetTickCount() - dwStart < 10000)
        ::Sleep(50);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(marker.c_str()));
    // A program that does not exist is not reported.
    m_pApp->SetExternApp((folder + "\\missing tool.exe").c_str(), "");
    m_pApp->OnCmdMsg(ID_EXTERN_APP, CN_COMMAND, NULL, NULL);
    ::Sleep(200);
    for (const std::string& f : {program, decoy, marker})
        ::DeleteFileA(f.c_str());
    ::RemoveDirectoryA(tools.c_str());
}
} // namespace

TEST(IRControlApp, TheWorkbookMapsKnowEveryRecordType)
{
    struct Case
    {
        WORD nType;
        const char* pszClass;
        bool bTable;
    };
    // clang-format off
    const Case cases[] = {
        {516, "CGXExcelLabelHandler", false},
        {515, "CGXExcelNumberHandler", false},
        {638, "CGXExcelRkHandler", false},
        {189, "CGXExcelMulRkHandler", false},
        {125, "CGXExcelColInfoHandler", false},
        {520, "CGXExcelRowHandler", false},
        {6, "CGXExcelFormulaHandler", false},
        {2057, "CGXExcelBOFHandler", false},
        {513, "CGXExcelBlankHandler", false},
        {190, "CGXExcelMulBlankHandler", false},
        {253, "CGXExcelLabelSSTHandler", false},
        {512, "CGXExcelDimensionHandler", false},
        {574, "CGXExcelWindow2Handler", false},
        {229, "CGXExcelMergedCellsHandler", false},
        {49, "CGXExcelFontTable", true},
        {659, "CGXExcelStyleTable", true},
        {224, "CGXExcelXFTable", true},
        {146, "CGXExcelColorTable", true},
        {1054, "CGXExcelFormatTable", true},
        {252, "CGXExcelSSTTable", true},
        {133, "CGXExcelBoundSheetTable", true},
        {0x4BC, "CGXExcelSharedFormulaTable", true},
    };
    // clang-format on
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszClass);
        CObject* pObject = c.bTable ? (CObject*)GXExGetTableMap()->Lookup(c.nType)
                                    : (CObject*)GXExGetHandlerMap()->Lookup(c.nType);
        ASSERT_TRUE(pObject != NULL);
        EXPECT_STREQ(c.pszClass, pObject->GetRuntimeClass()->m_lpszClassName);
        // A handler's type is no table's and the other way round.
        EXPECT_TRUE((c.bTable ? (CObject*)GXExGetHandlerMap()->Lookup(c.nType)
                              : (CObject*)GXExGetTableMap()->Lookup(c.nType)) == NULL);
    }
    EXPECT_TRUE(GXExGetHandlerMap()->Lookup(0x0A) == NULL); // EOF is written from fixed bytes
}
