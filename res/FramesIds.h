// Resource ids of the frames, docking and layout subsystem.
#pragma once
#define IDS_SEC_SPLITTER 21088 // window name of splitter windows
