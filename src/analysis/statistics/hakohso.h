// hakohso: the table window "層別統計量". Count, maximum, minimum, mean,
// variance, standard deviation and sum of each stratum of the Stratified set;
// "OK" opens the comparison graph hakohg with one figure per stratum.
#pragma once

#include "presentation/ResultTableWindow.h"

class MainContext;
class ZelWindow;

class hakohso : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("層別統計量"); }

    explicit hakohso(MainContext& context, QWidget* parent = nullptr);

  protected:
    // Opens hakohg and closes.
    void ok() override;
};

ZelWindow* openHakohso(MainContext& context);
