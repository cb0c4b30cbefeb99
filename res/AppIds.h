// Resource and command ids of the application shell: views, their commands and cursors.
#pragma once
// Frames, menus, toolbars and accelerators of the application.
#define IDR_POPUP_MENUS 296    // 0 "Mainframe", 1 "IRControlView", 2 "Profiles", 3 "Analyse"
// Recording view commands.
#define ID_FAN 32790                // "&Fan"
#define ID_PUMP 32791               // "&Pumpe"
#define ID_CALIBRATE 32792          // "K&alibrieren"
#define ID_STATION_CLOCK_SET 32799
#define ID_STATION_CLOCK_RESET 32800
#define ID_SETTINGS_LAYOUT 32806
#define ID_SETTINGS_CURVES 32809
#define ID_SETTINGS_SAMPLING 32810
#define ID_RECORD_CLEAR 32812       // "&Löschen\tF10"
#define ID_BOTTOM_HEATER 32818      // "U&ntenstrahler"
#define ID_EXPORT_TABLE 32820       // "&Messtabelle exportieren..."
#define ID_PROFILE_DOWNLOAD 32821   // "Profil &Download"
#define ID_PROFILE_UPLOAD 32822     // "Profil &Uploaden"
#define ID_ANALYSE_CURSOR 32834     // "&Analyse Cursor"
#define ID_STATION_PASSWORD 32839   // "&IR Passwort veriegeln..."
#define ID_ANALYSE_ADD 32842        // "Analysepunkt &hinzufügen"
#define ID_ANALYSE_DELETE_LAST 32843
#define ID_ANALYSE_DELETE_ALL 32844
#define ID_QUICK_SAVE 32852         // "Schne&llspeichern\tF4"
#define ID_STATION_SERIAL 32858
#define ID_PROFILE_COPY 32859       // "&Kopieren"
#define ID_PROFILE_PASTE 32860      // "&Einfügen"
#define ID_STATION_HOURS 32861
#define ID_LONGLIFE_TEST 32872
// Zoom tools of the recording page.
#define ID_ZOOM_STEP 22166   // "&Schrittweise"
#define ID_ZOOM_ACTUAL 22167 // "&Orginalgrösse"
#define ID_ZOOM_RECT 22168   // "&Ausschnittsvergrösserung"
#define ID_ZOOM_FIT 22169    // "In &Fenster einpassen"
// Cursors of the zoom tools and of panning.
#define IDC_ZOOM_RECT_DRAG 22158
#define IDC_PAN_HAND 22159
#define IDC_ZOOM_STEP 22162
#define IDC_ZOOM_RECT 22163
// Unit after the time-axis labels.
#define IDS_APP_SECONDS 345
// The recording view's station link.
#define ID_COMMUNICATION 32793  // "&Kommunikation\tF8"
#define ID_RECORD 32811         // "&Aufnahme\tF9"
#define IDS_APP_CONNECTED_WITH 414
#define IDS_APP_NOT_CONNECTED 415
#define IDS_APP_NO_INTERFACE 423
// Application commands.
#define ID_EXTERN_APP 32856 // starts the external application
