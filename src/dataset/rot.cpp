// rot: the variable-name dialog that creates a new dataset.
#include "dataset/rot.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/FileDialogRules.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("変数名の入力");
const QString kPrompt = QStringLiteral("各変数の名前を入力して下さい。");
const QString kCorner = QStringLiteral("no.");
const QString kHeading = QStringLiteral("変数名");
const QString kNextHint = QStringLiteral("※ 次にデータの入力を行います。");
const QString kSaveTitle = QStringLiteral("データの保存");
constexpr double kRowHeadingChars = 8.0;
constexpr double kNameChars = 24.0;
} // namespace

rot::rot(MainContext& ctx, int samples, int variables, QWidget* parent)
    : ZelWindow(zel::WindowId::rot, parent), m_ctx(ctx), m_samples(samples), m_variables(variables) {
    setWindowTitle(kCaption);
    setModal(true);
    setDesignGeometry({2400, 1200, 6000, 6000});

    auto* prompt = new QLabel(kPrompt, this);
    prompt->setObjectName(QStringLiteral("Label1"));

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("vaSpread1"));
    m_grid->setColumnCount(1);
    m_grid->setRowCount(m_variables);
    // Every cell right-aligned.
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setRightAligned(true);
    m_grid->setText(0, 0, kCorner);
    m_grid->setText(1, 0, kHeading);
    for (int j = 1; j <= m_variables; ++j) {
        m_grid->setText(0, j, QString::fromStdString(zel::generalNumberText(j)));
        m_grid->setText(1, j, QString::fromStdString(zel::defaultVariableName(j)));
    }
    m_grid->setColumnWidthAt(0, kRowHeadingChars);
    m_grid->setColumnWidthAt(1, kNameChars);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    connect(ok, &QPushButton::clicked, this, &rot::onOk);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    m_grid->setFocus();
}

void rot::onOk() {
    zel::Dataset& ds = m_ctx.workspace().dataset;

    // The new dataset is built apart and takes the place of the old one only
    // once both files are written.
    zel::Dataset created;
    created.resize(m_samples, m_variables);
    for (int j = 1; j <= m_variables; ++j)
        created.setName(j, m_grid->text(1, j).toStdString());
    for (int i = 1; i <= m_samples; ++i) {
        created.setMask(i, 0);
        created.setLabel(i, zel::generalNumberText(i));
    }
    created.reserveValues();
    created.fileName = ds.fileName;
    created.drive = ds.drive;
    created.folder = ds.folder;
    created.setBase(ds.basePath);

    const zel::Status written = zel::writeDataset(created, created.basePath);
    if (!written) {
        // Nothing is created: the names can be corrected and OK given again.
        MessageBox::refusal(this, QString::fromStdString(written.message()), kSaveTitle);
        return;
    }
    created.unsaved = 0;
    created.saveInPlace = 1;
    ds = std::move(created);
    m_ctx.datasetFileUsed(ds.valuesPath);

    close();
    m_ctx.sheet().fill();
    DataGrid& sheet = m_ctx.grid();
    sheet.setFocus();
    sheet.setBlockMode(false);
    sheet.setCurrentCol(1);
    sheet.setCurrentRow(1);
    m_ctx.setHint(kNextHint);
}
