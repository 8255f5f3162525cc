#pragma once
// Process-wide state of the skin: the one skin object, its settings, the
// registry of skinned windows and the memory DCs handed out for control
// backgrounds. Touched only by the GUI thread.
#include <windows.h>

#include <cstdint>

#include "skin/core/records.h"

class SkinEngine;

extern SkinEngine* Skin;  // the one skin object

// Skin settings.
extern std::int32_t SkinControls;
extern std::int32_t ControlAlpha;
extern std::int32_t ControlsTranslucent;
extern std::int32_t TrackbarFrame;
extern COLORREF ThemeColour;
extern COLORREF BackgroundColour;
extern std::int32_t BackgroundMode;
extern ByteSet BackgroundImage;
extern std::int32_t FirstSizePending;

extern ULONG_PTR GdiplusToken;
extern HICON AppIcon;

// Frees the kept bottom layer of the window pictures (a GDI bitmap drawn
// from the background settings).
void ReleaseBackgroundLayer();

// Sets the start values that the program begins with.
void ResetSkinSettings();

// Shuts GDI+ down unless that already happened; a session is never shut
// down twice (the window procedure may see WM_QUIT before the exit routine).
void ShutdownGdiplusOnce();
