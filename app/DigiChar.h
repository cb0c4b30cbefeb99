// CDigiChar: one character of a digit display, its segments (outlines) and which of them are
// lit. The seven-segment, fourteen-segment and colon-dot characters build their segments from
// the outline tables, plain or rounded by the display's style.
#pragma once
#include "app/DigiSegment.h"
#include <vector>

// Style bits of a digit display, handed to every character.
#define DIGI_ROUNDED 0x1      // rounded outlines
#define DIGI_14SEGMENT 0x2    // digits, blank and minus as fourteen-segment characters
#define DIGI_PROPORTIONAL 0x4 // one scale for x and y, centred

class CDigiChar
{
  public:
    // Construction
    CDigiChar();
    virtual ~CDigiChar();

    // Overridables
    // Stores the mask; the character classes also build their segments for the style.
    virtual void SetSegments(WORD wMask, DWORD dwStyle);

    // Attributes
    int GetWidth() const
    {
        return m_nWidth;
    }
    WORD GetMask() const
    {
        return m_wMask;
    }
    int GetSegmentCount() const
    {
        return m_nSegments;
    }
    const CDigiSegment& GetSegment(int i) const
    {
        return m_segments[i];
    }

    // Operations
    void Draw(CDC* pDC, double left, double top, double right, double bottom, CPen* pUnlitPen, CPen* pLitPen,
              CBrush* pUnlitBrush, CBrush* pLitBrush) const;

  protected:
    // Implementation
    // One outline source per segment: the table key and transform, plain and rounded.
    struct SegmentSource
    {
        char chPlain;
        BYTE nPlainTransform;
        char chRounded;
        BYTE nRoundedTransform;
    };
    void BuildSegments(const SegmentSource* pSources, int nCount, WORD wMask, DWORD dwStyle);

    int m_nWidth;
    WORD m_wMask;
    std::vector<CDigiSegment> m_segments;
    int m_nSegments;
};

class CDigi7Segment : public CDigiChar
{
  public:
    CDigi7Segment();
    void SetSegments(WORD wMask, DWORD dwStyle) override;
};

class CDigi14Segment : public CDigiChar
{
  public:
    CDigi14Segment();
    void SetSegments(WORD wMask, DWORD dwStyle) override;
};

class CDigiColonDotChar : public CDigiChar
{
  public:
    CDigiColonDotChar();
    void SetSegments(WORD wMask, DWORD dwStyle) override;
};
