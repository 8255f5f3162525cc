// A program that uses the skin can turn any button of a skinned window into
// a picture button: an image button (a picture with its caption) or a toggle
// image button (own pictures for the hot, pressed and disabled states). The
// button joins the window's Buttons list, becomes owner-drawn and shares the
// button family's window procedure; calling again replaces its pictures.
#include <optional>
#include <string>

#include "skin/controls/buttons.h"
#include "skin/core/skin_engine.h"

namespace {

constexpr LONG kOwnerDrawBits = 0x0B;  // BS_OWNERDRAW
constexpr UINT_PTR kToolId = 1;

struct PictureSet {
    std::int32_t kind = kImageButton;
    const ByteSet* normal = nullptr;
    const ByteSet* hot = nullptr;
    const ByteSet* pressed = nullptr;
    const ByteSet* disabled = nullptr;
    std::optional<std::int32_t> imageBesideText;
};


std::int32_t RegisterPictureButton(HWND button, const PictureSet& pictures, const std::string& tooltipText) {
    const std::int32_t windowIndex = FindSkinnedAncestor(button);
    SkinnedWindow* window = SkinnedWindowAt(windowIndex);
    if (!window) return 0;

    std::int32_t position = FindButtonRecord(windowIndex, button);
    const bool known = position != 0;
    if (!known) position = window->Buttons.Register([](const ButtonRecord& r) { return r.hwnd == nullptr; });
    ButtonRecord& record = window->Buttons[position];

    record.hwnd = button;
    record.kind = pictures.kind;
    if (pictures.normal) record.normalImage = *pictures.normal;
    if (pictures.hot) record.hotImage = *pictures.hot;
    if (pictures.pressed) record.pressedImage = *pictures.pressed;
    if (pictures.disabled) record.disabledImage = *pictures.disabled;
    if (pictures.imageBesideText) record.imageBesideText = *pictures.imageBesideText;
    record.text = WindowText(button);
    if (record.fontFace.empty()) {
        // A button the skin had not taken yet: its caption uses its own font.
        const ControlFont font = PushButtonFont(ReadControlFont(button));
        record.fontFace = font.face;
        record.fontSize = font.size;
        record.fontStyle = font.style;
    }

    if (!tooltipText.empty()) {
        if (record.tooltip.GetHwnd()) {
            record.tooltip.UpdateTipText(kToolId, tooltipText);
        } else {
            RECT client{};
            GetClientRect(button, &client);
            record.tooltip.Create(button, false);
            record.tooltip.AddTool(client, tooltipText, kToolId);
        }
    }

    SetWindowLongA(button, GWL_STYLE, GetWindowLongA(button, GWL_STYLE) | kOwnerDrawBits);
    // Its look has changed; a button already skinned keeps its procedure.
    InvalidateRect(button, nullptr, TRUE);
    if (known) return 1;

    SetIntProp(button, "Hw_FuID", windowIndex);
    SetIntProp(button, "Hw_lbID", position);
    record.previousProc =
        reinterpret_cast<WNDPROC>(SetWindowLongA(button, GWL_WNDPROC, reinterpret_cast<LONG>(ButtonWndProc)));
    // Every message the button procedure does not consume goes here.
    SetIntProp(button, "Hw_hProc", reinterpret_cast<std::intptr_t>(record.previousProc));
    return 1;
}

}  // namespace

std::int32_t SkinEngine::MakeImageButton(HWND button, const ByteSet& image, std::int32_t option,
                                         const std::string& tooltipText) {
    PictureSet pictures;
    pictures.kind = kImageButton;
    pictures.normal = &image;
    pictures.imageBesideText = option;
    return RegisterPictureButton(button, pictures, tooltipText);
}

std::int32_t SkinEngine::MakeToggleImageButton(HWND button, const ByteSet& normal, const ByteSet& hot,
                                               const ByteSet& pressed, const ByteSet& disabled,
                                               const std::string& tooltipText) {
    PictureSet pictures;
    pictures.kind = kToggleImageButton;
    pictures.normal = &normal;
    pictures.hot = &hot;
    pictures.pressed = &pressed;
    pictures.disabled = &disabled;
    return RegisterPictureButton(button, pictures, tooltipText);
}
