// nymode: the input-mode dialog of the data sheet.
#include "dataset/nymode.h"

#include "components/grid/DataGrid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "入力モードの設定";
const char* const kEnterFrame = "　改行（RETURN）を押したとき　";
const char* const kMoveRight = "右に移動";
const char* const kStay = "移動しない";
const char* const kTypingFrame = "　データを入力したとき　";
const char* const kAdd = "元の値に追加する";
const char* const kReplace = "データを置き換える";

// Checks `on` (when given) and clears the other buttons of the group. With no
// button to check, the group is made non-exclusive for a moment so that both
// options can be cleared.
void selectOnly(QButtonGroup* group, QAbstractButton* on) {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(b == on);
    group->setExclusive(true);
}

} // namespace

nymode::nymode(DataGrid* grid, QWidget* parent) : ZelWindow(zel::WindowId::nymode, parent), m_grid(grid) {
    setWindowTitle(QString::fromUtf8(kCaption));

    auto* enterFrame = new QGroupBox(QString::fromUtf8(kEnterFrame), this);
    enterFrame->setObjectName(QStringLiteral("Frame1"));
    m_moveRight = new QRadioButton(QString::fromUtf8(kMoveRight), enterFrame);
    m_moveRight->setObjectName(QStringLiteral("Option1"));
    m_stay = new QRadioButton(QString::fromUtf8(kStay), enterFrame);
    m_stay->setObjectName(QStringLiteral("Option2"));
    auto* enterLayout = new QVBoxLayout(enterFrame);
    enterLayout->addWidget(m_moveRight);
    enterLayout->addWidget(m_stay);
    m_enterGroup = new QButtonGroup(this);
    m_enterGroup->addButton(m_moveRight);
    m_enterGroup->addButton(m_stay);

    auto* typingFrame = new QGroupBox(QString::fromUtf8(kTypingFrame), this);
    typingFrame->setObjectName(QStringLiteral("Frame2"));
    m_add = new QRadioButton(QString::fromUtf8(kAdd), typingFrame);
    m_add->setObjectName(QStringLiteral("Option3"));
    m_replace = new QRadioButton(QString::fromUtf8(kReplace), typingFrame);
    m_replace->setObjectName(QStringLiteral("Option4"));
    auto* typingLayout = new QVBoxLayout(typingFrame);
    typingLayout->addWidget(m_add);
    typingLayout->addWidget(m_replace);
    m_typingGroup = new QButtonGroup(this);
    m_typingGroup->addButton(m_add);
    m_typingGroup->addButton(m_replace);

    auto* buttons = okCancelRow([this] {
        applyToGrid();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enterFrame);
    layout->addWidget(typingFrame);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showGridSettings();
}

void nymode::showGridSettings() {
    switch (m_grid->enterAction()) {
    case DataGrid::EnterAction::MoveRight:
        selectOnly(m_enterGroup, m_moveRight);
        break;
    case DataGrid::EnterAction::Stay:
        selectOnly(m_enterGroup, m_stay);
        break;
    default:
        selectOnly(m_enterGroup, nullptr);
        break;
    }
    selectOnly(m_typingGroup, m_grid->replaceMode() ? m_replace : m_add);
}

void nymode::applyToGrid() {
    // A frame with no option selected leaves its setting as it was.
    if (m_moveRight->isChecked())
        m_grid->setEnterAction(DataGrid::EnterAction::MoveRight);
    else if (m_stay->isChecked())
        m_grid->setEnterAction(DataGrid::EnterAction::Stay);
    if (m_add->isChecked())
        m_grid->setReplaceMode(false);
    else if (m_replace->isChecked())
        m_grid->setReplaceMode(true);
}
