// What nearly every source includes, compiled once per build with HELVON_LIGHT_BUILD: the Windows
// headers through the framework, and the standard containers.
#pragma once
#include "afxwin.h"
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>
