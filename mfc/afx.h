// The core of the framework layer: strings, geometry, time, run-time classes, exceptions,
// files, archives and collections. Windows, documents and dialogs have headers of their own.
#pragma once
#include "AfxCore.h"
#include "Module.h"
#include "MessageSink.h"
#include "String.h"
#include "Rect.h"
#include "Time.h"
#include "OleDateTime.h"
#include "OleVariant.h"
#include "Object.h"
#include "NoTrackObject.h"
#include "Exception.h"
#include "File.h"
#include "Archive.h"
#include "Collections.h"
