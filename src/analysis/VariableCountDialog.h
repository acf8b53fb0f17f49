// The kind dialogs of the analyses that take one, two or three variables
// (hensuup, hensuub) or one or two X variables (sanpuset): exclusive options,
// each leading to a variable dialog, an option needing more variables than the
// dataset has disabled; "OK" opens the chosen option's dialog and closes.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QStringList>

#include <vector>

class MainContext;
class QRadioButton;

class VariableCountDialog : public ZelWindow {
    Q_OBJECT
  public:
    // Option1, Option2 ... (0-based).
    QRadioButton* option(int i) const { return m_options.at(static_cast<std::size_t>(i)); }

  protected:
    // The one-, two- and three-variable dialogs, option by option.
    static std::vector<zel::WindowId> oneToThreeVariables() {
        return {zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3};
    }

    // options: the option texts; dialogs: the variable dialog each option opens
    // (hensi1, hensi2 or hensi3), as many as options.
    VariableCountDialog(MainContext& context, zel::WindowId window, const QString& caption,
                        const QStringList& options, std::vector<zel::WindowId> dialogs, QWidget* parent);

  private:
    void onOk();

    MainContext& m_context;
    std::vector<QRadioButton*> m_options;
    std::vector<zel::WindowId> m_dialogs;
};
