// saveform: the save dialog ("ファイルの保存"). Its OK writes the dataset under
// the chosen name, after asking before replacing an existing dataset.
#pragma once

#include "dataset/FileDialogBase.h"

class saveform : public FileDialogBase {
    Q_OBJECT
  public:
    explicit saveform(MainContext& ctx, QWidget* parent = nullptr);

  protected:
    void onOk() override;
    bool focusSheetOnCancel() const override { return true; }
};
