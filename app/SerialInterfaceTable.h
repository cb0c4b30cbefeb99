// The table of serial interfaces: one record per port of the machine, keyed by the port's place
// in the enumeration, its settings from the per-user configuration; the order in which ports
// are handed out (queue indices). Loaded at start-up and by the serial-interface settings page.
#pragma once
#include "afxtempl.h"
#include "station/config/EnumSerialPorts.h"
#include "station/config/SerialInterface.h"

// Created with block size 10 and a hash table of 17.
typedef CMap<int, int, STRUCT_SERIAL_INTERFACE, STRUCT_SERIAL_INTERFACE&> CSerialInterfaceMap;

// Queue index of a port that has no place in the order.
const int SERIAL_QUEUE_NOT_PLACED = 999;

// Enumerates the ports and builds the table from them; an enumeration that stops is reported
// and the ports found before it are kept.
void LoadInterfaceTable(CSerialInterfaceMap& table, CSerialEnumSystem& system = CSerialEnumSystem::Real());
// Builds the table from enumerated ports and the configuration, then normalises the order.
void FillInterfaceTable(const CSerInfoArray& ports, CSerialInterfaceMap& table);
// Enabled ports get 0, 1, 2, ... in their order without gaps; disabled ones follow.
void NormalizeQueueIndices(CSerialInterfaceMap& table);
// The station, the second device kind or a USB serial adapter (case-sensitive).
BOOL IsUsbSerialDevice(const CString& friendlyName);
