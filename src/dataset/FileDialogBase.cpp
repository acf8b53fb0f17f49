// The shared part of the file dialogs sinkform, saveform and LoadForm.
#include "dataset/FileDialogBase.h"

#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/FileDialogRules.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

const QString kLocationFrame = QStringLiteral("ファイルの場所");
const QString kExtensionFrame = QStringLiteral("Extension");
const QString kQcs = QStringLiteral("*.QCS");
const QString kQcn = QStringLiteral("*.QCN");
const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("ｷｬﾝｾﾙ");
const QString kKeyTitle = QStringLiteral("ファイルの作成");
const QString kNoExtension = QStringLiteral("拡張子を入力する必要はありません。");
const QString kNoYen = QStringLiteral("￥は使用できません。");
const QString kDriveNotReady = QStringLiteral("ドライブの準備ができていません");
const QString kReadTitle = QStringLiteral("データの呼出し");

constexpr int kPathRole = Qt::UserRole;
// The file list widens for names up to this many digits' width; longer names
// scroll.
constexpr int kMaxFileListChars = 40;

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

bool driveReadable(const QString& root) {
    const QFileInfo info(root);
    return info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

FileDialogBase::FileDialogBase(const QString& name, const QString& caption, const Captions& captions,
                               MainContext& ctx, QWidget* parent)
    : ZelWindow(name, parent), m_ctx(ctx) {
    setWindowTitle(caption);
    setDesignGeometry({1500, 1500, 7800, 5700});

    auto* nameLabel = new QLabel(captions.name, this);
    nameLabel->setObjectName(QStringLiteral("Label1"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->installEventFilter(this);
    nameLabel->setBuddy(m_name);

    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("File1"));
    connect(m_fileList, &QListWidget::itemClicked, this, &FileDialogBase::onFileClicked);
    connect(m_fileList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        // Moving through the list with the keys counts as a click.
        if (item && m_fileList->hasFocus()) onFileClicked(item);
    });
    connect(m_fileList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        onFileClicked(item);
        onFileDoubleClicked();
    });

    auto* folderLabel = new QLabel(captions.folder, this);
    folderLabel->setObjectName(QStringLiteral("Label2"));
    m_folderList = new QListWidget(this);
    m_folderList->setObjectName(QStringLiteral("Dir1"));
    folderLabel->setBuddy(m_folderList);
    connect(m_folderList, &QListWidget::itemDoubleClicked, this, &FileDialogBase::onFolderActivated);

    auto* driveLabel = new QLabel(captions.drive, this);
    driveLabel->setObjectName(QStringLiteral("Label3"));
    m_driveList = new QComboBox(this);
    m_driveList->setObjectName(QStringLiteral("Drive1"));
    driveLabel->setBuddy(m_driveList);
    connect(m_driveList, &QComboBox::activated, this, &FileDialogBase::onDriveChosen);

    auto* location = new QGroupBox(kLocationFrame, this);
    location->setObjectName(QStringLiteral("Frame1"));
    m_folderDisplay = new QLabel(location);
    m_folderDisplay->setObjectName(QStringLiteral("Label4"));
    m_folderDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* locationLayout = new QVBoxLayout(location);
    locationLayout->addWidget(m_folderDisplay);

    auto* extension = new QGroupBox(kExtensionFrame, this);
    extension->setObjectName(QStringLiteral("Frame2"));
    m_qcs = new QCheckBox(kQcs, extension);
    m_qcs->setObjectName(QStringLiteral("Check1"));
    m_qcn = new QCheckBox(kQcn, extension);
    m_qcn->setObjectName(QStringLiteral("Check2"));
    auto* extensionLayout = new QVBoxLayout(extension);
    extensionLayout->addWidget(m_qcs);
    extensionLayout->addWidget(m_qcn);

    auto* ok = new QPushButton(kOk, this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(kCancel, this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, [this] { onOk(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (focusSheetOnCancel()) focusSheet();
        close();
    });

    m_buttonColumn = new QVBoxLayout;
    m_buttonColumn->addWidget(ok);
    m_buttonColumn->addWidget(cancel);

    auto* right = new QVBoxLayout;
    right->addLayout(m_buttonColumn);
    right->addStretch(1);
    right->addWidget(extension);

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_fileList, 2, 0, 3, 1);
    grid->addWidget(folderLabel, 0, 1);
    grid->addWidget(m_folderList, 1, 1, 2, 1);
    grid->addWidget(driveLabel, 3, 1);
    grid->addWidget(m_driveList, 4, 1);
    grid->addLayout(right, 0, 2, 5, 1);
    grid->addWidget(location, 5, 0, 1, 3);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    setDrives(systemDrives());
    showOpeningState();
}

void FileDialogBase::showOpeningState() {
    // Extension boxes: "*.QCS" on, "*.QCN" off; the pattern follows them.
    m_qcs->setChecked(true);
    m_qcn->setChecked(false);
    connect(m_qcs, &QCheckBox::toggled, this, &FileDialogBase::onExtensionChanged);
    connect(m_qcn, &QCheckBox::toggled, this, &FileDialogBase::onExtensionChanged);
    m_pattern = QString::fromStdString(zel::filePattern(true, false));

    // The folder list starts in the program's current folder, or in the dataset's
    // when it has one.
    const zel::Dataset& ds = m_ctx.workspace().dataset;
    QString start = QDir::currentPath();
    if (!ds.drive.empty()) {
        const std::string root = zel::rootForDrive(toStd(drives()), ds.drive, {});
        if (!root.empty() && driveReadable(QString::fromStdString(root)))
            start = QString::fromStdString(root);
    }
    if (!ds.folder.empty() && QFileInfo(QString::fromStdString(ds.folder)).isDir())
        start = QString::fromStdString(ds.folder);
    setFolderPath(start);
}

QStringList FileDialogBase::systemDrives() {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid()) continue;
        const QString root = volume.rootPath();
        // Kernel and pseudo file systems are no place for datasets.
        if (root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
            root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")))
            continue;
        roots << root;
    }
    roots << QDir::homePath();
    roots.removeDuplicates();
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

void FileDialogBase::setDrives(const QStringList& roots) {
    m_driveList->clear();
    for (const QString& root : roots)
        m_driveList->addItem(root, root);
    if (!m_folder.isEmpty()) selectDriveOf(m_folder);
}

QStringList FileDialogBase::drives() const {
    QStringList roots;
    for (int i = 0; i < m_driveList->count(); ++i)
        roots << m_driveList->itemData(i).toString();
    return roots;
}

QString FileDialogBase::currentDrive() const {
    return m_driveList->currentData().toString();
}

void FileDialogBase::selectDriveOf(const QString& folder) {
    const std::string root = zel::driveOfFolder(toStd(drives()), folder.toStdString());
    const int index = m_driveList->findData(QString::fromStdString(root));
    if (index >= 0) m_driveList->setCurrentIndex(index);
}

void FileDialogBase::onDriveChosen(int index) {
    const QString root = m_driveList->itemData(index).toString();
    if (!driveReadable(root)) {
        MessageBox::refusal(this, kDriveNotReady, kReadTitle);
        // Back to the drive of the folder shown before.
        selectDriveOf(m_folder);
        return;
    }
    setFolderPath(root);
}

QString FileDialogBase::folderPath() const {
    return m_folder;
}

QString FileDialogBase::highlightedFolder() const {
    const QListWidgetItem* item = m_folderList->currentItem();
    return item ? item->data(kPathRole).toString() : m_folder;
}

void FileDialogBase::setFolderPath(const QString& path) {
    m_folder = QDir::cleanPath(QDir(path).absolutePath());
    fillFolderList();
    selectDriveOf(m_folder);
    m_folderDisplay->setText(m_folder);
    refreshFiles();
}

void FileDialogBase::fillFolderList() {
    m_folderList->clear();
    const std::vector<std::string> chain = zel::folderChain(m_folder.toStdString());
    int level = 0;
    QListWidgetItem* current = nullptr;
    for (const std::string& ancestor : chain) {
        const QString path = QString::fromStdString(ancestor);
        const QString shown = path == QLatin1String("/") ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(level * 2, QLatin1Char(' ')) + shown, m_folderList);
        item->setData(kPathRole, path);
        current = item;
        ++level;
    }
    const QDir dir(m_folder);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& sub : subfolders) {
        auto* item = new QListWidgetItem(QString(level * 2, QLatin1Char(' ')) + sub, m_folderList);
        item->setData(kPathRole, dir.absoluteFilePath(sub));
    }
    if (current) m_folderList->setCurrentItem(current);
}

void FileDialogBase::onFolderActivated(QListWidgetItem* item) {
    if (item) setFolderPath(item->data(kPathRole).toString());
}

QStringList FileDialogBase::listedFiles() const {
    QStringList names;
    for (int i = 0; i < m_fileList->count(); ++i)
        names << m_fileList->item(i)->text();
    return names;
}

QString FileDialogBase::currentPattern() const {
    return QString::fromStdString(zel::filePattern(m_qcs->isChecked(), m_qcn->isChecked()));
}

void FileDialogBase::refreshFiles() {
    m_pattern = currentPattern();
    m_fileList->clear();
    const QDir dir(m_folder);
    const std::string pattern = m_pattern.toStdString();
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& file : files)
        if (zel::matchesPattern(file.toStdString(), pattern)) m_fileList->addItem(file);
    fitFileList();
}

void FileDialogBase::fitFileList() {
    // Room for the longest name beside the vertical scroll bar, so that names
    // are not cut off; the dialog grows with the list where it must.
    const int names = m_fileList->count() > 0 ? m_fileList->sizeHintForColumn(0) : 0;
    const int limit = qRound(m_fileList->fontMetrics().horizontalAdvance(QStringLiteral("0123456789")) /
                             10.0 * kMaxFileListChars);
    const int needed = std::min(names, limit) + 2 * m_fileList->frameWidth() +
                       m_fileList->verticalScrollBar()->sizeHint().width();
    m_fileList->setMinimumWidth(needed);
}

void FileDialogBase::onExtensionChanged() {
    refreshFiles();
}

void FileDialogBase::onFileClicked(QListWidgetItem* item) {
    if (item) m_name->setText(QString::fromStdString(zel::nameFromFileClick(item->text().toStdString())));
}

QString FileDialogBase::nameText() const {
    return m_name->text();
}

void FileDialogBase::setNameText(const QString& text) {
    m_name->setText(text);
}

bool FileDialogBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool keypadPoint =
            (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma || key->key() == Qt::Key_Delete) &&
            (key->modifiers() & Qt::KeypadModifier) && !key->text().isEmpty();
        const bool separator = key->key() == Qt::Key_Backslash || key->key() == Qt::Key_yen ||
                               key->key() == Qt::Key_Slash || key->text() == QLatin1String("\\") ||
                               key->text() == QLatin1String("/") || key->text() == QStringLiteral("¥");
        if (keypadPoint || separator) {
            const QString before = m_name->text();
            const int cursor = m_name->cursorPosition();
            MessageBox::refusal(this, keypadPoint ? kNoExtension : kNoYen, kKeyTitle);
            m_name->setText(before);
            m_name->setCursorPosition(cursor);
            return true; // the key types nothing
        }
    }
    return ZelWindow::eventFilter(watched, event);
}

std::optional<QString> FileDialogBase::baseFromOk() {
    const QString highlighted = highlightedFolder();
    if (QDir::cleanPath(highlighted) != m_folder) {
        setFolderPath(highlighted);
        return std::nullopt;
    }
    // A typed dataset ending is taken off: the three files get their own.
    const QString name = QString::fromStdString(zel::datasetName(m_name->text().toStdString()));
    if (name != m_name->text()) m_name->setText(name);
    switch (zel::checkFileName(name.toStdString())) {
    case zel::NameCheck::Empty:
    case zel::NameCheck::EndsInSeparator:
        return std::nullopt;
    case zel::NameCheck::HasSeparator:
        // A pasted name must not lead into another folder.
        MessageBox::refusal(this, kNoYen, kKeyTitle);
        return std::nullopt;
    case zel::NameCheck::Usable:
        break;
    }
    return QString::fromStdString(zel::basePathFor(m_folder.toStdString(), name.toStdString()));
}

void FileDialogBase::makeFolderCurrent() {
    QDir::setCurrent(m_folder);
}

std::string FileDialogBase::driveForDataset() const {
    const QString root = currentDrive();
    return zel::driveText((root.isEmpty() ? m_folder : root).toStdString());
}

std::string FileDialogBase::folderForDataset() const {
    return m_folder.toStdString();
}

bool FileDialogBase::focusSheetOnCancel() const {
    return m_ctx.workspace().dataset.exists();
}

void FileDialogBase::focusSheet() {
    m_ctx.grid().setFocus();
}
