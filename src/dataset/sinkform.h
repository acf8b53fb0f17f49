// sinkform: the new-dataset name dialog ("ファイルの作成"). Its OK names the new
// dataset, asks before replacing an existing one, and goes on to the dimension
// and variable-name dialogs.
#pragma once

#include "dataset/FileDialogBase.h"

class sinkform : public FileDialogBase {
    Q_OBJECT
  public:
    explicit sinkform(MainContext& ctx, QWidget* parent = nullptr);

  protected:
    void onOk() override;
};
