#include "app/decorate.h"

#include <vector>

#include "app/caption.h"
#include "app/resource_bytes.h"
#include "resources/resource_ids.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {

// The component kinds that are given translucency, as the window's children
// show them. Drawing panels and shape boxes have no standard window class;
// this window creates none.
enum class ComponentKind { GroupBox, Label, PictureBox, DrawingPanel, TabControl, ShapeBox, Other };

ComponentKind KindOf(HWND child) {
    char cls[256] = {};
    GetClassNameA(child, cls, sizeof cls);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(cls, "Button") == 0) return (style & 0xF) == BS_GROUPBOX ? ComponentKind::GroupBox : ComponentKind::Other;
    if (lstrcmpiA(cls, "SysTabControl32") == 0) return ComponentKind::TabControl;
    if (lstrcmpiA(cls, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        const bool picture = type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE;
        return picture ? ComponentKind::PictureBox : ComponentKind::Label;
    }
    return ComponentKind::Other;
}

std::vector<HWND> ChildrenOfKind(HWND window, ComponentKind kind) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr))
        if (KindOf(child) == kind) found.push_back(child);
    return found;
}

constexpr std::int32_t kComponentAlpha = 50;

}  // namespace

void DecorateMainWindow(HWND window) {
    if (Skin) {
        Skin->SetBackground("", LoadResourceBytes(IDR_BACKGROUND_JPG), std::nullopt, std::nullopt, 3);
        Skin->SetControlOptions(1, 50, std::nullopt);
        Skin->SkinWindow(window, std::nullopt, 1, 0, 0, 0, 1, 0, std::nullopt, OneBasedList<StatusBarItem>{},
                         ByteSet{}, std::nullopt);
        const ComponentKind order[] = {ComponentKind::GroupBox,     ComponentKind::Label,
                                       ComponentKind::PictureBox,   ComponentKind::DrawingPanel,
                                       ComponentKind::TabControl,   ComponentKind::ShapeBox};
        for (ComponentKind kind : order) {
            for (HWND component : ChildrenOfKind(window, kind)) {
                if (kind == ComponentKind::GroupBox || kind == ComponentKind::TabControl)
                    Skin->MakeContainerTranslucent(component, std::nullopt, std::nullopt, kComponentAlpha, std::nullopt);
                else
                    Skin->MakeComponentTranslucent(component, std::nullopt, std::nullopt, kComponentAlpha);
            }
        }
    }
    // Set after the skin is attached, so the skinned caption paints it.
    SetWindowTextA(window, DescrambleCaption(StoredCaption, "").c_str());
}
