#pragma once
// Small stateless routines every painter of the skin shares: colour
// conversion between COLORREF and GDI+ ARGB, the two path shapes of the skin,
// the widening glow outline, and the two image routines used when a
// background picture is set.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/records.h"

// COLORREF 0x00BBGGRR -> ARGB 0xAARRGGBB; alpha 255 unless `alphaGiven`.
std::uint32_t ColourToArgb(COLORREF colour, std::int32_t alpha, bool alphaGiven);
// ARGB -> COLORREF; the alpha byte goes to `alpha` when asked for.
COLORREF ArgbToColour(std::uint32_t argb, std::int32_t* alpha = nullptr);

// One closed rounded rectangle; `corner` is the size of each arc's square and
// is kept within 1..100.
void RoundedRectPath(GraphicsPath& path, float x, float y, float width, float height, std::int32_t corner);
// An open figure rounded at the top: up the left side, across, down the right.
void TopRoundedPath(GraphicsPath& path, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    std::int32_t corner);
// The path stroked `count` times with widths 1..count: a soft outline.
void DrawGlowPath(Graphics& graphics, GraphicsPath& path, std::int32_t count, COLORREF colour, std::int32_t alpha);

// Average colour of `samples` pixels drawn at positions that depend only on
// the date and the sample number (two calls on one day agree). The image
// comes from `fileName` when it is not empty, otherwise from `bytes`. The
// margins restrict the samples to the rightmost / bottom columns and rows.
// An image that cannot be decoded yields the system face colour. The top
// byte of the result is 0xFF.
COLORREF ImageAverageColour(const ByteSet& bytes, std::int32_t samples, std::optional<std::int32_t> rightMargin = {},
                            std::optional<std::int32_t> bottomMargin = {}, const std::string& fileName = {});

// The image with its edges faded into `colour` over a band of `band` pixels
// (30 % of the width when omitted): right and bottom edges, or left and
// bottom for variant 0. Returns PNG bytes; empty when the image cannot be
// decoded.
ByteSet ImageEdgeBlend(const ByteSet& bytes, std::optional<std::int32_t> band, COLORREF colour,
                       std::optional<std::int32_t> variant = {}, const std::string& fileName = {});
