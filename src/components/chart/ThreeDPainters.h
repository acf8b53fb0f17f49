// The painters of the pie and 3-D families. The renderer's dispatch table maps the chart
// types 1 (pie), 2 (3-D pie), 4 (3-D bar), 14 (3-D area) and 21 (3-D scatter) to these.
#pragma once

#include "components/chart/ChartPainter.h"

const ChartPainter& piePainter();
const ChartPainter& pie3DPainter();
const ChartPainter& bar3DPainter();
const ChartPainter& area3DPainter();
const ChartPainter& scatter3DPainter();
