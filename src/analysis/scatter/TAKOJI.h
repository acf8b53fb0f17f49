// TAKOJI: the modal degree dialog of the scatter window's fitted curve
// ("多項式の次数設定"). It shows the stored degree (a stored 0 becomes 2) in a
// spin box; "OK" stores the box's degree for the program's run and hands it to
// the drawing. There is no cancel button: the close box leaves this drawing
// at degree 2 and the stored degree as it was.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QSpinBox;

class TAKOJI : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("多項式の次数設定"); }
    static QString promptText() { return QStringLiteral("回帰曲線に使用する多項式の次数を設定します。"); }
    // The spin box's range.
    static constexpr int kMinDegree = 1;
    static constexpr int kMaxDegree = 10; // the chart's largest fit degree

    explicit TAKOJI(MainContext& context, QWidget* parent = nullptr);

    QSpinBox* degreeBox() const { return m_degree; }

    // Runs the dialog modally and returns the degree of this drawing: the
    // stored degree after "OK", 2 after the close box (or while another
    // degree dialog is up).
    static int ask(MainContext& context, QWidget* parent);

  private:
    void onOk();

    MainContext& m_context;
    QSpinBox* m_degree = nullptr;
};
