// hensuup: the histogram kind dialog ("ヒストグラム"). Three exclusive options
// choose one, two or three variables; an option needing more variables than the
// dataset has is disabled. "OK" opens hensi1, hensi2 or hensi3 and closes.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QRadioButton;

class hensuup : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ヒストグラム"); }
    // The options, in order: one, two and three variables.
    static QStringList optionTexts() {
        return {QStringLiteral("ヒストグラム"), QStringLiteral("２変数ヒストグラム"),
                QStringLiteral("３変数ヒストグラム")};
    }

    explicit hensuup(MainContext& context, QWidget* parent = nullptr);

    // Option1..Option3.
    QRadioButton* option(int i) const { return m_options.at(static_cast<std::size_t>(i)); }

  private:
    void onOk();

    MainContext& m_context;
    std::array<QRadioButton*, 3> m_options{};
};
