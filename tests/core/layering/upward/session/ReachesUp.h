#pragma once
// A session file that includes the automatic operation above it: the layering check must fail on it.
#include "core/auto/Anything.h"
