// The File menu's dataset commands: New (name, dimension and variable-name
// dialogs), Open (with delete), Save (in place or through the save dialog).
#pragma once

class MainContext;

namespace FileCommands {

void newDataset(MainContext& ctx);  // "新規作成(&N)...", toolbar button 0
void openDataset(MainContext& ctx); // "開く(&L)...", toolbar button 1
void saveDataset(MainContext& ctx); // "保存(&S)...", toolbar button 2

} // namespace FileCommands
