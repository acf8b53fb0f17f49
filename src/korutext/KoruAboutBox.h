// KoruAboutBox: the hypertext label's modal information box ("About KoruText
// Control"): the product's name, library name and version beside two icons
// drawn in code, the maker's notice between two separator lines, and "OK".
#pragma once

#include <QDialog>
#include <QPixmap>

class KoruAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit KoruAboutBox(QWidget* parent = nullptr);

    // The control's icon (a yellow caption box with an underlined hot spot) and
    // the maker's icon.
    static QPixmap controlIcon();
    static QPixmap makerIcon();
};
