#pragma once
// Base of the GDI+ object layer: the records handed to the flat API, the
// text/GUID conversions, the process-wide last status and GdipObject, the
// common base of every wrapper class.

#include <windows.h>
// windowsx.h defines DeletePen, DeleteBrush and DeleteFont as function-like
// macros, which would rewrite the wrapper operations of the same names in any
// file that includes both. Including it here first sets its include guard, so
// the macros removed below stay removed whatever the include order.
#include <windowsx.h>
#undef DeletePen
#undef DeleteBrush
#undef DeleteFont
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using ByteSet = std::vector<std::uint8_t>;

// Point and rectangle records: float for the float operations, 32-bit signed
// integers for the operations whose flat function ends in "I".
struct PointRecord {
    float x = 0, y = 0;
};
struct PointRecordI {
    std::int32_t x = 0, y = 0;
};
struct RectRecord {
    float x = 0, y = 0, width = 0, height = 0;
};
struct RectRecordI {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
};
struct SizeRecord {
    float width = 0, height = 0;
};

// Status of the last flat call a wrapper operation made (0 = Ok). GUI thread
// only, like the whole layer.
extern Gdiplus::Status GdipLastStatus;

// UTF-16 for a text in the ANSI code page, zero-terminated, as a byte set.
ByteSet ToWideText(const std::string& text);
// The text for zero-terminated UTF-16.
std::string WideToText(const wchar_t* wide);
std::string WideToText(const ByteSet& wide);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" for a GUID, and back; a text that
// is not a GUID gives 16 zero bytes.
std::string GuidToText(const GUID& guid);
std::string GuidToText(const ByteSet& guidBytes);
ByteSet TextToGuid(const std::string& text);

// Common base of the wrappers. Every handle field of a derived class is
// written only through SetNativeHandle, so all of them always agree.
//
// Wrappers own their native object: copying would make two owners of one
// handle, so wrappers are move-only. A move hands the handle over and leaves
// the source empty.
class GdipObject {
public:
    GdipObject(const GdipObject&) = delete;
    GdipObject& operator=(const GdipObject&) = delete;
    virtual ~GdipObject() = default;

    void* GetNativeHandle() const { return nativeHandle; }
    void SetNativeHandle(void* handle);
    void* Alloc(std::size_t size) const;
    void Free(void* block) const;

protected:
    GdipObject() = default;
    virtual void OnNativeHandleSet(void* handle) = 0;
    // Takes over another wrapper's handle, leaving that wrapper empty.
    void AdoptHandle(GdipObject& other) noexcept;

private:
    void* nativeHandle = nullptr;
};

class Graphics;
class GraphicsPath;
class Region;
class Brush;
class SolidBrush;
class LinearGradientBrush;
class PathGradientBrush;
class Pen;
class Font;
class FontFamily;
class FontCollection;
class StringFormat;
class Image;
class Bitmap;
class Matrix;
class MemoryStream;
class ToolTip;
