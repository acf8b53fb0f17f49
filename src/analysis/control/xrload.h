// xrload: the file dialog that reads an earlier analysis's limits file (".QCK")
// into the chart data set's loaded control lines, then hands over to the
// confirmation window xrkase. Built on the dataset file dialogs' layout and
// rules, with one extension box "*.QCK".
#pragma once

#include "common/Analyses.h"
#include "dataset/FileDialogBase.h"

class QCheckBox;
class QListWidget;

class xrload : public FileDialogBase {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ファイルの呼出し..."); }
    static QString extensionText() { return QStringLiteral("*.QCK"); }
    static QString readTitle() { return QStringLiteral("データの呼出し"); }

    // analysis: the analysis of the table window that asked for the file.
    xrload(MainContext& context, zel::AnalysisId analysis, QWidget* parent = nullptr);

    zel::AnalysisId analysis() const { return m_analysis; }
    QCheckBox* extensionBox() const { return m_qck; }
    // The limits file OK reads for the current folder and name.
    QString limitsPathFor(const QString& base) const { return base + QStringLiteral(".QCK"); }

  protected:
    void onOk() override;
    void onFileDoubleClicked() override { onOk(); }
    // The table window stays open behind: the focus stays where it is.
    bool focusSheetOnCancel() const override { return false; }

    // "*.QCK" while the box is checked, every file otherwise.
    QString currentPattern() const override;

  private:
    zel::AnalysisId m_analysis;
    QCheckBox* m_qck = nullptr;
};
