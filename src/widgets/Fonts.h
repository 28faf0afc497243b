#pragma once

#include <QFont>

namespace kagiroi {

// The fixed-pitch Japanese font the grids are laid out in: ＭＳ ゴシック where it exists,
// otherwise a monospaced CJK font.
QFont GridFont(int pixelSize = 13);

}  // namespace kagiroi
