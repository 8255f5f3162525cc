#pragma once
// The two text effects of the caption and the status bar.
#include <windows.h>

#include <cstdint>
#include <string>

#include "gdiplus/gdiplus_layer.h"

// Text with a four-way halo of `halo` (alpha 150) `offset` pixels around it.
void DrawHaloText(Graphics& graphics, const std::string& text, const RectRecord& layout, COLORREF colour,
                  COLORREF halo, float offset, const std::string& face, std::int32_t style, float size,
                  std::int32_t alignment, std::int32_t lineAlignment);
// Text over a blurred glow: drawn small, scaled down by `scale` and back up.
void DrawGlowText(Graphics& graphics, const std::string& text, const RectRecord& layout, COLORREF colour,
                  COLORREF glow, float scale, const std::string& face, float size, std::int32_t style);
