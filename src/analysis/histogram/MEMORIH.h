// MEMORIH: the modal scale dialog "目盛の変更". It shows an upper and a lower
// value axis limit; "変更" hands the typed limits to the window it was opened
// from, which fixes its value axis to them and draws.
#pragma once

#include "windowkit/ZelWindow.h"

#include <functional>

class MainContext;
class QLineEdit;

class MEMORIH : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("目盛の変更"); }
    // The fields' number pattern.
    static constexpr const char* kPattern = "#######0.00";

    struct Range {
        double upper = 0.0;
        double lower = 0.0;
    };
    using Change = std::function<void(Range)>;

    MEMORIH(MainContext& context, Range shown, Change change, QWidget* parent = nullptr);

  private:
    void change();

    Change m_change;
    QLineEdit* m_upper = nullptr;
    QLineEdit* m_lower = nullptr;
};
