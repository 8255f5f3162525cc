#pragma once
// The records the skin keeps per skinned window and per skinned control.
// Positions in every list are 1-based; 0 means none.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/one_based_list.h"

using ByteSet = std::vector<std::uint8_t>;

struct CaptionButton {
    std::int32_t width = 0;   // 26, or 38 for the close button
    std::int32_t height = 0;  // 18
    ByteSet image;            // PNG of the normal glyph
    ByteSet altImage;         // restore glyph of the maximise button
    ByteSet extraImage;
    std::int32_t kind = 0;    // CaptionButtonKind
    std::string tooltipText;
    void (*handler)() = nullptr;  // run by a custom button
    float x = 0, y = 0, w = 0, h = 0;  // bounds in client coordinates
};

enum CaptionButtonKind : std::int32_t {
    kCloseButton = 0,
    kMaximizeButton = 1,
    kMinimizeButton = 2,
    kMenuButton = 3,
    kHelpButton = 4,
    kCustomButton = 5,
};

// Every family record starts with these two fields.
struct ControlRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};

enum ButtonKind : std::int32_t {
    kPushButton = 0,
    kImageButton = 1,
    kToggleImageButton = 3,
    kRadioButton = 4,
    kCheckBox = 5,
};

struct ButtonRecord : ControlRecord {
    std::int32_t kind = kPushButton;
    ByteSet normalImage, hotImage, pressedImage, disabledImage;
    std::int32_t imageBesideText = 0;
    std::string text;
    std::int32_t hasFocus = 0;
    std::int32_t initialCheck = 0;
    HWND parent = nullptr;
    ToolTip tooltip;
    std::string fontFace;
    std::int32_t fontSize = 0;
    std::int32_t fontStyle = 0;
};

struct EditRecord : ControlRecord {};
struct ComboRecord : ControlRecord {};
struct TrackbarRecord : ControlRecord {};
struct ProgressRecord : ControlRecord {};
struct ListRecord : ControlRecord {};
struct UpDownRecord : ControlRecord {};
struct HeaderRecord : ControlRecord {};

// A translucent group box or tab control.
struct ContainerRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    std::int32_t enabled = 0;
    COLORREF tintColour = 0;
    std::int32_t tintAlpha = 0;
    std::int32_t isGroupBox = 0;
};

// A translucent label, picture box, drawing panel or shape.
struct ComponentRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};

struct StatusBarItem {
    std::int32_t width = 0;  // -1 takes the remaining width
    std::string text;
    ByteSet icon;
    COLORREF colour = 0;
};

struct ChildLayoutEntry {
    HWND hwnd = nullptr;
    std::int32_t top = 0;
};

struct FadeState {
    std::int32_t button = 0;
    std::int32_t step = 0;
};

struct SkinnedWindow {
    HWND hwnd = nullptr;
    std::int32_t captionHeight = 0;
    std::int32_t showHelpButton = 0;
    std::int32_t showMenuButton = 0;
    std::int32_t showMinimizeButton = 0;
    std::int32_t showMaximizeButton = 0;
    std::int32_t showCloseButton = 0;
    std::int32_t showTitle = 0;
    std::int32_t captionGloss = 0;
    WNDPROC previousProc = nullptr;
    ByteSet ownImage;
    std::int32_t ownMode = 0;
    COLORREF ownColour = 0;
    OneBasedList<CaptionButton> CaptionButtons;
    std::int32_t buttonStripLeft = 0, buttonStripTop = 0, buttonStripWidth = 0, buttonStripHeight = 0;
    HGDIOBJ captionCacheOldBitmap = nullptr;
    HBITMAP captionCacheBitmap = nullptr;
    HGDIOBJ stripCacheOldBitmap = nullptr;
    HBITMAP stripCacheBitmap = nullptr;
    std::int32_t maximized = 0;
    std::int32_t minimized = 0;
    std::int32_t minTrackWidth = 0, minTrackHeight = 0;
    std::int32_t maxTrackWidth = 0, maxTrackHeight = 0;
    std::int32_t resizable = 0;
    std::int32_t hasCaption = 0;
    COLORREF titleColour = 0;
    COLORREF titleShadowColour = 0;
    std::string titleFontFace;
    std::int32_t titleFontSize = 0;
    std::int32_t titleFontStyle = 0;
    std::int32_t hotCaptionButton = 0;
    std::int32_t hotFamily = 0;
    HWND hotParent = nullptr;
    void (*helpHandler)() = nullptr;
    void (*menuHandler)() = nullptr;
    ToolTip tooltip;
    std::int32_t statusBarHeight = 0;
    RECT statusBarRect{};  // x, y, width, height in left/top/right/bottom
    OneBasedList<StatusBarItem> StatusBarItems;
    OneBasedList<RECT> statusBarItemRects;
    std::int32_t statusInverse = 0;
    std::int32_t statusGlow = 0;
    COLORREF statusGlowTextColour = 0;
    COLORREF statusGlowColour = 0;
    std::string statusFontFace;
    std::int32_t statusFontSize = 0;
    OneBasedList<ButtonRecord> Buttons;
    OneBasedList<EditRecord> Edits;
    OneBasedList<ListRecord> ListControls;
    OneBasedList<TrackbarRecord> Trackbars;
    OneBasedList<ProgressRecord> ProgressBars;
    OneBasedList<ComboRecord> ComboBoxes;
    OneBasedList<UpDownRecord> UpDowns;
    OneBasedList<HeaderRecord> Headers;
    OneBasedList<ComponentRecord> Components;
    std::int32_t backgroundDirty = 0;
    HDC windowBuffer = nullptr;
    HDC captionCacheDc = nullptr;
    HDC stripCacheDc = nullptr;
    std::int32_t hotIndex = 0;
    std::int32_t pointerIndex = 0;
    std::int32_t tooltipCount = 0;
    OneBasedList<ContainerRecord> Containers;
    OneBasedList<ChildLayoutEntry> childLayout;
    std::int32_t mouseInside = 0;
    FadeState fadeIn;
    FadeState fadeOut;
    std::int32_t fadeTimerRunning = 0;
    // Client size the rounded window region was last built for.
    std::int32_t regionWidth = 0, regionHeight = 0;
};
