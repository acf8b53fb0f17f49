// The hypertext label control: shows a short backslash-markup text with jump and
// popup hot spots, scrolls it by lines or grows to fit it, and reports pointer and
// keyboard activity on the hot spots as signals named after the control's events.
#pragma once

#include "common/Status.h"
#include "korutext/KoruLayout.h"
#include "korutext/KoruPropertySet.h"
#include "korutext/KoruText.h"
#include "korutext/QtTextMetrics.h"

#include <QByteArray>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QScrollBar;
class QTimer;

class CKoruTextCtrl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool DrawFocusRect READ drawFocusRect WRITE setDrawFocusRect)
    Q_PROPERTY(quint32 HeadingColor READ headingColor WRITE setHeadingColor)
    Q_PROPERTY(int HotspotColors READ hotspotColors WRITE setHotspotColors)
    Q_PROPERTY(quint32 JumpColor READ jumpColor WRITE setJumpColor)
    Q_PROPERTY(int JumpCursor READ jumpCursor WRITE setJumpCursor)
    Q_PROPERTY(int NormalCursor READ normalCursor WRITE setNormalCursor)
    Q_PROPERTY(int PopupCursor READ popupCursor WRITE setPopupCursor)
    Q_PROPERTY(quint32 PopupColor READ popupColor WRITE setPopupColor)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(QPixmap JumpIcon READ jumpIcon WRITE setJumpIcon)
    Q_PROPERTY(QPixmap NormalIcon READ normalIcon WRITE setNormalIcon)
    Q_PROPERTY(QPixmap PopupIcon READ popupIcon WRITE setPopupIcon)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ fontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontUnderline READ fontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool FontStrikethru READ fontStrikethru WRITE setFontStrikethru)
    Q_PROPERTY(float FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool HeadingBold READ headingBold WRITE setHeadingBold)
    Q_PROPERTY(bool HeadingItalic READ headingItalic WRITE setHeadingItalic)
    Q_PROPERTY(float HeadingSize READ headingSize WRITE setHeadingSize)
    Q_PROPERTY(QFont HeadingFont READ headingFont WRITE setHeadingFont)
    Q_PROPERTY(QString RawText READ rawText)
    Q_PROPERTY(int TabWidth READ tabWidth WRITE setTabWidth)
    Q_PROPERTY(bool UpdateWindow READ updateWindowValue WRITE setUpdateWindow)
    Q_PROPERTY(bool HeadingStrikethru READ headingStrikethru WRITE setHeadingStrikethru)
    Q_PROPERTY(bool HeadingUnderline READ headingUnderline WRITE setHeadingUnderline)
    Q_PROPERTY(bool ForceWrap READ forceWrap WRITE setForceWrap)
    Q_PROPERTY(QString ToolTip READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QString _Text READ text WRITE setText)
    Q_PROPERTY(QFont Font READ normalFont WRITE setNormalFont)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabledProperty)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(qulonglong hWnd READ hWnd)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)

  public:
    // Colour values: high bit clear = 24-bit colour (red lowest); high bit set = the
    // system colour whose index is in the low byte.
    static constexpr quint32 kSystemColour = 0x80000000u;
    static constexpr quint32 kWindowBackground = kSystemColour | 5u;
    static constexpr quint32 kWindowText = kSystemColour | 8u;
    static constexpr quint32 kGrayText = kSystemColour | 17u;
    // The standard "invalid property value" error number.
    static constexpr int kInvalidPropertyValue = 380;

    explicit CKoruTextCtrl(QWidget* parent = nullptr);
    ~CKoruTextCtrl() override;

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool drawFocusRect() const { return m_drawFocusRect; }
    void setDrawFocusRect(bool on);
    quint32 headingColor() const { return m_headingColor; }
    void setHeadingColor(quint32 c);
    int hotspotColors() const { return m_hotspotColors; }
    void setHotspotColors(int set);
    quint32 jumpColor() const { return m_jumpColor; }
    void setJumpColor(quint32 c);
    quint32 popupColor() const { return m_popupColor; }
    void setPopupColor(quint32 c);
    int jumpCursor() const { return m_cursorCode[0]; }
    void setJumpCursor(int code);
    int popupCursor() const { return m_cursorCode[1]; }
    void setPopupCursor(int code);
    int normalCursor() const { return m_cursorCode[2]; }
    void setNormalCursor(int code);
    QPixmap jumpIcon() const { return m_icon[0]; }
    void setJumpIcon(const QPixmap& p);
    QPixmap popupIcon() const { return m_icon[1]; }
    void setPopupIcon(const QPixmap& p);
    QPixmap normalIcon() const { return m_icon[2]; }
    void setNormalIcon(const QPixmap& p);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    QFont normalFont() const { return m_font; }
    void setNormalFont(const QFont& f);
    QFont headingFont() const { return m_headingFont; }
    void setHeadingFont(const QFont& f);
    QString fontName() const { return m_font.family(); }
    void setFontName(const QString& name);
    bool fontBold() const { return m_font.bold(); }
    void setFontBold(bool on);
    bool fontItalic() const { return m_font.italic(); }
    void setFontItalic(bool on);
    bool fontUnderline() const { return m_font.underline(); }
    void setFontUnderline(bool on);
    bool fontStrikethru() const { return m_font.strikeOut(); }
    void setFontStrikethru(bool on);
    float fontSize() const { return static_cast<float>(m_font.pointSizeF()); }
    void setFontSize(float points);
    bool headingBold() const { return m_headingFont.bold(); }
    void setHeadingBold(bool on);
    bool headingItalic() const { return m_headingFont.italic(); }
    void setHeadingItalic(bool on);
    bool headingUnderline() const { return m_headingFont.underline(); }
    void setHeadingUnderline(bool on);
    bool headingStrikethru() const { return m_headingFont.strikeOut(); }
    void setHeadingStrikethru(bool on);
    float headingSize() const { return static_cast<float>(m_headingFont.pointSizeF()); }
    void setHeadingSize(float points);

    QString rawText() const;
    int tabWidth() const { return m_tabWidth; }
    void setTabWidth(int width);
    // Write-only in use: writing paints at once; reading always gives false.
    bool updateWindowValue() const { return false; }
    void setUpdateWindow(bool);
    bool forceWrap() const { return m_forceWrap; }
    void setForceWrap(bool on);
    QString toolTipText() const { return m_toolTip; }
    void setToolTipText(const QString& tip);
    void setEnabledProperty(bool on);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    QString text() const;
    // The native window that shows the control (0 before it has one).
    qulonglong hWnd() const { return static_cast<qulonglong>(effectiveWinId()); }
    void setText(const QString& markup);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 c);
    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 c);

    // 0 after a property write that took effect, kInvalidPropertyValue after a
    // refused one (a colour that names none, a number outside its range).
    int lastError() const { return m_lastError; }

    // Whether a value names a valid colour.
    static bool isValidColour(quint32 c);
    // The displayed colour of a colour value.
    QColor resolveColour(quint32 c) const;

    // ---- stored property set --------------------------------------------------
    // The current values as a stored set (every value present).
    zel::koru::KoruPropertySet propertySet() const;
    QByteArray savePropertyStream() const;
    // Loads a set: a missing value takes its default, which for the thirteen
    // simple values comes from the defaults file where that has one; Text
    // defaults to hostName, ToolTip to empty, the fonts to the host's ambient
    // font, the pictures to none. Then lays out anew.
    void loadPropertySet(const zel::koru::KoruPropertySet& set, const QString& hostName = QString());
    // The name the host gave the instance when it loaded it: the built-in Text.
    QString hostName() const { return m_hostName; }
    // The same from a stream; a corrupt stream changes nothing and fails.
    zel::Status loadPropertyStream(const QByteArray& bytes, const QString& hostName = QString());
    // Every simple-typed value of the exchange, as "保存" writes it.
    zel::koru::KoruExchangeValues exchangeValues() const;

    // Shows the modal information box.
    Q_INVOKABLE void AboutBox();

    // The help directory (the registry file's HelpDirectory, else the folder of
    // the library) and the control's help file in it.
    static QString helpDirectory();
    static QString helpFile();
    // Instances alive in this process.
    static int instanceCount();

    // Interaction state, for the host and for tests.
    int focusedHotspot() const { return m_focused; }
    int hoveredHotspot() const { return m_hovered; }
    int scrollPosition() const { return m_scrollPos; }
    int scrollMaximum() const;
    bool scrollBarShown() const { return m_scrollBarShown; }
    bool layoutComplete() const { return m_layout.isComplete(); }
    const std::vector<zel::koru::Segment>& segments() const { return m_segments; }
    // Runs the rest of the layout now instead of in the background.
    void completeLayout();
    // Scrolls to a line (clamped to the range).
    void scrollToLine(int line);

  signals:
    void Jump(const QString& Key, const QString& HotspotText);
    void Popup(const QString& Key, const QString& HotspotText);
    void MouseOverNormal();
    void MouseOverJump(const QString& Key, const QString& HotspotText);
    void MouseOverPopup(const QString& Key, const QString& HotspotText);
    void Click();
    void DblClick();
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int Shift);
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseMove(int Button, int Shift, int X, int Y);
    void MouseUp(int Button, int Shift, int X, int Y);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    int border() const { return m_borderStyle == 1 ? 1 : 0; }
    QRect clientRect() const;
    zel::koru::LayoutOptions layoutOptions() const;
    zel::koru::Palette drawPalette() const;
    void setScrollBarShown(bool shown);
    void relayout();
    void repaintInPlace();
    void scheduleLayout();
    void layoutStep();
    void finishLayout();
    void changed();
    // A colour property: refused (the old value kept) unless valid.
    void setColour(quint32& member, quint32 c);
    bool refuse();
    // Whether a numeric property takes the value; refuses it when not.
    bool accepts(zel::koru::KoruNumber number, double value);
    void moveFocus(bool next);
    void fireHotspot(int n);
    void updatePointer(int hotspot);
    QCursor cursorFor(int which) const;
    void onLeaveTimer();
    void showToolTipAt(const QPoint& globalPos);
    void onScrollBar(int action);
    QPoint toClient(const QPoint& p) const;

    zel::koru::QtTextMetrics m_metrics;
    zel::koru::KoruText m_text;
    zel::koru::KoruLayout m_layout;

    bool m_autoSize = false;
    bool m_drawFocusRect = true;
    quint32 m_headingColor = kWindowText;
    int m_hotspotColors = 0;
    quint32 m_jumpColor = zel::koru::rgb(0, 128, 0);
    quint32 m_popupColor = zel::koru::rgb(0, 128, 0);
    int m_cursorCode[3] = {0, 0, 0}; // jump, popup, normal
    QPixmap m_icon[3];
    bool m_wordWrap = false;
    QFont m_font;
    QFont m_headingFont;
    int m_tabWidth = 8;
    bool m_forceWrap = false;
    QString m_toolTip;
    QString m_hostName;
    int m_borderStyle = 0;
    quint32 m_backColor = kWindowBackground;
    quint32 m_foreColor = kWindowText;
    int m_lastError = 0;

    int m_focused = -1;
    int m_hovered = -2;
    int m_scrollPos = 0;
    bool m_scrollBarShown = false;
    bool m_layoutPending = false;
    bool m_inLayout = false;
    std::vector<zel::koru::Segment> m_segments;
    QScrollBar* m_scrollBar = nullptr;
    QTimer* m_leaveTimer = nullptr;
};
