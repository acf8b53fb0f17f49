// tydata: the dimension dialog of a new dataset ("変数の設定"): the sample count
// as typed text and the variable count in a spin box. Modal.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QLineEdit;
class QSpinBox;

class tydata : public ZelWindow {
    Q_OBJECT
  public:
    // On OK the counts go into samples and variables and the dialog is accepted.
    tydata(MainContext& ctx, int& samples, int& variables, QWidget* parent = nullptr);

  private:
    void onOk();

    MainContext& m_ctx;
    int& m_samples;
    int& m_variables;
    QLineEdit* m_count;
    QSpinBox* m_spin;
};
