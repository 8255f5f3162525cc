// Attaching the skin to a top-level window.
#include "app/resource_bytes.h"
#include "resources/resource_ids.h"
#include "skin/controls/framework.h"
#include "skin/core/paint_routines.h"
#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {

CaptionButton MakeCaptionButton(std::int32_t kind, std::int32_t width, int imageId, const char* tooltip) {
    CaptionButton b;
    b.kind = kind;
    b.width = width;
    b.height = 18;
    b.image = LoadResourceBytes(imageId);
    b.tooltipText = tooltip;
    return b;
}

}  // namespace

void SkinEngine::SkinWindow(HWND window, OptInt captionHeight, OptInt hasCaption, OptInt resizable,
                            OptInt helpButton, OptInt menuButton, OptInt showTitle, OptInt captionGloss,
                            OptInt statusBarHeight, const std::optional<OneBasedList<StatusBarItem>>& items,
                            const ByteSet& windowImage, OptInt mode) {
    if (!window || FindSkinnedWindow(window) >= 1) return;  // one record per window
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);
    resizeBorder = 3;

    SkinnedWindow record;
    record.hwnd = window;
    record.captionHeight = std::max(captionHeight.value_or(0), 25);
    record.showHelpButton = helpButton.value_or(0);
    record.showMenuButton = menuButton.value_or(0);
    record.showMinimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    record.showMaximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    record.hasCaption = hasCaption.value_or(1);
    record.showCloseButton = 1;
    record.resizable = resizable.value_or(1);
    record.showTitle = showTitle.value_or(1);
    record.captionGloss = captionGloss.value_or(0);
    record.ownMode = mode.value_or(BackgroundMode);
    record.minTrackWidth = 200;
    record.minTrackHeight = 150;
    record.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
    if (!windowImage.empty()) {
        record.ownColour = ImageAverageColour(windowImage, 2000);
        if (record.ownMode == 0) record.ownImage = ImageEdgeBlend(windowImage, std::nullopt, record.ownColour);
        else if (record.ownMode == 1) record.ownImage = ImageEdgeBlend(windowImage, std::nullopt, record.ownColour, 0);
        else record.ownImage = windowImage;
    }
    record.titleColour = 0xFFFFFF;
    record.titleShadowColour = 0x808080;
    record.titleFontFace = "宋体";
    record.titleFontSize = 12;
    record.titleFontStyle = 1;

    record.CaptionButtons.Clear();
    std::int32_t widths = 0;
    auto add = [&](CaptionButton b) {
        widths += b.width;
        record.CaptionButtons.Append(std::move(b));
    };
    if (record.showHelpButton) add(MakeCaptionButton(kHelpButton, 26, IDR_CAPTION_HELP_PNG, "帮助"));
    if (record.showMenuButton) add(MakeCaptionButton(kMenuButton, 26, IDR_CAPTION_MENU_PNG, "主菜单"));
    if (record.showMinimizeButton) add(MakeCaptionButton(kMinimizeButton, 26, IDR_CAPTION_MINIMIZE_PNG, "最小化"));
    if (record.showMaximizeButton) {
        CaptionButton b = MakeCaptionButton(kMaximizeButton, 26, IDR_CAPTION_MAXIMIZE_PNG, "最大化");
        b.altImage = LoadResourceBytes(IDR_CAPTION_RESTORE_PNG);
        add(std::move(b));
    }
    add(MakeCaptionButton(kCloseButton, 38, IDR_CAPTION_CLOSE_PNG, "关闭"));
    const std::int32_t count = record.CaptionButtons.Count();
    record.buttonStripWidth = widths + (count - 1) + 3;
    record.buttonStripHeight = 22;
    record.buttonStripLeft = client.right - resizeBorder - record.buttonStripWidth - 2;
    record.buttonStripTop = 0;

    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);

    const std::int32_t index = AddSkinnedWindow(record);
    SkinnedWindow& w = SkinRegistry[index];
    w.tooltip.Create(window, false);
    for (std::int32_t i = 1; i <= w.CaptionButtons.Count(); ++i) {
        const CaptionButton& b = w.CaptionButtons[i];
        const RECT tool{static_cast<LONG>(b.x), static_cast<LONG>(b.y), static_cast<LONG>(b.x + b.w),
                        static_cast<LONG>(b.y + b.h)};
        w.tooltip.AddTool(tool, b.tooltipText, i);
        w.tooltipCount = i;
    }
    LayoutCaption(index);
    if (statusBarHeight.value_or(0) >= 1) {
        SetStatusBar(index, *statusBarHeight, items ? *items : OneBasedList<StatusBarItem>{}, items.has_value());
        SkinnedWindow& bar = SkinRegistry[index];
        bar.statusGlowTextColour = 0;
        bar.statusGlowColour = 0xFFFFFF;
        bar.statusFontFace = "宋体";
        bar.statusFontSize = 12;
    }
    LayoutStatusBar(index);
    SkinChildControls(index, window);
    SkinnedWindow& done = SkinRegistry[index];
    done.backgroundDirty = 1;
    done.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(windowProcEntry)));
    SetIntProp(window, "Hw_hProc", reinterpret_cast<std::intptr_t>(done.previousProc));
    SetIntProp(window, "Hw_lbID", index);
}
