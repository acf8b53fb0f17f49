// hensuub: the variable graph kind dialog ("変数別グラフ"). Three exclusive
// options choose one, two or three variables; an option needing more variables
// than the dataset has is disabled. "OK" opens hensi1, hensi2 or hensi3 and
// closes.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QRadioButton;

class hensuub : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("変数別グラフ"); }
    // The options, in order: one, two and three variables.
    static QStringList optionTexts() {
        return {QStringLiteral("１変数グラフ"), QStringLiteral("２変数グラフ"), QStringLiteral("３変数グラフ")};
    }

    explicit hensuub(MainContext& context, QWidget* parent = nullptr);

    // Option1..Option3.
    QRadioButton* option(int i) const { return m_options.at(static_cast<std::size_t>(i)); }

  private:
    void onOk();

    MainContext& m_context;
    std::array<QRadioButton*, 3> m_options{};
};
