// The data-printing window `inmode` ("印刷(&P)...", toolbar button 3).
#pragma once

class MainContext;

namespace DataPrintCommand {

void open(MainContext& ctx);

} // namespace DataPrintCommand
