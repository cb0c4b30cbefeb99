// The codes of the jobs the recording view puts into the station queue; the worker runs them on
// the view's command layer and names the result message it posts.
#pragma once

enum StationJobCode
{
    JobClock = 0,     // read variables 43-45
    JobStatus = 1,    // read the status block 35-42
    JobEnergy = 2,    // write variable 12, then read the status block
    JobCalibrate = 3, // write the trigger 46, then read the status block
    JobPassword = 4,  // write variable 15, commit
    JobFanOff = 5,    // write 0 to variable 37, then read the status block
    JobFanOn = 6,     // write 1 to variable 37, ...
    JobPumpOff = 7,   // write 0 to variable 38, ...
    JobPumpOn = 8,    // write 1 to variable 38, ...
    JobPipetteCalibration = 9,
    JobBuzzerMode = 10,
    JobProfile = 11,        // write variables 7-14 (the profile), then WM_COMM_PROFILE_WRITTEN
    JobSensorFactorIR = 12, // write variable 5 (argument 1: commit), then WM_COMM_PROFILE_WRITTEN
    JobSensorFactorTE = 13, // write variable 4 (argument 1: commit), then WM_COMM_PROFILE_WRITTEN
    JobSample = 14,         // read variables 0-5
    JobProfileBlock = 15,   // read variables 6-18
    JobLimits = 16,         // read variables 21-34
    JobStationClock = 17,   // write variables 43-45: seconds, minutes, hours
    JobStationBaud = 18,
    JobConnect = 19,
    JobAddress = 20,
    JobTimeouts = 21,
    JobSerialNumber = 22,        // write variable 18 (argument 1: commit)
    JobWriteOperatingHours = 23, // firmware 1.68 on: write variables 50-51 (minutes)
    JobOperatingHours = 24,
    JobLongLife = 25,           // read variables 54-62
    JobLongLifeReset = 26,      // write 0 to 58-61, then 0 and 1.0 to 56-57
    JobLongLifeStart = 27,      // write 1.0 and 1.0 to 56-57
    JobLongLifeStop = 28,       // write 0 and 1.0 to 56-57
    JobLongLifeParameters = 29, // write variables 54-57
};
