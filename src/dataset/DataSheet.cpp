// DataSheet: the main window's data sheet. The grid never holds copies of the
// dataset's values: it asks a text provider for them, so a sheet of 32767 x 100
// values fills as fast as a small one. Only texts the user typed are stored in
// the grid, and only while they differ from what the provider would show.
#include "dataset/DataSheet.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QRect>
#include <QString>

namespace {

const QColor kUsedSample(255, 255, 255);
const QColor kMaskedSample(255, 255, 0);
constexpr double kRowHeadingChars = 8.0;

QString numberText(double value) {
    return QString::fromStdString(zel::generalNumberText(value));
}

void colourBlock(DataGrid& grid, int col1, int row1, int col2, int row2, const QColor& color) {
    grid.setCurrentCol(col1);
    grid.setCurrentRow(row1);
    grid.setBlockCol2(col2);
    grid.setBlockRow2(row2);
    grid.setBlockMode(true);
    grid.setBackColor(color);
    grid.setBlockMode(false);
}

} // namespace

QString rowHeadingText(int r) {
    return QString::fromStdString(zel::rowHeading(r));
}

void colourSampleRows(DataGrid& grid, const zel::Dataset& ds, int columns) {
    const int n = ds.sampleCount();
    if (n < 1 || columns < 1) return;
    grid.setBlockMode(false);
    colourBlock(grid, 1, 1, columns, n, kUsedSample);
    for (int i = 1; i <= n; ++i)
        if (ds.mask(i) != 0) colourBlock(grid, 1, i, columns, i, kMaskedSample);
}

DataSheet::DataSheet(DataGrid* grid, zel::Dataset& dataset, QObject* parent)
    : QObject(parent), m_grid(grid), m_dataset(dataset) {
    connect(m_grid, &DataGrid::cellChanged, this, &DataSheet::onCellChanged);
    connect(m_grid, &QObject::destroyed, this, [this] { m_grid = nullptr; });
    installTextProvider();
}

DataSheet::~DataSheet() {
    if (m_grid) m_grid->setTextProvider({});
}

void DataSheet::installTextProvider() {
    // The provider reads the dataset at the moment a cell is drawn; values the
    // sheet does not show yet (a partial read) stay empty.
    m_grid->setTextProvider([this](int col, int row) -> QString {
        if (!isShown(col, row)) return QString();
        return numberText(m_dataset.value(row, col));
    });
}

bool DataSheet::isShown(int col, int row) const {
    const int k = m_dataset.variableCount();
    if (col < 1 || row < 1 || col > k || row > m_dataset.sampleCount()) return false;
    const std::size_t at = static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(k) + (col - 1);
    return at < m_shownValues;
}

void DataSheet::setUp() {
    m_grid->setColumnWidthAt(0, kRowHeadingChars);
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setRightAligned(true);
}

void DataSheet::fillStructure() {
    const int n = m_dataset.sampleCount();
    const int k = m_dataset.variableCount();

    // Nothing is shown until the caller says how many values are valid.
    m_shownValues = 0;
    m_grid->setColumnCount(k);
    m_grid->setRowCount(n);
    m_grid->clearStoredTexts();

    for (int r = 1; r <= n; ++r)
        m_grid->setText(0, r, rowHeadingText(r));
    for (int c = 1; c <= k; ++c)
        m_grid->setText(c, 0, QString::fromStdString(m_dataset.name(c)));

    colourSampleRows(*m_grid, m_dataset, k);
    installTextProvider();
}

void DataSheet::setShownValueCount(std::size_t count) {
    const std::size_t total = static_cast<std::size_t>(m_dataset.sampleCount()) *
                              static_cast<std::size_t>(m_dataset.variableCount());
    m_shownValues = count < total ? count : total;
    m_grid->viewport()->update();
}

void DataSheet::setActiveCell(int col, int row) {
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(col);
    m_grid->setCurrentRow(row);
}

void DataSheet::fill() {
    fillStructure();
    setShownValueCount(static_cast<std::size_t>(m_dataset.sampleCount()) *
                       static_cast<std::size_t>(m_dataset.variableCount()));
    setActiveCell(1, 1);
}

zel::Status DataSheet::load(const std::string& namesPath, const std::string& valuesPath) {
    const zel::DatasetReadResult result = zel::readDataset(namesPath, valuesPath, m_dataset);
    if (result.headerRead) {
        // Whatever was read is in the dataset now, so the sheet shows exactly
        // that, even when the names file broke off: a sheet still laid out for
        // the previous dataset would send edits to the wrong values.
        fillStructure();
        setShownValueCount(result.valuesRead);
        setActiveCell(1, 1);
    }
    return result.status;
}

void DataSheet::setColumnWidthChars(int chars) {
    // Every data column; the row-heading column keeps its own width.
    const double headingWidth = m_grid->columnWidthAt(0);
    m_grid->setColumnWidthAt(-1, chars);
    if (m_grid->columnWidthAt(0) != headingWidth) m_grid->setColumnWidthAt(0, headingWidth);
}

void DataSheet::commitEdit() {
    m_grid->commitOpenEditor();
}

void DataSheet::copy() {
    m_grid->doAction(DataGrid::Action::Copy);
}

void DataSheet::cut() {
    m_grid->doAction(DataGrid::Action::Cut);
}

void DataSheet::paste() {
    m_grid->doAction(DataGrid::Action::Paste);
}

void DataSheet::selectAll() {
    const int n = m_dataset.sampleCount();
    const int k = m_dataset.variableCount();
    if (n < 1 || k < 1) return;
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
    m_grid->setBlockCol2(k);
    m_grid->setBlockRow2(n);
    m_grid->doAction(DataGrid::Action::SelectBlock);
}

bool DataSheet::selectSampleRow(int sample) {
    const int k = m_dataset.variableCount();
    if (sample < 1 || sample > m_dataset.sampleCount() || k < 1) return false;
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(sample);
    m_grid->setBlockCol2(k);
    m_grid->setBlockRow2(sample);
    m_grid->doAction(DataGrid::Action::SelectBlock);
    m_grid->scrollTo(m_grid->model()->index(sample - 1, 0));
    return true;
}

std::optional<int> DataSheet::selectedSample() const {
    const QRect block = m_grid->selectedBlock();
    if (block.isEmpty() || block.top() != block.bottom()) return std::nullopt;
    if (block.top() < 1 || block.top() > m_dataset.sampleCount()) return std::nullopt;
    return block.top();
}

void DataSheet::onCellChanged(int col, int row) {
    if (col < 1 || row < 1 || col > m_dataset.variableCount() || row > m_dataset.sampleCount()) return;
    setActiveCell(col, row);

    const QString typed = m_grid->text(col, row);
    const double value = zel::lenientParse(typed.toStdString());
    m_dataset.setValue(row, col, value);
    m_dataset.unsaved = 1;

    // A text that looks exactly like what the provider shows need not be kept:
    // pasting a large block then costs no memory in the grid.
    if (isShown(col, row) && typed == numberText(value)) m_grid->clearStoredText(col, row);

    emit edited(col, row);
}
