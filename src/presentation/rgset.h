// rgset: the modeless 3-D view dialog "立体グラフの設定". A preview chart with the
// chart component's sample data, the kind list, scroll bars for rotation,
// perspective and elevation, "保存", "ｷｬﾝｾﾙ" and "デフォルト". "保存" makes the
// preview's angles the shared ones, stores them in section "graph3d" and redraws
// the current analysis's chart(s) with them.
#pragma once

#include "windowkit/ZelWindow.h"

class ChartView;
class MainContext;
class QComboBox;
class QScrollBar;

class rgset : public ZelWindow {
    Q_OBJECT
  public:
    explicit rgset(MainContext& context, QWidget* parent = nullptr);

    ChartView* preview() const { return m_preview; }

  private:
    void chooseKind(int index);
    void setDefaults();
    void save();

    MainContext& m_context;
    ChartView* m_preview = nullptr;
    QComboBox* m_kind = nullptr;
    QScrollBar* m_rotation = nullptr;
    QScrollBar* m_perspective = nullptr;
    QScrollBar* m_elevation = nullptr;
};

namespace ViewSettings {
// Opens the 3-D view dialog, or brings the open one forward unchanged (the main
// window's "３Ｄグラフの視点設定" and every graph window's 3-D item).
void open(MainContext& context);
} // namespace ViewSettings
