// InsertDialog: the frame shared by the insert-rows and insert-columns dialogs.
// The user gives how many to insert and where; OK inserts them, rebuilds the
// sheet and writes the dataset files at once.
#pragma once

#include "common/Status.h"
#include "windowkit/ZelWindow.h"

#include <functional>

class MainContext;
class QSpinBox;
namespace zel {
class Dataset;
}

class InsertDialog : public ZelWindow {
    Q_OBJECT
  public:
    struct Texts {
        const char* caption;
        const char* countLabel;
        const char* positionLabel;
        const char* lastLabel;
        const char* tooMany;  // the refusal when the count would pass 32767
        const char* lastName; // objectName of the label showing the last row or column
    };
    using Insert = std::function<zel::Status(zel::Dataset&, int count, int position)>;

    InsertDialog(const QString& name, const Texts& texts, int last, Insert insert, MainContext& ctx,
                 QWidget* parent);

  private:
    void onOk();

    MainContext& m_ctx;
    Texts m_texts;
    int m_last;
    Insert m_insert;
    QSpinBox* m_count;
    QSpinBox* m_position;
};
