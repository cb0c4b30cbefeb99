// Synchronisation objects and their lock guards.
//
// Differences from MFC:
// - See the headers of the single classes.
#pragma once
#include "afx.h"
#include "SyncObject.h"
#include "CriticalSection.h"
#include "Mutex.h"
#include "Semaphore.h"
#include "Event.h"
#include "SingleLock.h"
#include "MultiLock.h"
