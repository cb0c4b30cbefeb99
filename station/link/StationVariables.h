// The station's numbered variables: 32-bit floats addressed by their bus register. The command
// layer reads and writes them in the blocks below; the recording view and the status windows
// pick single values by these names out of the cache or their mirror of it.
#pragma once

namespace StationVar
{
// clang-format off
enum
{
    // Process values, sampled for the recording (block 0-5)
    SolderTE             = 0,  // solder temperature of the thermocouple ("TE-Solder"), scaled
    SolderIR             = 1,  // solder temperature of the IR sensor ("IRS-Solder"), scaled
    LPTemperature        = 2,  // shown as "LP-Temperatur:"
    Temperature          = 3,  // the current temperature, compared with Tinit
    SensorFactorTE       = 4,  // scale of SolderTE; the calibration value with the thermocouple
    SensorFactorIR       = 5,  // scale of SolderIR; the calibration value with the IR sensor

    // Setup block (6-18); 7-14 are the profile written as one block
    Program              = 6,
    T1                   = 7,
    Time                 = 8,
    T2                   = 9,
    T3                   = 10,
    TL                   = 11,
    Energy               = 12, // the bottom heater's energy; 0 switches it off
    SensorType           = 13, // non-zero: IR sensor
    Unit                 = 14, // non-zero: degrees Fahrenheit
    StationPassword      = 15,
    Setup16              = 16, // read with the setup block; the program makes no use of it
    Setup17              = 17, // read with the setup block; the program makes no use of it
    SerialNumber         = 18,

    Commit               = 19, // 1.0 stores what was written
    FirmwareVersion      = 20, // e.g. 1.71

    // Limits of the profile parameters (block 21-34)
    Limit21              = 21, // a limit the program does not store
    Limit22              = 22, // a limit the program does not store
    T1Min                = 23,
    T1Max                = 24,
    TimeMin              = 25,
    TimeMax              = 26,
    T2Min                = 27,
    T2Max                = 28,
    T3Min                = 29,
    T3Max                = 30,
    TLMin                = 31,
    TLMax                = 32,
    EnergyMin            = 33,
    EnergyMax            = 34,

    // Status block (35-42): on/off states, the message code and the program state
    Pipette              = 35,
    SwivelArm            = 36,
    Fan                  = 37,
    Pump                 = 38,
    Message              = 39,
    ProgramState         = 40, // values below
    BottomHeaterActive   = 41,
    TopHeater            = 42,

    // The station's clock (block 43-45)
    ClockSeconds         = 43,
    ClockMinutes         = 44,
    ClockHours           = 45,

    CalibrateTrigger     = 46, // 1.0 starts the calibration
    PipetteCalibration   = 48,
    BuzzerMode           = 49,
    OperatingTimeIR      = 50, // minutes
    OperatingTimeTopHeater = 51, // minutes
    TopHeaterTemperature = 52, // tenths of a degree; -1.0: the firmware has none
    Pm                   = 53, // shown after "Pm = "; -1.0: the firmware has none

    // Long-life test (block 54-62; 54-57 are written as its parameters)
    LongLifePauseLinear  = 54, // seconds
    LongLifePauseSaddle  = 55, // seconds
    LongLifeActive       = 56, // the test runs while above 0
    LongLifeApply        = 57, // written 1.0 with the mode or the parameters
    LongLifeCyclesLinear = 58,
    LongLifeCyclesSaddle = 59,
    LongLifeTimerLinear  = 60, // seconds
    LongLifeTimerSaddle  = 61, // seconds
    LongLifePower        = 62, // percent of the top heater's power

    BaudSetting          = 64, // read and set by the two single-value commands only
    Count                = 65,
};

// The blocks the command layer reads or writes whole: first variable and count.
enum
{
    ProcessFirst         = SolderTE,
    ProcessCount         = 6,
    SetupFirst           = Program,
    SetupCount           = 13,
    ProfileFirst         = T1,
    ProfileCount         = 8,
    LimitsFirst          = Limit21,
    LimitsCount          = 14,
    StatusFirst          = Pipette,
    StatusCount          = 8,
    ClockFirst           = ClockSeconds,
    ClockCount           = 3,
    OperatingTimeFirst   = OperatingTimeIR,
    OperatingTimeCount   = 2,
    CountersFirst        = TopHeaterTemperature,
    CountersCount        = 2,
    LongLifeFirst        = LongLifePauseLinear,
    LongLifeCount        = 9,
    LongLifeParameterCount = 4,
    LongLifeModeCount    = 2,  // LongLifeActive and LongLifeApply
    LongLifeResetFirst   = LongLifeCyclesLinear, // the cycles and timers a reset clears
    LongLifeResetCount   = 4,
};

// Values of ProgramState.
enum
{
    ProgramWarmUp        = 1,
    ProgramReady         = 2,
    ProgramSoldering     = 3,
    ProgramDesoldering   = 4,
    ProgramEnd           = 5,
    ProgramCalibration   = 6,
    ProgramEndurance     = 7,
};
// clang-format on
} // namespace StationVar
