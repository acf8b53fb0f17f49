// ImportDialog: the preview "インポート" of a spreadsheet file before it becomes
// the dataset. It shows what the reader found (format, encoding, separator,
// layout, the counts) and the first rows; for CSV the user may choose another
// encoding or separator, which reads the file again. OK is offered only while
// the file reads with the choices shown.
#pragma once

#include "common/Status.h"
#include "dataset/SheetFile.h"

#include <QDialog>
#include <QString>

#include <optional>

class DataGrid;
class QComboBox;
class QLabel;
class QPushButton;

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    // The most sample rows the preview shows.
    static constexpr int kPreviewRows = 20;

    // Shows `first`, the reading of path with the detected choices.
    ImportDialog(const QString& path, zel::SheetImport first, std::optional<zel::SheetFormat> format,
                 QWidget* parent = nullptr);

    // The reading the preview shows (valid while OK is enabled).
    zel::SheetImport& reading() { return m_reading; }
    // The message of a reading the choices refused, "" when the file read.
    QString problem() const;

    static QString encodingText(zel::TextEncoding e);
    static QString separatorText(zel::CsvSeparator s);
    static QString layoutText(zel::SheetLayout l);

  private:
    void readAgain();
    void showReading();

    QString m_path;
    std::optional<zel::SheetFormat> m_format;
    zel::SheetImport m_reading;
    QLabel* m_formatText = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_separator = nullptr;
    QLabel* m_layoutText = nullptr;
    QLabel* m_samples = nullptr;
    QLabel* m_variables = nullptr;
    QLabel* m_problem = nullptr;
    DataGrid* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
