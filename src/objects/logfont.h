#pragma once

// The font record lives with the device context that makes fonts from it.
#include "platform/logfont.h"
