#pragma once

#include "high/kit/tool.h"
