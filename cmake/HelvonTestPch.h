// The test programs' precompiled header: the program's own one and the test framework.
#pragma once
#include "HelvonPch.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>
