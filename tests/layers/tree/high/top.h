#pragma once

#include "kit/tool.h"
#include "low/base.h"
