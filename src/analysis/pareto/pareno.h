// pareno: the modal item count dialog "パレート図". A spin box from 2 to the
// item count n (starting at n) with two lines saying how many items are kept
// and how many go into "その他"; "OK" folds the tail and opens the variable
// graph window oresen with the chart kind "パレート図".
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QLabel;
class QSpinBox;

class pareno : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("パレート図"); }
    static QString promptText() { return QStringLiteral("パレート図に使用する項目数･･･"); }
    // The two lines for N kept of n items.
    static QString keptText(int kept);
    static QString restText(int rest);

    explicit pareno(MainContext& context, QWidget* parent = nullptr);

    QSpinBox* spin() const { return m_spin; }

  private:
    void showCounts(int kept);
    void ok();

    MainContext& m_context;
    int m_items; // n when the dialog opened
    QSpinBox* m_spin = nullptr;
    QLabel* m_kept = nullptr;
    QLabel* m_rest = nullptr;
};

// Runs pareno modally over the table window; returns null once it has closed.
ZelWindow* openPareno(MainContext& context);
