// Sets of cells: see board/cells.h.
#pragma once

#include "board/cells.h"
