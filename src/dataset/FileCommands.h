// The File menu's dataset commands: New (name, dimension and variable-name
// dialogs), Open (with delete), Save (in place or through the save dialog).
#pragma once

#include <QString>

#include <string>

class MainContext;
class QWidget;

namespace FileCommands {

void newDataset(MainContext& ctx);  // "新規作成(&N)...", toolbar button 0
void openDataset(MainContext& ctx); // "開く(&L)...", toolbar button 1
void saveDataset(MainContext& ctx); // "保存(&S)...", toolbar button 2

// Reads the dataset at base (its path without the ending) into the sheet as
// the open dialog's OK does: the folder becomes current, the name shows, the
// sheet reads the names and values files. fileName is the name the save
// dialog offers; drive and folder are kept once the read succeeds. A failed
// read keeps what was read and says so in a box over boxParent; false then.
bool openFiles(MainContext& ctx, const QString& base, const std::string& fileName, const std::string& drive,
               const std::string& folder, QWidget* boxParent);

// The unsaved question of New and Open. False when the user chose Cancel;
// otherwise the unsaved flag is now 0.
bool askUnsaved(MainContext& ctx);

// After the new dataset's name was accepted: the dimension dialog, then the
// variable-name dialog, both modal. Closing either without OK leaves the
// dataset's content as it was; its name stays the new one.
void defineNewDataset(MainContext& ctx);

} // namespace FileCommands
