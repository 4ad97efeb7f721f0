#pragma once

#include "simhost/Image.h"

// A built-in test card: a rounded dark panel inside a transparent margin,
// with white bars, a ring, colour patches and a soft gradient, so that every
// part of the effect (fringes on hard edges, colour separation, alpha at the
// layer's edge) shows. `depth` 8, 16 (the host's 0..32768) or 32 (float);
// straight values.
simhost::Image MakeTestCard(A_long width, A_long height, int depth);
