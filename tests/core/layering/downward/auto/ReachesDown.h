#pragma once
// An automatic-operation file that includes the day session below it: the layering check passes it.
#include "core/session/DaySession.h"
