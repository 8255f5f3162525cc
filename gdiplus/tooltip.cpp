#include "gdiplus/tooltip.h"

#include <commctrl.h>

HWND ToolTip::Create(HWND owner, std::optional<bool> balloon) {
    ownerWindow = owner;
    const DWORD style = TTS_ALWAYSTIP | (balloon.value_or(false) ? TTS_BALLOON : 0);
    tipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return tipWindow;
}

// Every tool message carries a fresh version-1 record (40 bytes): the owner
// and id name the tool, TTF_SUBCLASS lets the tooltip watch the owner's mouse
// messages itself.
void ToolTip::SendTool(UINT message, UINT_PTR id, const RECT* rect, const char* text) const {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = ownerWindow;
    tool.uId = id;
    if (rect) tool.rect = *rect;
    tool.hinst = nullptr;
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tipWindow, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::AddTool(const RECT& rect, const std::string& text, UINT_PTR id) {
    SendTool(TTM_ADDTOOLA, id, &rect, text.c_str());
}

void ToolTip::AddCallbackTool(const RECT& rect, UINT_PTR id) { SendTool(TTM_ADDTOOLA, id, &rect, LPSTR_TEXTCALLBACKA); }

LRESULT ToolTip::SetTipBkColor(COLORREF colour) { return SendMessageA(tipWindow, TTM_SETTIPBKCOLOR, colour, 0); }

LRESULT ToolTip::SetTipTextColor(COLORREF colour) { return SendMessageA(tipWindow, TTM_SETTIPTEXTCOLOR, colour, 0); }

LRESULT ToolTip::SetMaxTipWidth(int width) { return SendMessageA(tipWindow, TTM_SETMAXTIPWIDTH, 0, width); }

void ToolTip::DelTool(UINT_PTR id) { SendTool(TTM_DELTOOLA, id, nullptr, nullptr); }

void ToolTip::NewToolRect(UINT_PTR id, const RECT& rect) { SendTool(TTM_NEWTOOLRECTA, id, &rect, nullptr); }

void ToolTip::UpdateTipText(UINT_PTR id, const std::string& text) {
    SendTool(TTM_UPDATETIPTEXTA, id, nullptr, text.c_str());
}
