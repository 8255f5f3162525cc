#include "skin/controls/framework.h"

// Controls of this family keep the system look until their skin is built.
void SkinListControls(std::int32_t, HWND) {}
