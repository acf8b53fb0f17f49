// ketten: the variable dialog of the defect-count analysis. "OK" computes the
// mean count and the control lines and opens the chart window kanri1.
#pragma once

#include "windowkit/MainContext.h"
#include "windowkit/ZelWindow.h"

class MainContext;
class QComboBox;

class ketten : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString promptText() { return QStringLiteral("解析に使用する変数を指定してください。"); }
    static QString messageTitle() { return QStringLiteral("変数の指定"); }
    static QString analysisText() { return analysisListName(zel::AnalysisId::DefectCount); }

    explicit ketten(MainContext& context, QWidget* parent = nullptr);

    QComboBox* variableList() const { return m_combo; }

  private:
    void onOk();

    MainContext& m_context;
    QComboBox* m_combo = nullptr;
};
