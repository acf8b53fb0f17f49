// rsanpu: the three-dimensional scatter window "立体散布図". One chart of the
// Analysis set's Y (up), X (across) and Z (in depth) in one of three kinds; a
// click on a point shows its series, Y, X and Z in the panel.
#pragma once

#include "analysis/scatter/Scatter3DFill.h"
#include "presentation/GraphWindow.h"

class QComboBox;
class QLineEdit;

class rsanpu : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("立体散布図"); }
    static QString seriesLabelText() { return QStringLiteral("変数ナンバー"); }
    static QString yLabelText() { return QStringLiteral("データ値（Ｙ）"); }
    static QString xLabelText() { return QStringLiteral("データ値（Ｘ）"); }
    static QString zLabelText() { return QStringLiteral("データ値（Ｚ）"); }
    static QString kindLabelText() { return QStringLiteral("グラフ種類"); }
    // This window's title item ends in "..." (the dialog it opens is modal).
    static QString titlesMenuText() { return QStringLiteral("タイトルの設定(&T)..."); }
    // A set the chart cannot show (no point, or fewer than three variables).
    static QString cannotDrawText() { return QStringLiteral("グラフを作成できません。"); }

    explicit rsanpu(MainContext& context, QWidget* parent = nullptr);

    QComboBox* kindList() const { return m_kinds; }
    // The kind the list names now.
    zel::Scatter3DKind kind() const;
    // A click on a point, as the chart reports it.
    void onHit(int series, int point);

    zel::TitleContext titleContext() const override;


    // A point is a sample (its value of each series).
    zel::PointSamples pointSamples(int index) const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;

  private:
    QComboBox* m_kinds = nullptr;
    QLineEdit* m_series = nullptr;
    QLineEdit* m_y = nullptr;
    QLineEdit* m_x = nullptr;
    QLineEdit* m_z = nullptr;
    bool m_refusalShown = false;
};

ZelWindow* openRsanpu(MainContext& context);
