#include "high/top.h"
