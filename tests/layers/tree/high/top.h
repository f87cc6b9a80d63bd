#pragma once

#include "../low/beside.h"
#include "low/base.h"
