// pareko: the Pareto table window "パレート図". It ranks the items of the
// Analysis set, largest first, with their percents and cumulative percents,
// and hands the ranked items on; "OK" asks for the item count (pareno, modal)
// and closes once that dialog has closed.
#pragma once

#include "presentation/ResultTableWindow.h"

class MainContext;
class ZelWindow;

class pareko : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("パレート図"); }

    explicit pareko(MainContext& context, QWidget* parent = nullptr);

  protected:
    void ok() override;
};

// Opens pareko (modeless; an open one comes forward).
ZelWindow* openPareko(MainContext& context);
