#pragma once

#  include "loose/stray.h"
