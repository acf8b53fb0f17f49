// gantol: the project name window of the Gantt chart (modeless). One row per
// sample, masked ones included (yellow), holding its data label. OK stores the
// typed names as the samples' labels, rewrites the names file at once, builds
// the Analysis set from every variable and opens the chart window gantog;
// "ｷｬﾝｾﾙ" closes it with nothing stored.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class gantol : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ガントチャート"); }
    static QString promptText() { return QStringLiteral("プロジェクトの名前を入力して下さい。"); }
    static QString cornerText() { return QStringLiteral("no."); }
    static QString headingText() { return QStringLiteral("データ名"); }

    explicit gantol(MainContext& context, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void onOk();

    MainContext& m_context;
    DataGrid* m_grid = nullptr;
    int m_samples = 0; // N when the window opened
};

ZelWindow* openGantol(MainContext& context);
