#pragma once
// The bench of the tests, with the test framework.

#include <gtest/gtest.h>

#include "banco_base.h"
