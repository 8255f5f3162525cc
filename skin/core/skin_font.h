#pragma once
// The one way the skin makes a GDI+ font from a face name. A face that this
// system does not have (for example "宋体" on a system without Chinese fonts)
// falls back to the first face of a short list that does exist, and at last
// to GDI+'s generic sans-serif family, so text is never silently dropped.
#include <cstdint>
#include <string>

#include "gdiplus/gdiplus_layer.h"

// Creates `font` for `face` (or its fallback) at `size` in `unit` with the
// GDI+ style bits. Returns false only when not even the generic family works.
bool CreateSkinFont(Font& font, const std::string& face, float size, std::int32_t style, std::int32_t unit);

// The face that CreateSkinFont actually uses for `face` on this system.
std::string ResolveFontFace(const std::string& face);
