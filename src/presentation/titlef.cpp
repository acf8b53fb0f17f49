// The title dialog.
#include "presentation/titlef.h"

#include "presentation/GraphWindow.h"
#include "presentation/TitleTable.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const kRowTexts[4] = {"タイトル（上）の設定", "タイトル（下）の設定", "タイトル（左）の設定",
                                  "タイトル（右）の設定"};
}

titlef::titlef(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::titlef, parent), m_context(context) {
    setWindowTitle(QStringLiteral("タイトルの設定"));
    setModal(true);
    auto* grid = new QGridLayout;
    const zel::TitleTable& table = m_context.workspace().titles;
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        m_label[row] = new QLabel(QString::fromUtf8(kRowTexts[i]), this);
        m_label[row]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        m_text[row] = new QLineEdit(this);
        m_text[row]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        m_check[row] = new QCheckBox(QStringLiteral("タイトルなし"), this);
        m_check[row]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        grid->addWidget(m_label[row], i * 2, 0, 1, 3);
        grid->addWidget(m_text[row], i * 2 + 1, 0);
        grid->addWidget(m_check[row], i * 2 + 1, 1);

        // Opening: " " checks "タイトルなし"; any other text goes into the box.
        const std::string& stored = table.text(static_cast<zel::TitleRow>(i));
        if (stored == zel::TitleTable::kNoTitle)
            m_check[row]->setChecked(true);
        else
            m_text[row]->setText(QString::fromStdString(stored));
    }
    for (int i = 0; i < 2; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        m_combo[idx] = new QComboBox(this);
        m_combo[idx]->setObjectName(QStringLiteral("Combo2(%1)").arg(i));
        m_combo[idx]->addItems({QStringLiteral("水平"), QStringLiteral("垂直")});
        m_combo[idx]->setCurrentIndex(table.orientation(i == 0 ? zel::TitleRow::Left : zel::TitleRow::Right));
        grid->addWidget(m_combo[idx], (i + 2) * 2 + 1, 2);
    }

    m_change = new QPushButton(QStringLiteral("変更"), this);
    m_change->setObjectName(QStringLiteral("Command1"));
    m_change->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    connect(m_change, &QPushButton::clicked, this, &titlef::change);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_change);
    buttons->addWidget(m_cancel);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    resize(480, 330);
}

void titlef::change() {
    zel::TitleTable& table = m_context.workspace().titles;
    table.setOrientation(zel::TitleRow::Left, m_combo[0]->currentIndex() == 0 ? 0 : 1);
    table.setOrientation(zel::TitleRow::Right, m_combo[1]->currentIndex() == 0 ? 0 : 1);
    zel::TitleInput input;
    for (std::size_t i = 0; i < input.size(); ++i) {
        input[i].none = m_check[i]->isChecked();
        input[i].text = m_text[i]->text().toStdString();
    }
    GraphWindow::applyTitlesToCurrent(m_context, input);
    accept();
}
