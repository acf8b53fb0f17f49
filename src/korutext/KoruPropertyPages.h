// The hypertext label's property pages: one dialog with the general, text, colour,
// font, picture and defaults pages, editing one or more controls at once.
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QString>

#include <map>

class CKoruTextCtrl;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class KoruPropertyPages : public QDialog {
    Q_OBJECT

  public:
    // Edits the given controls; the pages show the values of the first one.
    explicit KoruPropertyPages(const QList<CKoruTextCtrl*>& controls, QWidget* parent = nullptr);

    // The cursor lists: the entry at a position stores the code of that position,
    // except the last entry (position 24), which stores 99. -1: no entry.
    static int cursorCodeAt(int position);
    static int cursorPositionOf(int code);

    // The help of a page: the name of its help file in the control's help
    // directory, the topic's context and the caption. Pages without help of their
    // own have an empty file name.
    struct PageHelp {
        QString file;
        int context = 0;
        QString caption;
    };
    static PageHelp pageHelp(int page);
    // Opens the help file of the page shown, or tells which file is missing.
    void showHelp();

    // Writes every edited value to every control. False when a control refused a
    // value (the refusal has been shown and the page keeps the control's value).
    bool apply();
    bool isModified() const { return !m_dirty.isEmpty(); }

  private:
    QWidget* makeGeneralPage();
    QWidget* makeTextPage();
    QWidget* makeColourPage();
    QWidget* makeFontPage();
    QWidget* makePicturePage();
    QWidget* makeDefaultsPage();

    void load();
    void markDirty(const QString& property);
    void showColour();
    void setColour(quint32 value);
    void chooseColour();
    void showFont();
    void chooseFont();
    void showPicture();
    void browsePicture();
    void saveDefaults();
    void resetDefaults();
    void aboutBox();
    void refusal(const QString& text);

    QList<QPointer<CKoruTextCtrl>> m_controls;
    QSet<QString> m_dirty;
    bool m_loading = false;

    QTabWidget* m_tabs = nullptr;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_helpButton = nullptr;

    QCheckBox* m_autoSize = nullptr;
    QComboBox* m_borderStyle = nullptr;
    QCheckBox* m_drawFocusRect = nullptr;
    QCheckBox* m_enabled = nullptr;
    QComboBox* m_hotspotColors = nullptr;
    QComboBox* m_jumpCursor = nullptr;
    QComboBox* m_normalCursor = nullptr;
    QComboBox* m_popupCursor = nullptr;
    QLineEdit* m_tabWidth = nullptr;
    QCheckBox* m_wordWrap = nullptr;
    QLineEdit* m_toolTip = nullptr;

    QPlainTextEdit* m_text = nullptr;

    QComboBox* m_colourProperty = nullptr;
    QComboBox* m_systemColour = nullptr;
    QLabel* m_colourSwatch = nullptr;
    QLabel* m_colourValue = nullptr;
    std::map<QString, quint32> m_colours;

    QComboBox* m_fontProperty = nullptr;
    QLabel* m_fontSample = nullptr;
    QLabel* m_fontDescription = nullptr;
    std::map<QString, QFont> m_fonts;

    QComboBox* m_pictureProperty = nullptr;
    QLabel* m_picturePreview = nullptr;
    QLabel* m_pictureSize = nullptr;
    std::map<QString, QPixmap> m_pictures;
};
