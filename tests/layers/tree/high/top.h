#pragma once

#include "high/kit/tool.h"
#include "low/base.h"
