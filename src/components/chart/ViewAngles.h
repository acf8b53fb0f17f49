// The 3-D view angles of a chart, with the defaults every chart, the view
// dialog and the settings store start from.
#pragma once

namespace zel {

// The 3-D view angles in degrees.
struct ViewAngles {
    int rotation = 15;    // -90..90
    int perspective = 30; // 0..100 (0 parallel)
    int elevation = 0;    // -30..60
};

} // namespace zel
