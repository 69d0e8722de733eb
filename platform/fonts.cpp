#include "platform/fonts.h"

#include <array>
#include <cmath>
#include <utility>

namespace platform {

QString substitute_family(std::string_view design_name) {
    static constexpr std::array<std::pair<std::string_view, const char*>, 6> kSubstitutes = {{
        {"HG丸ｺﾞｼｯｸM-PRO", "MotoyaLMaru"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"メイリオ", "IPAPGothic"},
        {"Times New Roman", "Liberation Serif"},
        {"Century", "C059"},
    }};
    for (const auto& [name, family] : kSubstitutes)
        if (name == design_name) return QString::fromLatin1(family);
    return QString::fromUtf8(design_name.data(), static_cast<qsizetype>(design_name.size()));
}

QFont design_font(std::string_view design_name, double points, bool bold, bool italic) {
    QFont font(substitute_family(design_name));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace platform
