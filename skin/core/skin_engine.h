#pragma once
// The skin object. Its 42 operations are virtual and declared in slot order,
// so a program that holds the object can reach any operation by its slot
// number (see CallSlot). Do not add a virtual destructor or reorder: either
// would shift every slot.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "skin/core/records.h"

using Handler = void (*)();
using OptInt = std::optional<std::int32_t>;
using OptColour = std::optional<COLORREF>;
using OptText = std::optional<std::string>;
using OptBytes = std::optional<ByteSet>;

class SkinEngine final {
public:
    static SkinEngine* Create();

    // slots 0 to 4
    virtual void Destroy();
    virtual SkinEngine* Copy();
    virtual LRESULT SkinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void ClickCaptionButton(std::int32_t windowIndex, std::int32_t button);
    virtual void SkinWindow(HWND window, OptInt captionHeight, OptInt hasCaption, OptInt resizable,
                            OptInt helpButton, OptInt menuButton, OptInt showTitle, OptInt captionGloss,
                            OptInt statusBarHeight, const std::optional<OneBasedList<StatusBarItem>>& items,
                            const ByteSet& windowImage, OptInt mode);
    // slots 5 to 41
    virtual std::int32_t AddCaptionButton(HWND window, const ByteSet& image, const std::string& tooltipText, Handler handler);
    virtual std::int32_t SetTitleOptions(HWND window, OptText face, OptInt size, OptColour colour, OptColour haloColour,
                                 OptInt style);
    virtual std::int32_t SetWindowBackground(HWND window, const ByteSet& image, OptInt mode);
    virtual void SetBackground(const std::string& fileName, const ByteSet& image, OptColour backgroundColour,
                               OptColour themeColour, OptInt mode);
    virtual std::int32_t SetControlOptions(std::int32_t skinControls, OptInt controlAlpha, OptInt trackbarFrame);
    virtual void PaintWindow(std::int32_t position, std::optional<HDC> paintDc);
    virtual void PaintWindowFromBuffer(std::int32_t position, HDC dc);
    virtual void PaintBackground(Graphics& graphics, std::int32_t position);
    virtual void PaintFrame(std::int32_t position, Graphics& graphics);
    virtual void PaintCaptionSeparators(std::int32_t position, std::int32_t button, Graphics& graphics);
    virtual void RestoreCaptionArea(std::int32_t position, const RECT& rect);
    virtual void RestoreStatusArea(std::int32_t position, const RECT& rect);
    virtual void PaintCaptionButton(std::int32_t position, std::int32_t button, Graphics* graphics,
                                    bool graphicsGiven, std::int32_t pressed, OptInt alpha);
    virtual void PaintCaptionButtonGlow(Graphics& graphics, std::int32_t position, std::int32_t button,
                                        std::int32_t alpha);
    virtual void LayoutCaption(std::int32_t position);
    virtual std::int32_t HitTestCaptionButton(std::int32_t position, std::int32_t x, std::int32_t y);
    virtual std::int32_t FindMaximizeButton(std::int32_t position);
    virtual LRESULT CaptionMouseDown(std::int32_t position, LPARAM lParam, const RECT& client);
    virtual LRESULT CaptionMouseMove(std::int32_t position, LPARAM lParam, const RECT& client);
    virtual Handler SetHelpHandler(HWND window, Handler handler);
    virtual Handler SetMenuHandler(HWND window, Handler handler);
    virtual void RedrawCaptionText(std::int32_t position, Graphics* graphics, bool graphicsGiven, OptText text);
    virtual void SetStatusBar(std::int32_t position, std::int32_t height, const OneBasedList<StatusBarItem>& items,
                              bool itemsGiven);
    virtual void LayoutStatusBar(std::int32_t position);
    virtual void PaintStatusBarItem(std::int32_t position, Graphics* graphics, bool graphicsGiven, OptInt item);
    virtual std::int32_t SetStatusBarItem(HWND window, std::int32_t item, const std::string& text, OptBytes icon,
                                  OptColour colour);
    virtual std::int32_t SetStatusBarOptions(HWND window, OptInt inverse, OptInt glow, OptColour glowTextColour,
                                     OptColour glowColour, OptText face, OptInt size);
    virtual std::int32_t MakeImageButton(HWND button, const ByteSet& image, std::int32_t option,
                                         const std::string& tooltipText);
    virtual std::int32_t MakeToggleImageButton(HWND button, const ByteSet& normal, const ByteSet& hot,
                                               const ByteSet& pressed, const ByteSet& disabled,
                                               const std::string& tooltipText);
    virtual void MakeContainerTranslucent(HWND container, OptInt enabled, OptColour tintColour, OptInt tintAlpha,
                                          OptInt border);
    virtual void SetContainerAlpha(HWND container, std::int32_t alpha);
    virtual RECT GetCaptionButtonStrip(HWND window);
    virtual void MakeComponentTranslucent(HWND control, OptColour keyColour, OptColour tintColour, OptInt tintAlpha);
    virtual void ResizeChildren(std::int32_t position);
    virtual void SetControlTextColour(HWND control, COLORREF colour);
    virtual COLORREF GetBackgroundColour();
    virtual std::int32_t SetSystemButtonImages(HWND window, OptBytes minimize, OptBytes maximize, OptBytes restore,
                                       OptBytes close);

    std::int32_t resizeBorder = 0;
    std::int32_t pointerCaptionButton = 0;
    // The two system-callable entries: a window procedure and the two-argument
    // caption-button entry. Both call this object.
    WNDPROC windowProcEntry = nullptr;
    void(__stdcall* captionButtonEntry)(std::int32_t, std::int32_t) = nullptr;

private:
    SkinEngine() = default;
    ~SkinEngine() = default;
};

constexpr int kSkinSlotCount = 42;

// Calls operation number `slot` of the skin object through its table of
// virtual operations, as a program that only knows the slot order would.
// The argument types must be exactly those of the operation's declaration.
template <class R, class... Args>
R CallSlot(SkinEngine* engine, int slot, Args... args) {
    using Fn = R(__attribute__((thiscall)) *)(SkinEngine*, Args...);
    auto table = *reinterpret_cast<Fn* const*>(engine);
    return table[slot](engine, args...);
}
