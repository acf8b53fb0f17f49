// inmode: the data-printing window.
#include "dataset/inmode.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kCaption = "データの印刷";
const char* const kTop = "上端余白：";
const char* const kBottom = "下端余白：";
const char* const kLeft = "左端余白：";
const char* const kRight = "右端余白：";
const char* const kFixed = "小数点固定";
const char* const kDecimals = "表示桁数：";
const char* const kWidth = "セ ル 幅：";
const char* const kPrint = "印刷";
const char* const kCancel = "ｷｬﾝｾﾙ";

constexpr int kRowHeadingChars = 8;
constexpr int kInitialDecimals = 2;
// Millimetres to twips for the data print.
constexpr double kTwipsPerMillimetre = 56.7;

QSpinBox* spinBox(QWidget* parent, const char* name, int min, int max, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(min, max);
    box->setValue(std::clamp(value, min, max));
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(64);
    return box;
}

QLabel* caption(QWidget* parent, const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

inmode::inmode(MainContext& ctx, QWidget* parent) : ZelWindow(zel::WindowId::inmode, parent), m_ctx(ctx) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setDesignGeometry({1200, 1200, 9900, 6900});

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("vaSpread1"));

    zel::PrintMargins& margins = m_ctx.workspace().printMargins;
    m_top = spinBox(this, "Spin1", 0, 100, margins.top);
    m_bottom = spinBox(this, "Spin2", 0, 100, margins.bottom);
    m_left = spinBox(this, "Spin3", 0, 100, margins.left);
    m_right = spinBox(this, "Spin4", 0, 100, margins.right);
    m_fixed = new QCheckBox(QString::fromUtf8(kFixed), this);
    m_fixed->setObjectName(QStringLiteral("Check1"));
    m_decimals = spinBox(this, "Spin5", 0, 100, kInitialDecimals);
    m_width = spinBox(this, "Spin6", 2, 20, m_ctx.columnWidthChars());
    m_print = new QPushButton(QString::fromUtf8(kPrint), this);
    m_print->setObjectName(QStringLiteral("Command1"));
    m_cancel = new QPushButton(QString::fromUtf8(kCancel), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_print->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    // Margins (two by two), number format, then the buttons.
    auto* marginBox = new QGridLayout;
    marginBox->setHorizontalSpacing(6);
    marginBox->addWidget(caption(this, kTop, m_top), 0, 0);
    marginBox->addWidget(m_top, 0, 1);
    marginBox->addWidget(caption(this, kBottom, m_bottom), 1, 0);
    marginBox->addWidget(m_bottom, 1, 1);
    marginBox->setColumnMinimumWidth(2, 12);
    marginBox->addWidget(caption(this, kLeft, m_left), 0, 3);
    marginBox->addWidget(m_left, 0, 4);
    marginBox->addWidget(caption(this, kRight, m_right), 1, 3);
    marginBox->addWidget(m_right, 1, 4);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);

    m_decimalsLabel = caption(this, kDecimals, m_decimals);
    auto* formatBox = new QGridLayout;
    formatBox->setHorizontalSpacing(6);
    formatBox->addWidget(m_fixed, 0, 0);
    formatBox->addWidget(m_decimalsLabel, 0, 1);
    formatBox->addWidget(m_decimals, 0, 2);
    formatBox->addWidget(caption(this, kWidth, m_width), 1, 1);
    formatBox->addWidget(m_width, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);

    auto* controls = new QHBoxLayout;
    controls->addLayout(marginBox);
    controls->addSpacing(8);
    controls->addWidget(separator);
    controls->addSpacing(8);
    controls->addLayout(formatBox);
    controls->addStretch(1);
    controls->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_grid, 1);
    layout->addSpacing(4);
    layout->addLayout(controls);

    fillGrid();
    m_grid->setColumnWidthAt(-1, m_width->value());
    m_fixed->setChecked(true);
    applyFixedDecimals();

    connect(m_fixed, &QCheckBox::toggled, this, &inmode::applyFixedDecimals);
    connect(m_decimals, &QSpinBox::valueChanged, this, &inmode::applyDecimals);
    connect(m_width, &QSpinBox::valueChanged, this, &inmode::applyColumnWidth);
    auto bind = [this](QSpinBox* box, std::int16_t zel::PrintMargins::*field) {
        connect(box, &QSpinBox::valueChanged, this, [this, field](int value) {
            m_ctx.workspace().printMargins.*field = static_cast<std::int16_t>(value);
        });
    };
    bind(m_top, &zel::PrintMargins::top);
    bind(m_bottom, &zel::PrintMargins::bottom);
    bind(m_left, &zel::PrintMargins::left);
    bind(m_right, &zel::PrintMargins::right);
    connect(m_print, &QPushButton::clicked, this, &inmode::printData);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);

    GridPrinting::install(*m_grid);
}

void inmode::fillGrid() {
    const zel::Dataset& data = m_ctx.workspace().dataset;
    m_samples = data.sampleCount();
    m_variables = data.variableCount();
    m_values = data.storedValues();

    m_grid->setColumnCount(m_variables);
    m_grid->setRowCount(m_samples);
    m_grid->setColumnWidthAt(0, kRowHeadingChars);
    for (int j = 1; j <= m_variables; ++j)
        m_grid->setText(j, 0, QString::fromStdString(data.name(j)));
    for (int i = 1; i <= m_samples; ++i)
        m_grid->setText(0, i, rowHeadingText(i));
    // The values come from the copy when a cell is drawn or printed.
    m_grid->setTextProvider([this](int col, int row) -> QString {
        if (col < 1 || row < 1 || col > m_variables || row > m_samples) return QString();
        const std::size_t at =
            static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_variables) + (col - 1);
        const double v = at < m_values.size() ? m_values[at] : 0.0; // a value never written is 0
        return QString::fromStdString(zel::generalNumberText(v));
    });
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setCellType(DataGrid::CellType::Text);
    m_grid->setRightAligned(true);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
}

void inmode::applyFixedDecimals() {
    const bool fixed = m_fixed->isChecked();
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setCellType(fixed ? DataGrid::CellType::Real : DataGrid::CellType::Text);
    if (fixed) m_grid->setDecimalPlaces(m_decimals->value());
    m_grid->setRightAligned(true);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
    m_decimals->setEnabled(fixed);
    m_decimalsLabel->setEnabled(fixed);
}

void inmode::applyDecimals() {
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setDecimalPlaces(m_decimals->value());
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
}

void inmode::applyColumnWidth() {
    m_grid->setColumnWidthAt(-1, m_width->value());
}

void inmode::printData() {
    const zel::Workspace& ws = m_ctx.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.dataset.basePath), ws.printMargins,
                                  kTwipsPerMillimetre);
}
