#include "skin/core/skin_font.h"

#include <map>

namespace {

// Faces tried, in order, when the requested one is missing: the Chinese UI
// faces first (they carry the glyphs of the skin's texts), then faces every
// Windows (and Wine) installation has.
constexpr const char* kFallbackFaces[] = {"宋体", "SimSun", "NSimSun", "Microsoft YaHei", "SimHei",
                                         "Segoe UI", "Tahoma", "Arial"};

bool FaceExists(const std::string& face) {
    if (face.empty()) return false;
    FontFamily family;
    const FontCollection installed;  // no collection: the installed fonts
    const bool found = family.CreateFontFamilyFromName(face, installed);
    if (found) family.DeleteFontFamily();
    return found;
}

}  // namespace

std::string ResolveFontFace(const std::string& face) {
    // Installed fonts do not change while the skin runs; remember each answer
    // so a repaint does not search the font list again. An empty result means
    // the generic sans-serif family.
    static std::map<std::string, std::string> resolved;
    if (auto it = resolved.find(face); it != resolved.end()) return it->second;
    std::string chosen;
    if (FaceExists(face)) {
        chosen = face;
    } else {
        for (const char* candidate : kFallbackFaces) {
            if (FaceExists(candidate)) {
                chosen = candidate;
                break;
            }
        }
    }
    resolved.emplace(face, chosen);
    return chosen;
}

bool CreateSkinFont(Font& font, const std::string& face, float size, std::int32_t style, std::int32_t unit) {
    const std::string chosen = ResolveFontFace(face);
    FontFamily family;
    const FontCollection installed;
    const bool haveFamily = chosen.empty() ? family.GetGenericFontFamilySansSerif()
                                           : family.CreateFontFamilyFromName(chosen, installed);
    if (!haveFamily && !family.GetGenericFontFamilySansSerif()) return false;
    bool made = font.CreateFont(family, size, style, unit);
    if (!made && style != 0) made = font.CreateFont(family, size, 0, unit);  // face without that style
    family.DeleteFontFamily();
    return made;
}
