#pragma once
// The GDI+ object layer: wrappers over the GDI+ flat API, the memory stream
// and the tooltip class. GDI+ itself is started and shut down by the
// application.

#include "gdiplus/gdip_object.h"
#include "gdiplus/graphics.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/image.h"
#include "gdiplus/brushes.h"
#include "gdiplus/pen.h"
#include "gdiplus/fonts.h"
#include "gdiplus/string_format.h"
#include "gdiplus/path.h"
#include "gdiplus/region.h"
#include "gdiplus/matrix.h"
#include "gdiplus/tooltip.h"
