// titlef: the modal title dialog "タイトルの設定". Four rows (top, bottom, left,
// right) of a label, a text box and a "タイトルなし" check box, the orientation
// lists of the left and right titles, "変更" and "ｷｬﾝｾﾙ". "変更" stores the
// orientations and applies the titles to the current analysis's window.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class titlef : public ZelWindow {
    Q_OBJECT
  public:
    explicit titlef(MainContext& context, QWidget* parent = nullptr);

    QLineEdit* textBox(int row) const { return m_text[static_cast<std::size_t>(row)]; }
    QCheckBox* noTitleBox(int row) const { return m_check[static_cast<std::size_t>(row)]; }
    // 0 the left title's list, 1 the right title's.
    QComboBox* orientationList(int index) const { return m_combo[static_cast<std::size_t>(index)]; }

  private:
    void change();

    MainContext& m_context;
    std::array<QLabel*, 4> m_label{};
    std::array<QLineEdit*, 4> m_text{};
    std::array<QCheckBox*, 4> m_check{};
    std::array<QComboBox*, 2> m_combo{};
    QPushButton* m_change = nullptr;
    QPushButton* m_cancel = nullptr;
};
