// PopupCaption: the one-line caption that pops up below the toolbar. The main
// window needs of it only its text, its left edge and its visibility; the
// widget that draws it is created by makePopupCaption(), so that exchanging the
// control behind it is a change in one place.
#pragma once

#include <QString>

#include <memory>

class QWidget;

class PopupCaption {
  public:
    virtual ~PopupCaption() = default;

    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    // Moves the left edge (pixels in the parent), keeping the top.
    virtual void moveLeft(int x) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
    // The widget itself (for placing and moving it with the layout).
    virtual QWidget* widget() = 0;
};

// The caption the main window uses, as a child of parent with objectName
// "Panel3D1", initially hidden with the text of two blanks.
std::unique_ptr<PopupCaption> makePopupCaption(QWidget* parent);
