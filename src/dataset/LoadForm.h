// LoadForm: the open dialog ("ファイルの呼出し"). Its OK (or a double-click on a
// file) reads the dataset into the sheet; "ファイルの削除" deletes a dataset's
// three files after asking.
#pragma once

#include "dataset/FileDialogBase.h"

class LoadForm : public FileDialogBase {
    Q_OBJECT
  public:
    explicit LoadForm(MainContext& ctx, QWidget* parent = nullptr);

  protected:
    void onOk() override;
    void onFileDoubleClicked() override { onOk(); }

  private:
    void deleteFiles();
};
