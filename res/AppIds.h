// Resource and command ids of the application shell: views, their commands and cursors.
#pragma once
#include "StationIds.h" // the dialog bases' buttons and texts
// Frames, menus, toolbars and accelerators of the application.
#define IDR_MAINFRAME_MENU 128 // menu, accelerators, toolbar "Hauptsymbolleiste", title
#define IDR_IRCONTROLTYPE 129  // the recording document: menu, accelerators, document string
#define IDR_POPUP_MENUS 296    // 0 "Mainframe", 1 "IRControlView", 2 "Profiles", 3 "Analyse"
#define IDR_TOOLBAR_RECORD 287
#define IDR_TOOLBAR_ANALYSE 318
#define IDR_TOOLBAR_VIEWS 274
#define IDR_TOOLBAR_ZOOM 22165
#define IDR_TOOLBAR_EXPERT 328
#define IDR_TOOLBAR_MENU_IMAGES 22136
// Bar ids of the default toolbars (the main one is AFX_IDW_TOOLBAR).
#define IDW_TOOLBAR_ZOOM 59396
#define IDW_TOOLBAR_VIEWS 59397
#define IDW_TOOLBAR_RECORD 59398
#define IDW_TOOLBAR_ANALYSE 59399
#define IDW_TOOLBAR_EXPERT 59400
// Main frame commands.
#define ID_VIEW_PARAMETER 32771    // "&Parameter\tF2"
#define ID_VIEW_STATEWND 32772     // "Status&fenster\tF3"
#define ID_VIEW_TB_ZOOM 32777      // toolbar "Zoom"
#define ID_VIEW_FULLSCREEN 32783   // "&Ganzseitenansicht"
#define ID_VIEW_HIDE_ALL 32787     // "&Alle Ausblenden\tF5"
#define ID_VIEW_TB_VIEWS 32788     // toolbar "Ansichten"
#define ID_VIEW_CUSTOMIZE 32789    // "&Anpassen..."
#define ID_VIEW_TB_RECORD 32815    // toolbar "Aufzeichnung"
#define ID_VIEW_MINIMIZED 32819    // "M&inimierte Ansicht\tF6"
#define ID_VIEW_TB_ANALYSE 32849   // toolbar "Analyse"
#define ID_INDICATOR_ANALYSE 32850 // status pane: number of analysis points
#define ID_INDICATOR_BAUD 32851    // status pane: baud rate
// Application commands.
#define ID_OPTIONS 32778            // "&Optionen..."
#define ID_PROTECT_PARAMETERS 32837 // "Parametersätze &schützen..."
// Recording view commands.
#define ID_FAN 32790       // "&Fan"
#define ID_PUMP 32791      // "&Pumpe"
#define ID_CALIBRATE 32792 // "K&alibrieren"
#define ID_STATION_CLOCK_SET 32799
#define ID_STATION_CLOCK_RESET 32800
#define ID_SETTINGS_LAYOUT 32806
#define ID_SETTINGS_CURVES 32809
#define ID_SETTINGS_SAMPLING 32810
#define ID_RECORD_CLEAR 32812     // "&Löschen\tF10"
#define ID_BOTTOM_HEATER 32818    // "U&ntenstrahler"
#define ID_EXPORT_TABLE 32820     // "&Messtabelle exportieren..."
#define ID_PROFILE_DOWNLOAD 32821 // "Profil &Download"
#define ID_PROFILE_UPLOAD 32822   // "Profil &Uploaden"
#define ID_ANALYSE_CURSOR 32834   // "&Analyse Cursor"
#define ID_STATION_PASSWORD 32839 // "&IR Passwort veriegeln..."
#define ID_ANALYSE_ADD 32842      // "Analysepunkt &hinzufügen"
#define ID_ANALYSE_DELETE_LAST 32843
#define ID_ANALYSE_DELETE_ALL 32844
#define ID_QUICK_SAVE 32852 // "Schne&llspeichern\tF4"
#define ID_STATION_SERIAL 32858
#define ID_PROFILE_COPY 32859  // "&Kopieren"
#define ID_PROFILE_PASTE 32860 // "&Einfügen"
#define ID_STATION_HOURS 32861
#define ID_LONGLIFE_TEST 32872
// Strings of the frames and the start-up.
#define IDS_BAR_PARAMETER 130 // "Parameterfenster"
#define IDS_BAR_STATE 131     // "Statusfenster"
#define IDS_TB_ZOOM 133       // "Zoom"
#define IDS_TB_RECORD 256     // "Aufzeichnung"
#define IDS_OPTIONS_CAPTION 305
#define IDS_BAUD_PREFIX 378    // "Baudrate: "
#define IDS_BAUD_SUFFIX 379    // "  Baud"
#define IDS_TB_ANALYSE 409     // "Analyse"
#define IDS_ANALYSE_POINTS 410 // "Anzahl Analysepunkte:"
#define IDS_TB_EXPERT 429      // "Expertenleiste"
#define IDS_FIRST_START 441
#define IDS_TB_MAIN 22093          // "Hauptsymbolleiste"
#define IDS_TB_MENUBAR 22094       // "Menüleiste"
#define IDS_TB_COMMANDS 22095      // "Befehle"
#define IDS_TB_VIEWS 22096         // "Ansichten"
#define IDS_FULLSCREEN_TITLE 22097 // "Ganzseitenansicht": the floating button's caption
#define IDS_FULLSCREEN_CLOSE 22098 // "Ganzseitenansicht beenden": its tip
#define IDS_CUSTOMIZE 20538        // "Anpassen": the toolbar customisation sheet
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
#define ID_COMMUNICATION 32793 // "&Kommunikation\tF8"
#define ID_RECORD 32811        // "&Aufnahme\tF9"
#define IDS_APP_CONNECTED_WITH 414
#define IDS_APP_NOT_CONNECTED 415
#define IDS_APP_NO_INTERFACE 423
// Application commands.
#define ID_EXTERN_APP 32856 // starts the external application
// The serial-number prompt of the device windows.
#define IDD_SERIAL_NUMBER 330 // "Vergabe der Seriennummer"
#define IDC_SERIAL_NUMBER 1131
// The about box: template, picture, title prefix and controls.
#define IDD_KUVO_INFO 100
#define IDB_KUVO 271
#define IDS_INFO_TITLE 413 // "Info über "
#define IDC_INFO_MAIL 1000
#define IDC_INFO_WEB 1001
#define IDC_INFO_TITLE 1100
#define IDC_INFO_NOTICE1 1072
#define IDC_INFO_NOTICE2 1073
#define IDC_INFO_VERSION 1064
#define IDC_INFO_COPYRIGHT 1065
#define IDC_INFO_COMMENTS 1066
// The progress dialog and the quick save.
#define IDD_MULTIPLE_PROGRESS 326
#define IDC_PROGRESS_TEXT 1126
#define IDC_PROGRESS_BAR 1127
#define IDS_QUICKSAVE_FAILED 416  // "Beim Schnellspeichern ist ein Fehler aufgetreten!..."
#define IDS_QUICKSAVE_CAPTION 417 // "Helvon Schnellspeichern"
#define IDS_QUICKSAVE_TITLE 426   // "Schnellspeichern der Datei\n"
#define IDS_QUICKSAVE_TEXT 427    // "Schnellspeichern"
// The live status dialog in the state bar: template, digit displays, texts, lamps and strings.
#define IDD_IR_STATUS 278
#define IDC_STATUS_TEMPERATURE 1118
#define IDC_STATUS_STATE 1120
#define IDC_STATUS_MESSAGE 1121
#define IDC_STATUS_MODULE_TIME 1016
#define IDC_STATUS_VERSION 1015
#define IDC_STATUS_PROGRAM 1081
#define IDC_STATUS_SENSOR 1062
#define IDC_STATUS_SERIAL 1082
#define IDC_STATUS_IR_HOURS 1017
#define IDC_STATUS_TOP_HOURS 1018
#define IDC_STATUS_LP_TEMPERATURE 1019
#define IDC_STATUS_PM 1026
#define IDC_STATUS_EXPERT_GROUP 1134 // "Expertendaten"
#define IDC_STATUS_IR_HOURS_LABEL 1135
#define IDC_STATUS_TOP_HOURS_LABEL 1136
#define IDC_STATUS_LP_LABEL 1137
#define IDC_STATUS_MODULE_TIME_LABEL 1188
// Lamp pairs: not active (red cross), active (green tick).
#define IDC_LAMP_PUMP_OFF 1007
#define IDC_LAMP_PUMP_ON 1011
#define IDC_LAMP_FAN_OFF 1008
#define IDC_LAMP_FAN_ON 1012
#define IDC_LAMP_PIPETTE_OFF 1009
#define IDC_LAMP_PIPETTE_ON 1020
#define IDC_LAMP_SWIVEL_OFF 1010
#define IDC_LAMP_SWIVEL_ON 1022
#define IDC_LAMP_TOP_OFF 1014
#define IDC_LAMP_TOP_ON 1024
#define IDC_LAMP_BOTTOM_OFF 1013
#define IDC_LAMP_BOTTOM_ON 1023
#define IDC_LAMP_CALIBRATION_OFF 1021
#define IDC_LAMP_CALIBRATION_ON 1025
#define IDS_STATUS_ERROR 419          // "Fehler"
#define IDS_STATUS_NO_TEMPERATURE 421 // "---.-C"
#define IDS_STATUS_LP_TEMPERATURE 433 // "%#4.1f°C"
#define IDS_STATUS_PM 435             // "%#4.1f°C\nPm = %#3.1f"
// The station's service dialogs.
#define IDD_IR_PASSWORD 314         // "IR Passwortschutz"
#define IDD_IR_PASSWORD_CONFIRM 317 // "Passwort Bestätigung"
#define IDD_BUSY_TIME 331           // "Betriebsstunden Einstellen"
#define IDD_LONGLIFE_TEST 342       // "Status IR-Dauertest"
#define IDD_LONGLIFE_PARAM 347      // "IR-Dauertest Parametereinstellung"
#define IDC_PASSWORD_ENTRY 1100
#define IDC_PASSWORD_CONFIRM 1101
#define IDC_PASSWORD_CONFIRM_LABEL 1001
#define IDC_HOURS_IR 1133
#define IDC_HOURS_TOP 1134
#define IDC_PAUSE_LINEAR 1200
#define IDC_PAUSE_SADDLE 1201
#define IDC_PAUSE_LINEAR_SPIN 1205
#define IDC_PAUSE_SADDLE_SPIN 1206
#define IDC_LONGLIFE_CYCLES_LINEAR 1189
#define IDC_LONGLIFE_TIMER_LINEAR 1190
#define IDC_LONGLIFE_CYCLES_SADDLE 1191
#define IDC_LONGLIFE_PAUSE_LINEAR 1193
#define IDC_LONGLIFE_PAUSE_SADDLE 1195
#define IDC_LONGLIFE_INACTIVE 1196
#define IDC_LONGLIFE_ACTIVE 1197
#define IDC_LONGLIFE_TIMER_SADDLE 1198
#define IDC_LONGLIFE_PARAMETER 1199
#define IDC_LONGLIFE_RESET 1200
#define IDC_LONGLIFE_START 1201
#define IDC_LONGLIFE_POWER 1202
#define IDB_LONGLIFE_PARAMETER 344
#define IDB_LONGLIFE_RESET 345
#define IDB_LONGLIFE_START 346
#define IDB_PASSWORD_ON 22574
#define IDB_PASSWORD_OFF 22575

// The "Parameterfenster" bar: its tab window and the tabs' labels and icons.
#define IDC_MEASURE_TABS 59648
#define IDS_TAB_PROFILES 349       // "Sollprofile/Parametersätze"
#define IDS_TAB_USER_MASK 315      // "Benutzermaske"
#define IDS_TAB_MEASURE_VALUES 314 // "Mess- und Prozesswerte"
#define IDI_TAB_PROFILES 298
#define IDI_TAB_USER_MASK 291
#define IDI_TAB_MEASURE_VALUES 290

// Profile table and parameter protection.
#define IDD_PARAMETER_SET 295     // the profile table tab
#define IDC_PROFILE_TABLE 1057    // "Parameter Tabelle", replaced by the grid
#define IDC_PROFILE_GRAPH 1122    // where the profile graph goes
#define IDS_GRAPH_TEMPERATURE 424 // "Temp./", the profile graph's value axis
#define IDS_GRAPH_TIME 425        // "Zeit / s"
#define IDD_PARAMETER_PROTECT 311 // "Parametersätze schützen"
#define IDC_PROTECT_PASSWORD 1100
#define IDC_PROTECT_CONFIRM 1101
#define IDC_PROTECT_CONFIRM_LABEL 1001
#define IDB_PROTECT_ON 22577
#define IDB_PROTECT_OFF 22578
#define IDS_PROTECT_CLEAR 400       // "&Parameterschutz aufheben"
#define IDS_PROTECT_SET 401         // "&Parametersätze schützen"
#define IDS_PASSWORD_ACTIVATE 405   // "&Passwort aktivieren"
#define IDS_PASSWORD_DEACTIVATE 406 // "&Passwort deaktivieren"
#define IDS_LONGLIFE_START 448      // "Start"
#define IDS_LONGLIFE_STOP 449       // "Stopp"
#define IDS_LONGLIFE_RESET_ASK 450
#define IDS_PASSWORD_MISMATCH 22099
#define IDS_PASSWORD_WRONG 22100
// The user mask of a recording.
#define IDD_PARAMETER 292 // "Benutzermaske"
#define IDC_MASK_OPERATOR 1052
#define IDC_MASK_TINIT 1053
#define IDC_MASK_BOARD 1054
#define IDC_MASK_COMPONENT 1055
#define IDC_MASK_HEADER 1063
#define IDC_MASK_DATE 1070
#define IDC_MASK_APERTURE_X 1072
#define IDC_MASK_APERTURE_Y 1073
#define IDC_MASK_PIN1 1074
#define IDC_MASK_PROFILE_TYPE 1075
#define IDC_MASK_TINIT_SPIN 1103
#define IDC_MASK_GRAPH 1124
#define IDC_MASK_GROUP 1125 // "Aktuelle IR Parameter"
#define IDC_MASK_PROGRAM 1060
#define IDC_MASK_T1 1056
#define IDC_MASK_T2 1057
#define IDC_MASK_T3 1058
#define IDC_MASK_TL 1059
#define IDC_MASK_ENERGY 1061
#define IDC_MASK_TIME 1016
#define IDC_MASK_SENSOR 1062
// The display settings sheet's own pages.
#define IDS_DRAW_SETTINGS 251     // "Darstellungs Eigenschaften"
#define IDD_SAMPLING_PAGE 108     // "Abtastrate"
#define IDD_IR_PAGE 300           // "QM240D"
#define IDD_RECORD_START_PAGE 420 // "Aufnahmestart"
#define IDC_SAMPLING_INTERVAL 1010
#define IDC_SAMPLING_SPIN 1011
#define IDC_IR_PIPCAL 1066
#define IDC_IR_SOFTCAL 1067
#define IDC_IR_BUZZER 1068
#define IDC_RECORD_START_SWING 1010
#define IDC_RECORD_START_TINIT 1011
#define IDC_RECORD_START_OFF 1109
#define IDS_BUZZER_ON 350    // "Buzzer eingeschaltet"
#define IDS_BUZZER_OFF 351   // "Buzzer ausgeschaltet"
#define IDS_BUZZER_SHORT 352 // "Kurze Buzzer Signale"
// The options sheet's pages.
#define IDD_LANGUAGES_PAGE 209  // "Sprachen"
#define IDD_GENERAL_PAGE 302    // "Allgemein"
#define IDD_EXTERN_APP_PAGE 106 // "Externe Anwendung"
#define IDD_LOGO_PAGE 422       // "Firmenlogo"
#define IDC_LANGUAGE_LIST 1062
#define IDC_GENERAL_AUTOCOM 1077
#define IDC_GENERAL_DOWNLOAD_WIZARD 1076
#define IDC_GENERAL_UPLOAD_WIZARD 1075
#define IDC_GENERAL_QUICKSAVE_DIR 1117
#define IDC_GENERAL_TEMP_BASE 1020
#define IDC_GENERAL_TEMP_BASE_SPIN 1021
#define IDC_GENERAL_TIME_BASE 1022
#define IDC_GENERAL_TIME_BASE_SPIN 1027
#define IDC_GENERAL_TEMP_STEP 1023
#define IDC_GENERAL_TEMP_STEP_SPIN 1024
#define IDC_GENERAL_TIME_STEP 1025
#define IDC_GENERAL_TIME_STEP_SPIN 1012
#define IDC_EXTERN_OPTIONS 1130
#define IDC_EXTERN_APP_PATH 1129
#define IDC_LOGO_LEFT 1138
#define IDC_LOGO_RIGHT 1139
#define IDC_LOGO_PATH 1137
// The options sheet's serial interface page.
#define IDD_SERIAL_PAGE 421 // "RS232 Konfiguration"
#define IDC_SERIAL_TREE 1126
#define IDC_SERIAL_DEVICE 1114
#define IDC_SERIAL_BAUD 1008
#define IDC_SERIAL_START_BITS 1022
#define IDC_SERIAL_START_BITS_SPIN 1111
#define IDC_SERIAL_DATA_BITS 1025
#define IDC_SERIAL_DATA_BITS_SPIN 1112
#define IDC_SERIAL_STOP_BITS 1014
#define IDC_SERIAL_PARITY 1013
#define IDC_SERIAL_TIMEOUT 1026
#define IDC_SERIAL_TIMEOUT_SPIN 1113
#define IDC_SERIAL_PROTOCOL 1012
#define IDC_SERIAL_UP 1141
#define IDC_SERIAL_DOWN 1142
#define IDB_PORT_STATES 333
#define IDB_PORT_UP 22582
#define IDB_PORT_DOWN 22583
#define IDS_BAUD_14400 230
#define IDS_BAUD_9600 232
#define IDS_BAUD_19200 233
#define IDS_BAUD_38400 234
#define IDS_FLOW_NONE 235
#define IDS_FLOW_CTS_RTS 236
#define IDS_FLOW_CTS_DTR 237
#define IDS_FLOW_DSR_RTS 238
#define IDS_FLOW_DSR_DTR 239
#define IDS_FLOW_XON_XOFF 240
#define IDS_PARITY_EVEN 241
#define IDS_PARITY_MARK 242
#define IDS_PARITY_NONE 243
#define IDS_PARITY_ODD 244
#define IDS_PARITY_SPACE 245
#define IDS_STOPBITS_ONE 246
#define IDS_STOPBITS_ONE_HALF 247
#define IDS_STOPBITS_TWO 248
#define IDS_SERIAL_COLUMN_PORT 437
#define IDS_SERIAL_COLUMN_DESCRIPTION 438
// The analysis dialog beside the cursor line: the cursor's time and two curves' values there.
#define IDD_ANALYSE 310
#define IDC_ANALYSE_POSITION 1090
#define IDC_ANALYSE_VALUE1 1091
#define IDC_ANALYSE_VALUE2 1092
// The printed recording page's texts.
#define IDS_PRINT_DATE 324           // "Druckdatum: "
#define IDS_PRINT_RECORDED 325       // "Aufgezeichnet mit KUVO Helvon"
#define IDS_PRINT_PROFILE 326        // "Prozess-Profil:"
#define IDS_PRINT_OPERATOR 327       // "Bediener:"
#define IDS_PRINT_TEST_DATE 328      // "Prüfdatum:"
#define IDS_PRINT_BOARD 329          // "Board:"
#define IDS_PRINT_COMPONENT 330      // "Komponente:"
#define IDS_PRINT_PROFILE_VALUES 331 // "Profilparameter:"
#define IDS_PRINT_USER_VALUES 361    // "Anwenderparameter:"
#define IDS_PRINT_PIN1 372           // "Lage Pin1 = "
#define IDS_PRINT_APERTURE_X 373     // "Blende-X = "
#define IDS_PRINT_APERTURE_Y 374     // "Blende-Y = "
#define IDS_PRINT_PROCEDURE 375      // "Vorgang:"
#define IDS_PRINT_ANALYSIS 411       // "Prozessanalyse:"
#define IDS_PRINT_MOMENT 412         // "Zeitpunkt:"
#define IDS_PRINT_PAGE 418           // "Seite %d von %d"
#define IDS_PRINT_DEVICE 420         // "Geräte-Nr.:"
#define IDS_PRINT_FILE 428           // "Dateiname: %s / %s"
#define IDS_PRINT_FIRMWARE 434       // "Firmware: %#4.2f"

// Profile download and upload wizards.
#define IDD_PROFILE_WIZARD 181         // "Assistent", shared by both wizards
#define IDD_DOWNLOAD_OPERATOR_PAGE 410 // the download pages, in the order of their templates
#define IDD_DOWNLOAD_APERTURE_PAGE 411
#define IDD_DOWNLOAD_PIN1_PAGE 412
#define IDD_DOWNLOAD_TINIT_PAGE 413
#define IDD_DOWNLOAD_WELCOME_PAGE 414
#define IDD_UPLOAD_VALUES_PAGE 415
#define IDD_UPLOAD_BOARD_PAGE 416
#define IDD_UPLOAD_APERTURE_PAGE 417
#define IDD_UPLOAD_PIN1_PAGE 418
#define IDB_DOWNLOAD_TITLE 305 // the title pictures of the pages
#define IDB_UPLOAD_TITLE 308
#define IDS_DOWNLOAD_WIZARD_TITLE 381 // "Download Assistent"
#define IDS_UPLOAD_WIZARD_TITLE 382   // "Upload Assistent"
#define IDS_NO_PROFILE_SELECTED 399
#define IDS_PROFILES_PROTECTED 404
#define IDS_STATION_PASSWORD_INVALID 407
#define IDS_DOWNLOAD_NOT_READY 22600
#define IDC_WIZ_PLACEHOLDER 1010
#define IDC_WIZ_HEADING 1018
#define IDC_WIZ_PROGRAM 1081
#define IDC_WIZ_WARNING 1105
#define IDC_WIZ_EXAMPLE 1060
#define IDC_WIZ_OPERATOR 1078
#define IDC_WIZ_APERTURE_X_TEXT 1079
#define IDC_WIZ_APERTURE_Y_TEXT 1080
#define IDC_WIZ_PIN1_TEXT 1080
#define IDC_WIZ_TINIT_TEXT 1064
#define IDC_WIZ_TINIT_PREFIX 1106
#define IDC_WIZ_START_SWING 1010 // the start-mode radio group: 0, 1, 2
#define IDC_WIZ_START_TINIT 1011
#define IDC_WIZ_START_NONE 1109
#define IDC_WIZ_T1 1056
#define IDC_WIZ_T2 1057
#define IDC_WIZ_T3 1058
#define IDC_WIZ_TL 1059
#define IDC_WIZ_ENERGY 1061
#define IDC_WIZ_TIME 1016
#define IDC_WIZ_SENSOR 1062
#define IDC_WIZ_BOARD 1054
#define IDC_WIZ_COMPONENT 1055
#define IDC_WIZ_PROFILE_TYPE 1075
#define IDC_WIZ_APERTURE_X 1072
#define IDC_WIZ_APERTURE_Y 1073
#define IDC_WIZ_PIN1 1074
#define IDC_WIZ_TINIT 1053
#define IDC_WIZ_TINIT_SPIN 1103
