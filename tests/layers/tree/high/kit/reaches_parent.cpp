#include "../top.h"
