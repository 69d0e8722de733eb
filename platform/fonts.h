#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace platform {

// The installed family that stands in for a font of a Japanese Windows desktop (UTF-8 name as the window
// descriptions write it): HG丸ｺﾞｼｯｸM-PRO → Motoya L Maruberi, ＭＳ ゴシック → IPA Gothic, ＭＳ Ｐゴシック and
// メイリオ → IPA PGothic, Times New Roman → Liberation Serif, Century → C059 (a Century Schoolbook). Any
// other name is returned as it is.
QString substitute_family(std::string_view design_name);

// The font of that name at a point size of the original 96-dot-per-inch screen, held as a pixel size
// (12 points are 16 pixels) so that captions fill the same pixels whatever the display reports.
QFont design_font(std::string_view design_name, double points, bool bold = false, bool italic = false);

}  // namespace platform
