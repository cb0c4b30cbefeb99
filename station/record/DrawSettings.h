// SDrawSettings: what the display settings sheet shows of a recording and gives back. The
// document fills it, the application runs the sheet on it.
#pragma once
#include "station/record/ObjectSettingsPage.h"

struct SDrawSettings
{
    enum
    {
        CurveCount = 3, // "TE-Solder", "IRS-Solder", "TE-TopHeater"
        LineCount = 3,
        BarCount = 6
    };
    CObjectSettingsPage::SSettings curves[CurveCount];
    CObjectSettingsPage::SSettings lines[LineCount];
    CObjectSettingsPage::SSettings bars[BarCount]; // weight unused, colour fills
    int nPen = 0;
    BOOL bGrid = FALSE;
    COLORREF backColor = 0;
    COLORREF gridColor = 0;
    int nTimeBase = 0;
    int nTimeInterval = 0;
    int nTempBase = 0;
    int nTempInterval = 0;
    int nSamplingSeconds = 1;
    int nAutoRecord = 2;
    BOOL bPipCal = FALSE;
    BOOL bSoftCal = FALSE;
    int nBuzzerMode = 255;
    BOOL bCurvesOrBarsChanged = FALSE; // set by the sheet
};
