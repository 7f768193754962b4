// Everything the game uses from the runtime layer.
#pragma once
#include "runtime/audio.h"
#include "runtime/convert.h"
#include "runtime/draw.h"
#include "runtime/input.h"
#include "runtime/stream.h"
#include "runtime/timing.h"
