// bunform: the graph settings dialog of the histogram ("グラフの設定"). It shows
// the data's maximum and minimum, takes the upper and lower limit (Text1,
// Text2), the class count (spin box "ｸﾗｽ") and the class width (Text3), keeps
// them in step by the chosen option ("区間幅で調整" or "上限値で調整"), and on
// "OK" checks the limits against the data, counts the classes into the
// workspace's Class table, opens the frequency table dobun and closes.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/histogram/ClassSettings.h"
#include "windowkit/ZelWindow.h"

class MainContext;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class bunform : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QString::fromUtf8(zel::kClassSettingsTitle); }

    explicit bunform(MainContext& context, QWidget* parent = nullptr);

    QLabel* maxValue() const { return m_max; }
    QLabel* minValue() const { return m_min; }
    QLineEdit* upperBox() const { return m_upper; } // Text1
    QLineEdit* lowerBox() const { return m_lower; } // Text2
    QLineEdit* widthBox() const { return m_width; } // Text3
    QSpinBox* classSpin() const { return m_classes; }
    QRadioButton* widthOption() const { return m_byWidth; } // Option1
    QRadioButton* upperOption() const { return m_byUpper; } // Option2

    // The series the classes count: those of the Analysis set, or for the
    // stratified histogram one per stratum of the Stratified set, built into
    // strata.
    static const zel::AnalysisSet& countedSeries(MainContext& context, zel::AnalysisSet& strata);

  private:
    zel::ClassAdjust adjust() const;
    zel::ClassSettings fields() const;
    // A change of a field: the chosen option's rule, when the field is one it follows.
    void fieldChanged(QLineEdit* changed);
    void optionChosen();
    void onOk();

    MainContext& m_context;
    QLabel* m_max = nullptr;
    QLabel* m_min = nullptr;
    QLineEdit* m_upper = nullptr;
    QLineEdit* m_lower = nullptr;
    QLineEdit* m_width = nullptr;
    QSpinBox* m_classes = nullptr;
    QRadioButton* m_byWidth = nullptr;
    QRadioButton* m_byUpper = nullptr;
};
