// toukei: the modal statistics-line dialog "統計情報". Four check boxes show
// the statistics-line switches of the variable graphs; "OK" stores them (they
// last for the whole run) and hands the window its new StatLines code.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>
#include <functional>

class MainContext;
class QCheckBox;

class toukei : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("統計情報"); }
    static QString frameText() { return QStringLiteral("統計情報の表示　"); }
    // Check1..Check4: mean, standard deviation, maximum and minimum, trend.
    static QStringList checkTexts() {
        return {QStringLiteral("平均値の表示"), QStringLiteral("標準偏差の表示"),
                QStringLiteral("最大値・最小値の表示"), QStringLiteral("データの傾きの表示")};
    }
    // Called on "OK" with the StatLines code of the new switches.
    using Apply = std::function<void(int)>;

    toukei(MainContext& context, Apply apply, QWidget* parent = nullptr);

    QCheckBox* check(int i) const { return m_checks.at(static_cast<std::size_t>(i)); }

  private:
    void ok();

    MainContext& m_context;
    Apply m_apply;
    std::array<QCheckBox*, 4> m_checks{};
};
