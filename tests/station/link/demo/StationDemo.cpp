// Console demo of the station link, run by tools/run.sh against the station simulator until the
// application exists: connects, reads the version, the temperatures and the process state a
// few times and prints them with the station's own display texts.
#include "station/link/IRComBase.h"
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
// Station texts are in the ANSI code page; a Linux terminal or pipe wants UTF-8.
void Print(const char* format, ...)
{
    char ansi[512];
    va_list args;
    va_start(args, format);
    _vsnprintf(ansi, sizeof ansi - 1, format, args);
    va_end(args);
    ansi[sizeof ansi - 1] = 0;
    WCHAR wide[512];
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, _countof(wide));
    if (nWide <= 0)
        return;
    HANDLE hOut = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD dwMode = 0, dwDone = 0;
    if (::GetConsoleMode(hOut, &dwMode))
    {
        ::WriteConsoleW(hOut, wide, (DWORD)(nWide - 1), &dwDone, NULL);
        return;
    }
    char utf8[1024];
    int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, NULL, NULL);
    if (nUtf8 > 1)
        ::WriteFile(hOut, utf8, (DWORD)(nUtf8 - 1), &dwDone, NULL);
}

int Usage()
{
    Print("usage: station_link_demo [--port N] [--reads N] [--interval MS]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    int nPort = 7, nReads = 12, nIntervalMs = 750;
    for (int i = 1; i < argc; ++i)
    {
        if (i + 1 >= argc)
            return Usage();
        if (strcmp(argv[i], "--port") == 0)
            nPort = atoi(argv[++i]);
        else if (strcmp(argv[i], "--reads") == 0)
            nReads = atoi(argv[++i]);
        else if (strcmp(argv[i], "--interval") == 0)
            nIntervalMs = atoi(argv[++i]);
        else
            return Usage();
    }

    CIRComBase com((DWORD)nPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    com.SetStationAddress(1);
    float fRate = com.ProbeBaudRate();
    com.SetBaud((DWORD)(int)fRate);
    if (!com.Connect())
    {
        Print("COM%d: no station answers (%s)\n", nPort,
              com.IsPortUnavailable() ? "port unavailable" : "no valid reply");
        return 1;
    }
    Print("COM%d: station at %lu baud, firmware %s\n", nPort, (unsigned long)fRate,
          com.GetVersionText().GetString());
    if (com.ReadSetupBlock() && com.ReadOperatingTimes())
        Print("%s, unit%s, operating time %s, top heater %s\n", com.GetSensorText().GetString(),
              com.GetUnitText().GetString(), com.GetOperatingTimeText(0).GetString(),
              com.GetOperatingTimeText(1).GetString());

    int nFailed = 0;
    for (int i = 0; i < nReads; ++i)
    {
        if (i)
            ::Sleep((DWORD)nIntervalMs);
        if (!com.ReadClock() || !com.ReadVars0To5() || !com.ReadStatusBlock() || !com.ReadCounters52To53())
        {
            ++nFailed;
            Print("read failed\n");
            continue;
        }
        // The raw values come in degrees Celsius; only the measured temperature follows the unit.
        CString unit = CIRComBase::FormatUnit(0.0f);
        Print("%s  T %10s  T0 %5.1f%s  T1 %5.1f%s  top %5.1f%s  %-11s %s\n",
              com.GetModuleTimeText().GetString(), com.GetTemperatureText(FALSE).GetString(),
              (double)com.GetCachedVar(StationVar::SolderTE), unit.GetString(),
              (double)com.GetCachedVar(StationVar::SolderIR), unit.GetString(),
              com.GetCachedVar(StationVar::TopHeaterTemperature) / 10.0, unit.GetString(),
              com.GetProgramText().GetString(), com.GetMessageText().GetString());
    }
    com.ClosePort();
    return nFailed == 0 ? 0 : 1;
}
