# dataset: the dataset, its files and CSV, its edits, and the sheet, file, edit
# and print commands with their dialogs.

# zelcore (no Qt).
zel_sources(zelcore
  src/dataset/Dataset.h src/dataset/Dataset.cpp
  src/dataset/DatasetFile.h src/dataset/DatasetFile.cpp
  src/dataset/StartupPath.h src/dataset/StartupPath.cpp
  src/dataset/SheetTable.h src/dataset/SheetTable.cpp
  src/dataset/CsvFile.h src/dataset/CsvFile.cpp
  src/dataset/XlsxWriter.h src/dataset/XlsxWriter.cpp
  src/dataset/SafeFile.h src/dataset/SafeFile.cpp
  src/dataset/Convert.h src/dataset/Convert.cpp
  src/dataset/DatasetEdit.h src/dataset/DatasetEdit.cpp
  src/dataset/FileDialogRules.h src/dataset/FileDialogRules.cpp
  # The recovery file of unsaved work.
  src/dataset/RecoveryFile.h src/dataset/RecoveryFile.cpp
)

# zelui (Qt).
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/dataset/DataSheet.h src/dataset/DataSheet.cpp
    src/dataset/nymode.h src/dataset/nymode.cpp
    src/dataset/FileCommands.h src/dataset/FileCommands.cpp
    src/dataset/FileDialogBase.h src/dataset/FileDialogBase.cpp
    src/dataset/sinkform.h src/dataset/sinkform.cpp
    src/dataset/saveform.h src/dataset/saveform.cpp
    src/dataset/LoadForm.h src/dataset/LoadForm.cpp
    src/dataset/tydata.h src/dataset/tydata.cpp
    src/dataset/rot.h src/dataset/rot.cpp
    src/dataset/EditCommands.h src/dataset/EditCommands.cpp
    src/dataset/InsertDialog.h src/dataset/InsertDialog.cpp
    src/dataset/gyousou.h src/dataset/gyousou.cpp
    src/dataset/gyoudel.h src/dataset/gyoudel.cpp
    src/dataset/retusou.h src/dataset/retusou.cpp
    src/dataset/retudel.h src/dataset/retudel.cpp
    src/dataset/henhenf.h src/dataset/henhenf.cpp
    src/dataset/masukuf.h src/dataset/masukuf.cpp
    src/dataset/parekos.h src/dataset/parekos.cpp
    src/dataset/DataPrintCommand.h src/dataset/DataPrintCommand.cpp
    src/dataset/inmode.h src/dataset/inmode.cpp
    # The spreadsheet import (with its preview) and export commands.
    src/dataset/ImportDialog.h src/dataset/ImportDialog.cpp
    src/dataset/SheetCommands.h src/dataset/SheetCommands.cpp
  )
endif()

# zelsheet (Qt Core and QuaZip, no widgets): the workbook reader.
zel_sources(zelsheet
  src/dataset/XlsxReader.h src/dataset/XlsxReader.cpp
  src/dataset/SheetFile.h src/dataset/SheetFile.cpp
)
