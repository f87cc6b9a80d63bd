#pragma once

#include "not_in_the_tree.h"

#include <string>
