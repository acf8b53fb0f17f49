// The File menu's "インポート(&I)..." and "エクスポート(&X)..." driven as a user
// drives them: the file dialog answered, the preview read and confirmed, the
// dataset that results, refusals that change nothing, and every export format
// read back.
#include "app/form1.h"
#include "common/Cp932.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/ImportDialog.h"
#include "dataset/SheetFile.h"
#include "windowkit/ZelWindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "FileBytes.h"
#include "MainWindowSupport.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <memory>
#include <string>

namespace {

const QString kUnsavedText =
    QStringLiteral("このファイルは保存されていません。このまま実行してもよろしいですか？");
const QString kCloseText = QStringLiteral("このファイルは保存されていません。終了してもよろしいですか？");
const QString kOverwriteText = QStringLiteral("このファイルはすでに存在します。上書きしますか？");

const QString kCsvFilter = QStringLiteral("CSV ファイル (*.csv *.tsv *.txt)");
const QString kXlsxFilter = QStringLiteral("XLSX ファイル (*.xlsx)");

// What the preview showed when it came up.
struct Preview {
    QString title, format, encoding, separator, layout, samples, variables, problem;
    bool encodingEnabled = false;
    QStringList headings;
    QStringList firstRow;
    int rows = 0;
};

QString labelText(QWidget* w, const char* name) {
    auto* label = w->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

Preview readPreview(ImportDialog* d) {
    Preview p;
    p.title = d->windowTitle();
    p.format = labelText(d, "formatText");
    p.encoding = d->findChild<QComboBox*>(QStringLiteral("encoding"))->currentText();
    p.encodingEnabled = d->findChild<QComboBox*>(QStringLiteral("encoding"))->isEnabled();
    p.separator = d->findChild<QComboBox*>(QStringLiteral("separator"))->currentText();
    p.layout = labelText(d, "layoutText");
    p.samples = labelText(d, "sampleCount");
    p.variables = labelText(d, "variableCount");
    p.problem = d->problem();
    auto* grid = d->findChild<DataGrid*>(QStringLiteral("preview"));
    p.headings = uitest::columnHeadings(*grid);
    p.firstRow = uitest::shownRow(*grid, 1);
    p.rows = grid->rowCount();
    return p;
}

// Runs act on the next modal widget of type T once it is up. A wait that ends
// without one rejects whatever modal widget is up, so that the test fails
// instead of waiting for ever.
template <class T> void whenUp(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    auto left = std::make_shared<int>(1000);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* w = qobject_cast<T*>(modal);
        if (!w || !w->isVisible()) {
            if (--*left > 0) return;
            timer->stop();
            timer->deleteLater();
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                qWarning("expected %s, found %s", T::staticMetaObject.className(),
                         other->metaObject()->className());
                other->reject();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start(10);
}

// Answers the next file dialog with this file and filter.
void whenFileDialog(const QString& file, const QString& filter) {
    whenUp<QFileDialog>([=](QFileDialog* d) {
        d->selectNameFilter(filter);
        emit d->filterSelected(filter);
        // Typed into the name field (selectFile leaves a field that has the
        // focus alone).
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(file);
        static_cast<QDialog*>(d)->accept(); // as the OK button does
    });
}

// The next preview: what it showed, then the user's act on it.
void whenPreview(Preview& seen, std::function<void(ImportDialog*)> act) {
    whenUp<ImportDialog>([&seen, act](ImportDialog* d) {
        seen = readPreview(d);
        act(d);
    });
}

void clickButton(QWidget* w, const char* name) {
    auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

// Chooses the next or the previous entry of a box as the keyboard does.
void step(ImportDialog* d, const char* box, Qt::Key key) {
    auto* combo = d->findChild<QComboBox*>(QString::fromLatin1(box));
    QTest::keyClick(combo, key);
}

} // namespace

class TestSheetImport : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;

    form1& f() { return m_main.window(); }
    zel::Dataset& ds() { return f().workspace().dataset; }
    QString path(const QString& name) const { return m_main.dataPath(name); }

    void trigger(const char* name) {
        uitest::chooseFromMenu(&f(), f().fileMenu(), QString::fromLatin1(name));
    }
    // Imports file through the menu, the dialog and the preview's OK.
    void importThroughMenu(const QString& file, const QString& filter) {
        Preview seen;
        whenFileDialog(file, filter);
        whenPreview(seen, [](ImportDialog* d) { clickButton(d, "Command1"); });
        trigger("IMPORT");
        QCOMPARE(seen.title, QStringLiteral("インポート"));
    }
    void exportThroughMenu(const QString& file, const QString& filter) {
        whenFileDialog(file, filter);
        trigger("EXPORT");
    }

  private slots:
    void initTestCase() { m_main.useOwnHome(); }
    void init() {
        m_main.installStore(uitest::MainWindowFixture::Store::Memory);
        m_main.newDataFolder();
        m_main.start();
    }
    void cleanup() {
        ds().unsaved = 0;
        m_main.tearDown();
    }

    void menuItemsAreBetweenThePrinterSetupAndTheSeparator() {
        QAction* importItem = uitest::findAction(&f(), QStringLiteral("IMPORT"));
        QAction* exportItem = uitest::findAction(&f(), QStringLiteral("EXPORT"));
        QCOMPARE(importItem->text(), QStringLiteral("インポート(&I)..."));
        QCOMPARE(exportItem->text(), QStringLiteral("エクスポート(&X)..."));
        // Import makes a dataset, so it is there from the start; export needs one.
        QVERIFY(importItem->isEnabled());
        QVERIFY(!exportItem->isEnabled());
    }

    void importsATabSeparatedPlainSheetInCodePage932() {
        const std::string text = *zel::utf8ToCp932("長さ\t重さ\r\n1.5\t2\r\n-3\t\r\n");
        fixtures::writeBytes(path("測定.txt").toStdString(), text);
        Preview seen;
        whenFileDialog(path("測定.txt"), kCsvFilter);
        whenPreview(seen, [](ImportDialog* d) { clickButton(d, "Command1"); });
        trigger("IMPORT");
        QCOMPARE(seen.format, QStringLiteral("CSV"));
        QCOMPARE(seen.encoding, QStringLiteral("シフトJIS"));
        QCOMPARE(seen.separator, QStringLiteral("タブ"));
        QCOMPARE(seen.layout, QStringLiteral("変数名と数値のみ"));
        QCOMPARE(seen.samples, QStringLiteral("2"));
        QCOMPARE(seen.variables, QStringLiteral("2"));
        QCOMPARE(seen.headings, (QStringList{"長さ", "重さ"}));
        QCOMPARE(seen.firstRow, (QStringList{"1.5", "2"}));
        QCOMPARE(seen.rows, 2);
        QVERIFY(seen.problem.isEmpty());

        // A new dataset named after the sheet, beside it, not yet saved.
        QCOMPARE(ds().sampleCount(), 2);
        QCOMPARE(ds().name(2), std::string("重さ"));
        QCOMPARE(ds().value(2, 1), -3.0);
        QCOMPARE(ds().value(2, 2), 0.0);
        QCOMPARE(ds().unsaved, std::int16_t(1));
        QCOMPARE(ds().saveInPlace, std::int16_t(0));
        QCOMPARE(f().datasetName(), path("測定"));
        QCOMPARE(f().windowTitle(), QStringLiteral("[ZEL] ") + path("測定"));
        QCOMPARE(uitest::columnHeadings(f().grid()), (QStringList{"長さ", "重さ"}));
        QCOMPARE(uitest::shownRow(f().grid(), 2), (QStringList{"-3", "0"}));
        QVERIFY(uitest::findAction(&f(), QStringLiteral("EXPORT"))->isEnabled());
        // The user is asked before the unsaved import goes.
        uitest::MessageBoxRecorder boxes;
        boxes.plan(MessageBox::Answer::Cancel);
        QVERIFY(!f().close());
        QCOMPARE(boxes.take().text, kCloseText);
    }

    void theUserChoosesAnotherEncodingAndSeparator() {
        // Code page 932 with commas; UTF-8 cannot read it, tabs find one column.
        fixtures::writeBytes(path("a.csv").toStdString(), *zel::utf8ToCp932("幅,高さ\r\n1,2\r\n"));
        Preview asUtf8, asTab, back;
        whenFileDialog(path("a.csv"), kCsvFilter);
        whenUp<ImportDialog>([&](ImportDialog* d) {
            step(d, "encoding", Qt::Key_Up); // to UTF-8
            asUtf8 = readPreview(d);
            step(d, "encoding", Qt::Key_Down);  // back to シフトJIS
            step(d, "separator", Qt::Key_Down); // to タブ
            asTab = readPreview(d);
            step(d, "separator", Qt::Key_Up);
            back = readPreview(d);
            clickButton(d, "Command2");
        });
        trigger("IMPORT");
        QCOMPARE(asUtf8.encoding, QStringLiteral("UTF-8"));
        QVERIFY2(asUtf8.problem.contains(QStringLiteral("UTF-8")), qPrintable(asUtf8.problem));
        QCOMPARE(asUtf8.rows, 0);
        QCOMPARE(asTab.separator, QStringLiteral("タブ"));
        QVERIFY2(asTab.problem.contains(QStringLiteral("2 行目")), qPrintable(asTab.problem));
        QVERIFY(back.problem.isEmpty());
        QCOMPARE(back.headings, (QStringList{"幅", "高さ"}));
        // ｷｬﾝｾﾙ: no dataset came.
        QVERIFY(!ds().exists());
        QVERIFY(f().datasetName().isEmpty());
    }

    void importsAWorkbookWithLabelsAndMasks() {
        zel::Dataset src;
        src.resize(25, 2);
        src.setName(1, "外径");
        src.setName(2, "内径");
        for (int i = 1; i <= 25; ++i) {
            src.setLabel(i, "ロット" + std::to_string(i));
            src.setValue(i, 1, i * 0.5);
        }
        src.setMask(2, 1);
        QVERIFY(zel::writeSheetFile(src, path("lot.xlsx").toStdString(), zel::SheetFormat::Xlsx).isOk());
        Preview seen;
        whenFileDialog(path("lot.xlsx"), kXlsxFilter);
        whenPreview(seen, [](ImportDialog* d) { clickButton(d, "Command1"); });
        trigger("IMPORT");
        QCOMPARE(seen.format, QStringLiteral("XLSX（シート「Sheet1」）"));
        QVERIFY(!seen.encodingEnabled);
        // A workbook has no text code or separator to show.
        QCOMPARE(seen.encoding, QString());
        QCOMPARE(seen.separator, QString());
        QCOMPARE(seen.layout, QStringLiteral("ラベル・マスク列あり"));
        QCOMPARE(seen.samples, QStringLiteral("25"));
        QCOMPARE(seen.headings, (QStringList{"データラベル", "マスク", "外径", "内径"}));
        QCOMPARE(seen.firstRow, (QStringList{"ロット1", "0", "0.5", "0"}));
        QCOMPARE(seen.rows, ImportDialog::kPreviewRows);
        QCOMPARE(ds().sampleCount(), 25);
        QCOMPARE(ds().label(25), std::string("ロット25"));
        QCOMPARE(ds().mask(2), std::int16_t(1));
        QCOMPARE(ds().value(25, 1), 12.5);
        QCOMPARE(f().datasetName(), path("lot"));
    }

    void aRefusedFileOrAnsweredQuestionLeavesTheDatasetAlone() {
        fixtures::writeBytes(path("good.csv").toStdString(), "x\r\n7\r\n");
        importThroughMenu(path("good.csv"), kCsvFilter);
        QCOMPARE(ds().value(1, 1), 7.0);
        const QString name = f().datasetName();

        // Text in a number cell: its row, column and text; nothing changes.
        fixtures::writeBytes(path("bad.csv").toStdString(), "データラベル,マスク,x\r\nA,0,1\r\nB,0,abc\r\n");
        // A file that calls itself a workbook but is not one.
        fixtures::writeBytes(path("bad.xlsx").toStdString(), "not a zip");
        for (const QString& file : {path("bad.csv"), path("bad.xlsx")}) {
            uitest::MessageBoxRecorder boxes;
            whenFileDialog(file, kCsvFilter);
            trigger("IMPORT");
            const uitest::SeenBox box = boxes.take();
            QCOMPARE(box.title, QStringLiteral("インポート"));
            QCOMPARE(box.kind, MessageBox::Kind::Refusal);
            // The reading's wait cursor has gone before the box comes up.
            QVERIFY(!box.busyCursor);
            QVERIFY2(box.text.contains(file), qPrintable(box.text));
            if (file.endsWith(QStringLiteral(".csv"))) {
                QVERIFY2(box.text.contains(QStringLiteral("3 行目 3 列目")), qPrintable(box.text));
                QVERIFY2(box.text.contains(QStringLiteral("abc")), qPrintable(box.text));
            }
            QCOMPARE(ds().value(1, 1), 7.0);
            QCOMPARE(f().datasetName(), name);
            QCOMPARE(ds().unsaved, std::int16_t(1));
        }

        // A good file, but the unsaved question is answered ｷｬﾝｾﾙ.
        fixtures::writeBytes(path("other.csv").toStdString(), "y\r\n8\r\n");
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Cancel);
            importThroughMenu(path("other.csv"), kCsvFilter);
            QCOMPARE(boxes.take().text, kUnsavedText);
        }
        QCOMPARE(ds().name(1), std::string("x"));
        QCOMPARE(ds().unsaved, std::int16_t(1));
        QCOMPARE(f().datasetName(), name);
        // Answered OK, the new sheet replaces it.
        {
            uitest::MessageBoxRecorder boxes;
            importThroughMenu(path("other.csv"), kCsvFilter);
            QCOMPARE(boxes.take().text, kUnsavedText);
        }
        QCOMPARE(ds().name(1), std::string("y"));
        QCOMPARE(f().datasetName(), path("other"));
    }

    void everyExportFormatReadsBackWithTheCellBeingEdited() {
        fixtures::writeBytes(path("src.csv").toStdString(),
                             "データラベル,マスク,長さ\r\n甲,0,1\r\n乙,1,2\r\n");
        importThroughMenu(path("src.csv"), kCsvFilter);
        // A value typed and not yet entered goes out with the rest.
        f().grid().setFocus();
        f().grid().setCurrentCol(1);
        f().grid().setCurrentRow(2);
        QTest::keyClicks(&f().grid(), QStringLiteral("9.5"));
        QVERIFY(f().grid().isEditing());

        struct Case {
            QString typed, written, filter;
        };
        const QList<Case> cases = {
            {"u8", "u8.csv", QStringLiteral("CSV (UTF-8) (*.csv)")},
            {"sj", "sj.csv", QStringLiteral("CSV (シフトJIS) (*.csv)")},
            {"t", "t.tsv", QStringLiteral("TSV (*.tsv)")},
            {"w", "w.xlsx", QStringLiteral("XLSX (*.xlsx)")},
        };
        for (const Case& c : cases) {
            exportThroughMenu(path(c.typed), c.filter);
            // A ".tsv" is read as the import reads it from the CSV filter.
            zel::SheetReadOptions as;
            as.format =
                c.written.endsWith(QStringLiteral(".xlsx")) ? zel::SheetFormat::Xlsx : zel::SheetFormat::Csv;
            const zel::Result<zel::SheetImport> back = zel::readSheetFile(path(c.written).toStdString(), as);
            QVERIFY2(back, qPrintable(c.filter));
            QCOMPARE(back->dataset.name(1), std::string("長さ"));
            QCOMPARE(back->dataset.label(2), std::string("乙"));
            QCOMPARE(back->dataset.mask(2), std::int16_t(1));
            QCOMPARE(back->dataset.value(1, 1), 1.0);
            QCOMPARE(back->dataset.value(2, 1), 9.5);
        }
        const std::string sj = fixtures::readBytes(path("sj.csv").toStdString());
        QCOMPARE(sj.substr(0, 12), *zel::utf8ToCp932("データラベル"));
        QVERIFY(fixtures::readBytes(path("t.tsv").toStdString()).find('\t') != std::string::npos);
        // Exporting keeps the dataset as it is: still the imported one, unsaved.
        QCOMPARE(ds().unsaved, std::int16_t(1));
        QCOMPARE(f().datasetName(), path("src"));
    }

    void theNamesEndingFollowsTheChosenFormat() {
        fixtures::writeBytes(path("src.csv").toStdString(), "x\r\n1\r\n");
        importThroughMenu(path("src.csv"), kCsvFilter);
        // The offered name ends in ".csv"; the user only picks another format.
        exportThroughMenu(path("out.csv"), QStringLiteral("XLSX (*.xlsx)"));
        QVERIFY(!QFileInfo::exists(path("out.csv")));
        QVERIFY(zel::readSheetFile(path("out.xlsx").toStdString()));
        exportThroughMenu(path("out.csv"), QStringLiteral("TSV (*.tsv)"));
        QVERIFY(!QFileInfo::exists(path("out.csv")));
        QVERIFY(QFileInfo::exists(path("out.tsv")));
        // An ending of the user's own that names no format stays.
        exportThroughMenu(path("out.txt"), QStringLiteral("TSV (*.tsv)"));
        QVERIFY(QFileInfo::exists(path("out.txt")));
        // An ending of another format typed by the user chooses that format.
        exportThroughMenu(path("typed.xlsx"), QStringLiteral("CSV (UTF-8) (*.csv)"));
        QVERIFY(!QFileInfo::exists(path("typed.csv")));
        zel::SheetReadOptions asWorkbook;
        asWorkbook.format = zel::SheetFormat::Xlsx;
        QVERIFY(zel::readSheetFile(path("typed.xlsx").toStdString(), asWorkbook));
        exportThroughMenu(path("typed.tsv"), QStringLiteral("CSV (シフトJIS) (*.csv)"));
        QVERIFY(!QFileInfo::exists(path("typed.csv")));
        QVERIFY(fixtures::readBytes(path("typed.tsv").toStdString()).find('\t') != std::string::npos);
    }

    void aFailedOrDeclinedExportLeavesTheFileWhole() {
        fixtures::writeBytes(path("src.csv").toStdString(), "x\r\n1\r\n");
        importThroughMenu(path("src.csv"), kCsvFilter);
        ds().setName(1, "\xF0\x9F\x98\x80"); // no code page 932 form
        fixtures::writeBytes(path("keep.csv").toStdString(), "old");
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Cancel);
            exportThroughMenu(path("keep.csv"), QStringLiteral("CSV (UTF-8) (*.csv)"));
            QCOMPARE(boxes.take().text, kOverwriteText);
        }
        QCOMPARE(fixtures::readBytes(path("keep.csv").toStdString()), std::string("old"));
        {
            uitest::MessageBoxRecorder boxes;
            exportThroughMenu(path("keep.csv"), QStringLiteral("CSV (シフトJIS) (*.csv)"));
            QCOMPARE(boxes.take().text, kOverwriteText);
            const uitest::SeenBox failed = boxes.take();
            QCOMPARE(failed.title, QStringLiteral("エクスポート"));
            QCOMPARE(failed.kind, MessageBox::Kind::Refusal);
            QVERIFY(!failed.busyCursor);
            QVERIFY(!failed.text.isEmpty());
        }
        QCOMPARE(fixtures::readBytes(path("keep.csv").toStdString()), std::string("old"));
        QCOMPARE(QDir(m_main.dataFolder()).entryList(QDir::Files).size(), 2); // no leftover
    }
};

QTEST_MAIN(TestSheetImport)
#include "tst_sheet_import.moc"
