#pragma once

#include "AE_EffectCB.h"
