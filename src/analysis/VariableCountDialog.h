// The kind dialogs of the analyses that take one, two or three variables
// (hensuup, hensuub): three exclusive options, an option needing more variables
// than the dataset has disabled; "OK" opens hensi1, hensi2 or hensi3 and closes.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QStringList>

#include <array>

class MainContext;
class QRadioButton;

class VariableCountDialog : public ZelWindow {
    Q_OBJECT
  public:
    // Option1..Option3.
    QRadioButton* option(int i) const { return m_options.at(static_cast<std::size_t>(i)); }

  protected:
    // options: the texts of the one-, two- and three-variable options.
    VariableCountDialog(MainContext& context, zel::WindowId window, const QString& caption,
                        const QStringList& options, QWidget* parent);

  private:
    void onOk();

    MainContext& m_context;
    std::array<QRadioButton*, 3> m_options{};
};
