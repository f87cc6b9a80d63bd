#pragma once

#  include "unlisted.h"
