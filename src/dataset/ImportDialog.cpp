// The import preview.
#include "dataset/ImportDialog.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "windowkit/MessageBox.h"
#include "windowkit/WaitCursor.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr double kPreviewColumnChars = 10;
constexpr double kLabelColumnChars = 16;

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString ImportDialog::encodingText(zel::TextEncoding e) {
    return e == zel::TextEncoding::Cp932 ? QStringLiteral("シフトJIS") : QStringLiteral("UTF-8");
}

QString ImportDialog::separatorText(zel::CsvSeparator s) {
    return s == zel::CsvSeparator::Tab ? QStringLiteral("タブ") : QStringLiteral("カンマ");
}

QString ImportDialog::layoutText(zel::SheetLayout l) {
    return l == zel::SheetLayout::Plain ? QStringLiteral("変数名と数値のみ")
                                        : QStringLiteral("ラベル・マスク列あり");
}

ImportDialog::ImportDialog(const QString& path, zel::SheetImport first,
                           std::optional<zel::SheetFormat> format, QWidget* parent)
    : QDialog(parent), m_path(path), m_format(format), m_reading(std::move(first)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("インポート"));

    auto* form = new QFormLayout;
    auto* fileText = new QLabel(QFileInfo(path).fileName(), this);
    fileText->setObjectName(QStringLiteral("fileText"));
    form->addRow(QStringLiteral("ファイル"), fileText);
    m_formatText = new QLabel(this);
    m_formatText->setObjectName(QStringLiteral("formatText"));
    form->addRow(QStringLiteral("形式"), m_formatText);
    m_encoding = new QComboBox(this);
    m_encoding->setObjectName(QStringLiteral("encoding"));
    m_encoding->addItem(encodingText(zel::TextEncoding::Utf8), int(zel::TextEncoding::Utf8));
    m_encoding->addItem(encodingText(zel::TextEncoding::Cp932), int(zel::TextEncoding::Cp932));
    form->addRow(QStringLiteral("文字コード(&C)"), m_encoding);
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("separator"));
    m_separator->addItem(separatorText(zel::CsvSeparator::Comma), int(zel::CsvSeparator::Comma));
    m_separator->addItem(separatorText(zel::CsvSeparator::Tab), int(zel::CsvSeparator::Tab));
    form->addRow(QStringLiteral("区切り文字(&D)"), m_separator);
    m_layoutText = new QLabel(this);
    m_layoutText->setObjectName(QStringLiteral("layoutText"));
    form->addRow(QStringLiteral("レイアウト"), m_layoutText);
    m_samples = new QLabel(this);
    m_samples->setObjectName(QStringLiteral("sampleCount"));
    form->addRow(QStringLiteral("サンプル数"), m_samples);
    m_variables = new QLabel(this);
    m_variables->setObjectName(QStringLiteral("variableCount"));
    form->addRow(QStringLiteral("変数数"), m_variables);
    // The labels' access keys reach their boxes.
    for (QComboBox* box : {m_encoding, m_separator})
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(box))) label->setBuddy(box);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #c00000"));
    m_problem->hide();

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("preview"));
    m_grid->setReadOnly(true);
    // Tab leaves the grid for the buttons; Enter answers OK.
    m_grid->setTabKeyNavigation(false);
    m_grid->setEnterToWindow(true);
    m_grid->setMinimumSize(520, 260);

    m_ok = new QPushButton(MessageBox::okText(), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setTabOrder(m_encoding, m_separator);
    setTabOrder(m_separator, m_grid);
    setTabOrder(m_grid, m_ok);
    setTabOrder(m_ok, m_cancel);

    showReading();
    connect(m_encoding, &QComboBox::activated, this, &ImportDialog::readAgain);
    connect(m_separator, &QComboBox::activated, this, &ImportDialog::readAgain);
}

QString ImportDialog::problem() const {
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void ImportDialog::readAgain() {
    zel::SheetReadOptions options;
    options.format = m_format;
    options.encoding = static_cast<zel::TextEncoding>(m_encoding->currentData().toInt());
    options.separator = static_cast<zel::CsvSeparator>(m_separator->currentData().toInt());
    zel::Result<zel::SheetImport> read = [&] {
        const WaitCursor busy;
        return zel::readSheetFile(m_path.toStdString(), options);
    }();
    if (!read) {
        // The choices stay as the user set them, so that another can be tried.
        m_problem->setText(fromStd(read.status().message()));
        m_problem->show();
        m_grid->setRowCount(0);
        m_grid->setColumnCount(0);
        m_samples->clear();
        m_variables->clear();
        m_layoutText->clear();
        m_ok->setEnabled(false);
        return;
    }
    m_reading = std::move(*read);
    showReading();
}

void ImportDialog::showReading() {
    const zel::SheetImport& in = m_reading;
    const bool csv = in.format == zel::SheetFormat::Csv;
    m_problem->clear();
    m_problem->hide();
    m_ok->setEnabled(true);
    // A workbook is read from one sheet: the preview names it.
    m_formatText->setText(csv ? QStringLiteral("CSV")
                              : QStringLiteral("XLSX（シート「%1」）").arg(fromStd(in.sheetName)));
    m_encoding->setCurrentIndex(m_encoding->findData(int(in.encoding)));
    m_separator->setCurrentIndex(m_separator->findData(int(in.separator)));
    // A workbook has neither (its texts are always UTF-8): the boxes stay empty
    // rather than show a choice that does nothing.
    m_encoding->setEnabled(csv);
    m_separator->setEnabled(csv);
    if (!csv) {
        m_encoding->setCurrentIndex(-1);
        m_separator->setCurrentIndex(-1);
    }
    m_layoutText->setText(layoutText(in.layout));
    const zel::Dataset& ds = in.dataset;
    m_samples->setText(QString::number(ds.sampleCount()));
    m_variables->setText(QString::number(ds.variableCount()));

    // The sheet as it was read: the label and mask columns when it had them.
    const bool labelled = in.layout == zel::SheetLayout::Labelled;
    const int first = labelled ? 2 : 0;
    const int rows = std::min(ds.sampleCount(), kPreviewRows);
    m_grid->setColumnCount(first + ds.variableCount());
    m_grid->setRowCount(rows);
    m_grid->setColumnWidthAt(-1, kPreviewColumnChars);
    if (labelled) {
        m_grid->setText(1, 0, QStringLiteral("データラベル"));
        m_grid->setText(2, 0, QStringLiteral("マスク"));
        m_grid->setColumnWidthAt(1, kLabelColumnChars);
    }
    for (int j = 1; j <= ds.variableCount(); ++j)
        m_grid->setText(first + j, 0, fromStd(ds.name(j)));
    for (int i = 1; i <= rows; ++i) {
        m_grid->setText(0, i, rowHeadingText(i));
        if (labelled) {
            m_grid->setText(1, i, fromStd(ds.label(i)));
            m_grid->setText(2, i, QString::number(ds.mask(i)));
        }
        for (int j = 1; j <= ds.variableCount(); ++j)
            m_grid->setText(first + j, i, fromStd(zel::generalNumberText(ds.value(i, j))));
    }
}
