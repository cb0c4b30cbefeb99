// Ids of the station link and recording core's strings, usable from station.rc and C++.
#pragma once

// Sensor and unit texts, shared by the station link and the profile table.
#define IDS_UNIT_FAHRENHEIT 250
#define IDS_UNIT_CELSIUS 296
#define IDS_SENSOR_TE 298
#define IDS_SENSOR_IR 299

// Profile table: column titles, default texts and file errors.
#define IDS_COL_BOARD 333
#define IDS_COL_KOMPONENTE 334
#define IDS_COL_T1 335
#define IDS_COL_TIME 336
#define IDS_COL_T2 337
#define IDS_COL_T3 338
#define IDS_COL_TL 339
#define IDS_COL_ENERGIE 340
#define IDS_COL_SENSOR 341
#define IDS_COL_EINHEIT 342
#define IDS_CSV_OPEN_ERROR 343
#define IDS_CSV_CREATE_ERROR 344
#define IDS_COL_PROFILTYP 346
#define IDS_COL_BLENDE_X 353
#define IDS_COL_BLENDE_Y 354
#define IDS_COL_PIN1 355
#define IDS_PIN1_DEFAULT 356
#define IDS_BLENDE_DEFAULT 371
#define IDS_COL_KAL 380
#define IDS_COL_TINIT 408

// COM-port enumeration: the setup library or one of its entry points is missing.
#define IDS_DLL_NOT_LOADED 439
#define IDS_DLL_ENTRY_MISSING 440
