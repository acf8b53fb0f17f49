// The ten pictures of the main window's toolbar buttons, drawn in code so that
// they stay crisp at any size: new sheet, open folder, save, print, copy, paste,
// cut, chart, mask and help.
#pragma once

#include <QPixmap>

namespace ToolbarPictures {

inline constexpr int kCount = 10;

// Picture `index` (0..9) drawn on a transparent square of `size` pixels; a null
// pixmap for any other index.
QPixmap picture(int index, int size = 20);
// The same picture greyed out, for a disabled button.
QPixmap disabledPicture(int index, int size = 20);

} // namespace ToolbarPictures
