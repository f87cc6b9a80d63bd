#include "beside.h"
