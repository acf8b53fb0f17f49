// The scatter diagram's X-count dialog.
#include "analysis/scatter/sanpuset.h"

sanpuset::sanpuset(MainContext& context, QWidget* parent)
    : VariableCountDialog(context, zel::WindowId::sanpuset, captionText(), optionTexts(),
                          {zel::WindowId::hensi2, zel::WindowId::hensi3}, parent) {}
