// Operations of the skin object whose behaviour is not built yet: each one
// does nothing and reports "nothing found", which every caller already treats
// as "not skinned".
#include "skin/core/skin_engine.h"

void SkinEngine::MakeContainerTranslucent(HWND, OptInt, OptColour, OptInt, OptInt) {}
void SkinEngine::SetContainerAlpha(HWND, std::int32_t) {}
void SkinEngine::MakeComponentTranslucent(HWND, OptColour, OptColour, OptInt) {}
void SkinEngine::SetControlTextColour(HWND, COLORREF) {}
