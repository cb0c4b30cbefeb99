// The calculator: key sequences through its key handler on a shown calculator, and the pop-up
// calculator driven by clicks and keys, handing its result to its owner or closing without one.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/PopupCalculator.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// The calculator's decimal point as the locale has it.
CString LocaleDecimalPoint()
{
    char sz[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sz, sizeof(sz));
    return CString(sz[0] ? sz[0] : '.');
}

// The key id of a character of a test sequence: digits, ". + - * / % =", C, E (CE), < (back).
int KeyIdOf(char c)
{
    if (c >= '0' && c <= '9')
        return CGXBCalculator::keyZero + (c - '0');
    const char* pszKeys = "*+-/%=CE";
    const char* p = strchr(pszKeys, c);
    if (p != NULL)
        return CGXBCalculator::keyMultiply + (int)(p - pszKeys);
    return c == '.' ? CGXBCalculator::keyPoint : CGXBCalculator::keyBack;
}

// A shown top-level window that owns calculators and records the results handed to it.
class CResultOwner : public CShownTestWindow
{
  public:
    CResultOwner() : CShownTestWindow(_T("Rechner"))
    {
        SetFocus();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == GX_WM_CALCULATOR_RESULT)
        {
            m_results.push_back(std::string((LPCTSTR)lParam));
            return 0;
        }
        return CShownTestWindow::WindowProc(message, wParam, lParam);
    }
    std::vector<std::string> m_results;
};

struct KeyCase
{
    const char* pszKeys;
    const char* pszShown; // with '.' for the locale's decimal point
};

TEST(Calculator, KeySequencesShowTheirResults)
{
    const KeyCase aCases[] = {
        {"2+3=", "5."},
        {"2+3==", "5."},
        {"5+=", "10."},
        {"50*10%", "5."},
        {"50/10%", "5."},
        {"50+10%", "0."},
        {"1/0=", "Fehler"},
        {"1/0=7", "Fehler"},
        {"1/0=E", "0."},
        {"1/0=C4", "4."},
        {"0", "0."},
        {"007", "7."},
        {"2+3=<", "5."},
        {"123<", "12."},
        {"1.5*2=", "3."},
        {"..5", "0.5"},
        {"9-12=", "-3."},
        {"7/2=", "3.5"},
        {"12345678901234", "1234567890123."},
        {"1+2C", "0."},
        {"12E3", "3."},
        {"12*3=", "36."},
    };
    CResultOwner owner;
    CString strPoint = LocaleDecimalPoint();
    for (const KeyCase& c : aCases)
    {
        CGXBCalculator calc;
        ASSERT_TRUE(calc.Create(0, WS_CHILD | WS_VISIBLE | GXCALC_RAISEDFRAME, 0, 0, &owner, (HMENU)1));
        for (const char* p = c.pszKeys; *p; p++)
            EXPECT_TRUE(calc.PressKey(KeyIdOf(*p))) << c.pszKeys;
        CString strExpected(c.pszShown);
        strExpected.Replace(_T("."), strPoint);
        EXPECT_STREQ(strExpected, calc.GetDisplayText()) << c.pszKeys;
        EXPECT_EQ(strcmp(c.pszShown, "Fehler") == 0, calc.IsError() != FALSE) << c.pszKeys;
        calc.DestroyWindow();
    }
}

TEST(Calculator, ValueSetBeforeTheWindowSurvivesCreation)
{
    CResultOwner owner;
    CGXBCalculator calc;
    calc.SetValue(-2.5);
    ASSERT_TRUE(calc.Create(0, WS_CHILD | WS_VISIBLE, 0, 0, &owner, (HMENU)1));
    CString strExpected = _T("-2") + LocaleDecimalPoint() + _T("5");
    EXPECT_STREQ(strExpected, calc.GetDisplayText());
    EXPECT_TRUE(calc.PressKey(CGXBCalculator::keyMultiply));
    EXPECT_TRUE(calc.PressKey(CGXBCalculator::keyZero + 2));
    EXPECT_TRUE(calc.PressKey(CGXBCalculator::keyEquals));
    EXPECT_DOUBLE_EQ(-5.0, calc.GetAccumulator());
    EXPECT_FALSE(calc.PressKey(21));
    EXPECT_FALSE(calc.PressKey(0));
}

TEST(Calculator, KeysLieInFourColumnsBelowTheDisplay)
{
    CResultOwner owner;
    CGXBCalculator calc;
    ASSERT_TRUE(calc.Create(0, WS_CHILD | WS_VISIBLE, 0, 0, &owner, (HMENU)1));
    ASSERT_EQ(20, calc.GetButtons().GetSize());
    CRect rcClear = calc.FindButton(CGXBCalculator::keyClear)->m_rect;
    CRect rcPercent = calc.FindButton(CGXBCalculator::keyPercent)->m_rect;
    CRect rcZero = calc.FindButton(CGXBCalculator::keyZero)->m_rect;
    CRect rcEnter = calc.FindButton(CGXBCalculator::keyEquals)->m_rect;
    EXPECT_EQ(rcClear.top, rcPercent.top);
    EXPECT_EQ(4 * rcClear.Width(), rcPercent.right - rcClear.left);
    EXPECT_EQ(2 * rcClear.Width(), rcZero.Width());
    EXPECT_EQ(rcClear.left, rcEnter.left);
    EXPECT_EQ(rcPercent.right, rcEnter.right);
    EXPECT_EQ(5 * (rcClear.Height() + 1), rcEnter.top - rcClear.top);
    CRect rcClient;
    calc.GetClientRect(rcClient);
    EXPECT_EQ(rcEnter.right + 4, rcClient.right);
    EXPECT_EQ(rcEnter.bottom + 1, rcClient.bottom);
}

// A pop-up calculator below an anchor in the owner's client area.
struct PopupFixture : ::testing::Test
{
    void Open(DWORD dwStyle, double dValue)
    {
        rcAnchor.SetRect(10, 10, 110, 30);
        owner.ClientToScreen(rcAnchor);
        popup = new CGXBPopupCalculator;
        popup->m_bAutoDelete = TRUE;
        popup->SetValue(dValue);
        ASSERT_TRUE(popup->Create(WS_POPUP | WS_VISIBLE | dwStyle, rcAnchor, &owner));
        hwnd = popup->GetSafeHwnd();
        PumpMessages(60);
    }
    void ClickKey(int nId)
    {
        CRect rc = popup->FindButton(nId)->m_rect;
        ClickAt(popup, rc.CenterPoint());
    }
    CResultOwner owner;
    CRect rcAnchor;
    CGXBPopupCalculator* popup = NULL;
    HWND hwnd = NULL;
};

TEST_F(PopupFixture, OpensBelowTheAnchorWithTheFocus)
{
    Open(0, 0);
    CRect rcWindow;
    ::GetWindowRect(hwnd, rcWindow);
    EXPECT_EQ(rcAnchor.left, rcWindow.left);
    EXPECT_EQ(rcAnchor.bottom, rcWindow.top);
    EXPECT_EQ(hwnd, ::GetFocus());
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(owner.m_results.empty());
}

TEST_F(PopupFixture, ClickedKeysAndTheEnterKeyHandTheResultOver)
{
    Open(GXCALC_CLOSEONENTER, 0);
    for (char c : std::string("12*3"))
        ClickKey(KeyIdOf(c));
    EXPECT_STREQ(_T("3"), popup->GetDisplayText().Left(1));
    ClickKey(CGXBCalculator::keyEquals);
    PumpUntil([&] { return !::IsWindow(hwnd); }, 2000);
    EXPECT_FALSE(::IsWindow(hwnd));
    ASSERT_EQ(1u, owner.m_results.size());
    EXPECT_EQ(std::string("36") + std::string(LocaleDecimalPoint()), owner.m_results[0]);
}

TEST_F(PopupFixture, TypedKeysAndEnterHandTheResultOver)
{
    Open(0, 4);
    TypeText("-5");
    TypeKey(VK_RETURN);
    EXPECT_FALSE(::IsWindow(hwnd));
    ASSERT_EQ(1u, owner.m_results.size());
    EXPECT_EQ(std::string("-1") + std::string(LocaleDecimalPoint()), owner.m_results[0]);
}

TEST_F(PopupFixture, LosingTheFocusClosesWithoutAResult)
{
    Open(0, 4);
    owner.SetFocus();
    PumpMessages(60);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(owner.m_results.empty());
}
} // namespace
