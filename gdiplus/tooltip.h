#pragma once
// ToolTip: one common-controls tooltip window and the tools registered on it.

#include <windows.h>

#include <optional>
#include <string>

class ToolTip {
public:
    // The window is not destroyed with the wrapper: it lives until the thread
    // that created it ends, and a copy of the wrapper names the same window.
    ToolTip() = default;

    // Creates the tooltip window for `owner` (style TTS_ALWAYSTIP, plus
    // TTS_BALLOON when asked) and returns it; 0 when it cannot be made.
    HWND Create(HWND owner, std::optional<bool> balloon = {});
    // `rect` is in the owner's client coordinates (left, top, right, bottom).
    void AddTool(const RECT& rect, const std::string& text, UINT_PTR id);
    // The tooltip asks its owner for the text each time it shows.
    void AddCallbackTool(const RECT& rect, UINT_PTR id);
    LRESULT SetTipBkColor(COLORREF colour);
    LRESULT SetTipTextColor(COLORREF colour);
    LRESULT SetMaxTipWidth(int width);
    void DelTool(UINT_PTR id);
    void NewToolRect(UINT_PTR id, const RECT& rect);
    void UpdateTipText(UINT_PTR id, const std::string& text);
    HWND GetHwnd() const { return tipWindow; }

private:
    void SendTool(UINT message, UINT_PTR id, const RECT* rect, const char* text) const;

    HWND tipWindow = nullptr;
    HWND ownerWindow = nullptr;
};
