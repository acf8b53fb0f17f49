// FileDialogBase: the layout and behaviour the three file dialogs share (new
// dataset name, save, open): the drive list, the folder list with its own
// highlight, the file list filtered by the two extension boxes, the folder
// display, the name field with its key rules, and the OK rule that first enters
// a highlighted folder and then builds the base path.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QStringList>

#include <optional>

class MainContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;

class FileDialogBase : public ZelWindow {
    Q_OBJECT
  public:
    // The texts of the shared layout (the open dialog writes its captions with a
    // full-width colon).
    struct Captions {
        QString drive;
        QString folder;
        QString name;
    };

    FileDialogBase(const QString& name, const QString& caption, const Captions& captions, MainContext& ctx,
                   QWidget* parent);

    // The drives offered: "/", the mount points and the home folder.
    static QStringList systemDrives();
    // Replaces the drive list's entries (their root paths).
    void setDrives(const QStringList& roots);
    QStringList drives() const;
    QString currentDrive() const;

    // The folder list's current path and the folder highlighted in it.
    QString folderPath() const;
    QString highlightedFolder() const;
    // Moves the folder list (and with it the file list and the folder display).
    void setFolderPath(const QString& path);

    QString pattern() const { return m_pattern; }
    QStringList listedFiles() const;
    // Reads the file list's folder again.
    void refreshFiles();

    QString nameText() const;
    void setNameText(const QString& text);

  protected:
    // The pattern the file list shows now; the dataset dialogs' is "*.QCS" and/or
    // "*.QCN" by the two extension boxes. A dialog for other files gives its own
    // (and calls refreshFiles() once its constructor has set up its boxes).
    virtual QString currentPattern() const;

    // The OK rule shared by every dialog: a highlighted other folder is entered
    // (and nothing else happens); an empty name, or one ending in a separator,
    // does nothing; a name with a separator inside is refused. Otherwise the base
    // path of the named dataset.
    std::optional<QString> baseFromOk();
    // Makes the folder list's folder the program's current folder.
    void makeFolderCurrent();
    // The drive text and folder the dataset keeps.
    std::string driveForDataset() const;
    std::string folderForDataset() const;

    virtual void onOk() = 0;
    virtual void onFileDoubleClicked() {}
    // Whether ｷｬﾝｾﾙ gives the focus back to the data sheet.
    virtual bool focusSheetOnCancel() const;

    // Room for extra buttons under OK and ｷｬﾝｾﾙ.
    QVBoxLayout* buttonColumn() const { return m_buttonColumn; }
    void focusSheet();

    bool eventFilter(QObject* watched, QEvent* event) override;

    MainContext& m_ctx;

  private:
    void onDriveChosen(int index);
    void onFolderActivated(QListWidgetItem* item);
    void onFileClicked(QListWidgetItem* item);
    void onExtensionChanged();
    void fillFolderList();
    void fitFileList();
    void selectDriveOf(const QString& folder);
    void showOpeningState();

    QComboBox* m_driveList = nullptr;
    QListWidget* m_folderList = nullptr;
    QListWidget* m_fileList = nullptr;
    QLabel* m_folderDisplay = nullptr;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_qcs = nullptr;
    QCheckBox* m_qcn = nullptr;
    QVBoxLayout* m_buttonColumn = nullptr;
    QString m_folder;
    QString m_pattern;
};
