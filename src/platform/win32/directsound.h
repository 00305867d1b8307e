// DirectSound's declarations. <dsound.h> needs the wave format, which the lean <windows.h>
// of this build leaves out, declared before it.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <dsound.h>
