// The dialogs that change the dataset's structure, names, masks and labels and
// rewrite its files at once.
#pragma once

class MainContext;

namespace EditCommands {

void insertRows(MainContext& ctx);      // `gyousou`, modal
void deleteRows(MainContext& ctx);      // `gyoudel`, modal
void insertColumns(MainContext& ctx);   // `retusou`, modal
void deleteColumns(MainContext& ctx);   // `retudel`, modal
void renameVariables(MainContext& ctx); // `henhenf`, modeless
void maskData(MainContext& ctx);        // `masukuf`, modeless
// `parekos`, modeless. fromOptionMenu sets the data-label flag to 1 first.
void dataLabels(MainContext& ctx, bool fromOptionMenu);

} // namespace EditCommands
