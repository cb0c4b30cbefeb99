// CDigiChar and its three kinds: the outline tables and how each segment is made from them.
#include "app/DigiChar.h"
#include <string.h>

namespace
{
// An outline of the design tables: its points and their path types.
struct Outline
{
    char chKey;
    int nCount;
    POINT points[17];
    BYTE types[17];
};

// clang-format off
const Outline s_outlines[] = {
    {'A', 4, {{5, 4}, {12, 11}, {36, 11}, {43, 4}}, {6, 2, 2, 2}},
    {'B', 4, {{4, 6}, {4, 40}, {11, 36}, {11, 13}}, {6, 2, 2, 2}},
    {'C', 6, {{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}}, {6, 2, 2, 2, 2, 2}},
    {'D', 7, {{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}, {36, 11}, {39, 4}}, {6, 4, 4, 4, 2, 2, 2}},
    {'E', 7, {{4, 9}, {4, 39}, {6, 40}, {7, 40}, {9, 38}, {11, 36}, {11, 12}}, {6, 2, 4, 4, 4, 2, 2}},
    {'F',
     10,
     {{37, 36}, {39, 38}, {41, 40}, {42, 40}, {44, 39}, {44, 6}, {42, 4}, {41, 4}, {39, 8}, {37, 12}},
     {6, 4, 4, 2, 2, 2, 4, 4, 4, 2}},
    {'G', 6, {{8, 41}, {12, 45}, {36, 45}, {40, 41}, {36, 37}, {12, 37}}, {6, 2, 2, 2, 2, 2}},
    {'H', 5, {{20, 13}, {20, 36}, {24, 40}, {28, 36}, {28, 13}}, {6, 2, 2, 2, 2}},
    {'I', 4, {{5, 5}, {15, 35}, {20, 37}, {18, 25}}, {6, 2, 2, 2}},
    {'J', 6, {{6, 41}, {14, 45}, {18, 45}, {22, 41}, {18, 37}, {14, 37}}, {6, 2, 2, 2, 2, 2}},
    {'K', 4, {{4, 7}, {4, 40}, {11, 36}, {11, 26}}, {6, 2, 2, 2}},
    {'L', 4, {{6, 4}, {11, 11}, {37, 11}, {42, 4}}, {6, 2, 2, 2}},
    {'M',
     13,
     {{20, 12}, {20, 25}, {22, 36}, {23, 39}, {24, 40}, {25, 39}, {26, 36}, {28, 25}, {28, 12}, {26, 10}, {24, 9},
      {22, 10}, {20, 12}},
     {6, 2, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 2}},
    {'N',
     10,
     {{10, 10}, {10, 13}, {11, 20}, {13, 28}, {21, 38}, {21, 37}, {19, 26}, {15, 16}, {11, 10}, {10, 10}},
     {6, 4, 4, 4, 2, 2, 4, 4, 4, 2}},
    {'O', 6, {{8, 41}, {12, 45}, {16, 45}, {23, 41}, {16, 37}, {12, 37}}, {6, 2, 2, 2, 2, 2}},
    {'P',
     10,
     {{4, 7}, {4, 39}, {5, 40}, {6, 40}, {9, 37}, {11, 33}, {11, 25}, {9, 14}, {5, 6}, {4, 7}},
     {6, 2, 4, 4, 4, 4, 2, 4, 4, 2}},
    {'Q',
     17,
     {{8, 4},
      {7, 5},
      {7, 6},
      {9, 8},
      {12, 9},
      {14, 11},
      {19, 11},
      {21, 9},
      {24, 7},
      {27, 9},
      {29, 11},
      {34, 11},
      {36, 9},
      {39, 8},
      {41, 6},
      {41, 5},
      {40, 4}},
     {6, 4, 4, 4, 4, 2, 2, 4, 4, 4, 2, 2, 4, 4, 4, 4, 2}},
    {'R', 4, {{4, 23}, {4, 32}, {13, 32}, {13, 23}}, {6, 2, 2, 2}},
    {'S', 4, {{4, 50}, {4, 59}, {13, 59}, {13, 50}}, {6, 2, 2, 2}},
    {'T', 4, {{4, 68}, {4, 77}, {13, 77}, {13, 68}}, {6, 2, 2, 2}},
};
// clang-format on

// Transforms of an outline.
enum
{
    asIs = 0,
    mirrorX = 1,
    mirrorY = 2,
    pointReflect = 3
};

const Outline& FindOutline(char chKey)
{
    for (const Outline& o : s_outlines)
        if (o.chKey == chKey)
            return o;
    return s_outlines[0];
}
} // namespace

CDigiChar::CDigiChar() : m_nWidth(49), m_wMask(0), m_nSegments(0)
{
}

CDigiChar::~CDigiChar()
{
}

void CDigiChar::SetSegments(WORD wMask, DWORD)
{
    m_wMask = wMask;
}

void CDigiChar::BuildSegments(const SegmentSource* pSources, int nCount, WORD wMask, DWORD dwStyle)
{
    m_segments.clear();
    const int c = (m_nWidth - 1) / 2;
    const bool bRounded = (dwStyle & DIGI_ROUNDED) != 0;
    for (int i = 0; i < nCount; i++)
    {
        const Outline& o = FindOutline(bRounded ? pSources[i].chRounded : pSources[i].chPlain);
        const int nTransform = bRounded ? pSources[i].nRoundedTransform : pSources[i].nPlainTransform;
        POINT points[17];
        for (int k = 0; k < o.nCount; k++)
        {
            points[k] = o.points[k];
            if (nTransform == mirrorX || nTransform == pointReflect)
                points[k].x = 2 * c - points[k].x;
            if (nTransform == mirrorY || nTransform == pointReflect)
                points[k].y = CDigiSegment::designHeight - 1 - points[k].y;
        }
        CDigiSegment segment;
        segment.SetPoints(points, o.types, o.nCount);
        m_segments.push_back(segment);
    }
    m_nSegments = nCount;
    m_wMask = wMask;
}

void CDigiChar::Draw(CDC* pDC, double left, double top, double right, double bottom, CPen* pUnlitPen,
                     CPen* pLitPen, CBrush* pUnlitBrush, CBrush* pLitBrush) const
{
    for (int i = 0; i < (int)m_segments.size(); i++)
    {
        const bool bLit = (m_wMask & (1u << i)) != 0;
        pDC->SelectObject(bLit ? pLitBrush : pUnlitBrush);
        pDC->SelectObject(bLit ? pLitPen : pUnlitPen);
        pDC->BeginPath();
        m_segments[i].DrawPath(pDC, left, top, right, bottom, m_nWidth);
        pDC->EndPath();
        pDC->StrokeAndFillPath();
    }
}

CDigi7Segment::CDigi7Segment()
{
    m_nWidth = 49;
}

void CDigi7Segment::SetSegments(WORD wMask, DWORD dwStyle)
{
    // clang-format off
    static const SegmentSource s_sources[] = {
        {'A', asIs, 'D', asIs},         {'B', asIs, 'E', asIs},    {'B', mirrorX, 'F', asIs},
        {'C', asIs, 'G', asIs},         {'B', mirrorY, 'E', mirrorY}, {'B', pointReflect, 'F', mirrorY},
        {'A', mirrorY, 'D', mirrorY},
    };
    // clang-format on
    BuildSegments(s_sources, 7, wMask, dwStyle);
}

CDigi14Segment::CDigi14Segment()
{
    m_nWidth = 49;
}

void CDigi14Segment::SetSegments(WORD wMask, DWORD dwStyle)
{
    // clang-format off
    static const SegmentSource s_sources[] = {
        {'H', asIs, 'M', asIs},         {'I', asIs, 'N', asIs},         {'I', mirrorX, 'N', mirrorX},
        {'I', mirrorY, 'N', mirrorY},   {'I', pointReflect, 'N', pointReflect}, {'H', mirrorY, 'M', mirrorY},
        {'J', asIs, 'O', asIs},         {'J', mirrorX, 'O', mirrorX},   {'K', asIs, 'P', asIs},
        {'K', mirrorY, 'P', mirrorY},   {'L', mirrorY, 'Q', mirrorY},   {'K', pointReflect, 'P', pointReflect},
        {'K', mirrorX, 'P', mirrorX},   {'L', asIs, 'Q', asIs},
    };
    // clang-format on
    BuildSegments(s_sources, 14, wMask, dwStyle);
}

CDigiColonDotChar::CDigiColonDotChar()
{
    m_nWidth = 18;
}

void CDigiColonDotChar::SetSegments(WORD wMask, DWORD dwStyle)
{
    // clang-format off
    static const SegmentSource s_sources[] = {
        {'R', asIs, 'R', asIs},
        {'S', asIs, 'S', asIs},
        {'T', asIs, 'T', asIs},
    };
    // clang-format on
    BuildSegments(s_sources, 3, wMask, dwStyle);
}
