// The painters of the pie and 3-D families, one shared instance each.
#include "components/chart/ThreeDPainters.h"

#include "components/chart/PiePainter.h"
#include "components/chart/ThreeDAreaPainter.h"
#include "components/chart/ThreeDBarPainter.h"
#include "components/chart/ThreeDScatterPainter.h"

const ChartPainter& piePainter() {
    static const PiePainter painter(false);
    return painter;
}

const ChartPainter& pie3DPainter() {
    static const PiePainter painter(true);
    return painter;
}

const ChartPainter& bar3DPainter() {
    static const ThreeDBarPainter painter;
    return painter;
}

const ChartPainter& area3DPainter() {
    static const ThreeDAreaPainter painter;
    return painter;
}

const ChartPainter& scatter3DPainter() {
    static const ThreeDScatterPainter painter;
    return painter;
}
