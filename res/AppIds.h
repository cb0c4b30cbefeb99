// Resource and command ids of the application shell: views, their commands and cursors.
#pragma once
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
