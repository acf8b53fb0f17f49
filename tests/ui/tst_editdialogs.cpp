// Tests of the editing dialogs driven as a user drives them: inserting and
// deleting rows and columns, renaming variables, masks and data labels, with
// the dataset files on disk checked after each command.
#include "components/grid/DataGrid.h"
#include "components/grid/GridModel.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/EditCommands.h"
#include "dataset/gyoudel.h"
#include "dataset/gyousou.h"
#include "dataset/henhenf.h"
#include "dataset/masukuf.h"
#include "dataset/parekos.h"
#include "dataset/retudel.h"
#include "dataset/retusou.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

using uitest::findByText;
using uitest::kWhite;
using uitest::kYellow;
using uitest::replaceCellText;
using uitest::whenModal;

namespace {

// The main window's services over a bare grid and sheet.
// The shared stand-in, its sheet set up and shown as the main window has it.
struct FakeContext : uitest::FakeContext {
    FakeContext() {
        dataSheet->setUp();
        sheetWidget->resize(500, 300);
        sheetWidget->show();
    }
};

void press(QWidget* dialog, const QString& caption) {
    QPushButton* button = findByText<QPushButton>(dialog, caption);
    QVERIFY2(button, qPrintable(caption));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types a value into a spin box as a user does.
void typeSpin(QSpinBox* spin, int value) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Tab);
}

// Toggles the check box of a grid cell with the space key.
void toggle(DataGrid* grid, int col, int row) {
    uitest::focusCell(grid, col, row);
    QTest::keyClick(grid, Qt::Key_Space);
}

QAction* menuAction(QWidget* dialog, const QString& menu, const QString& item) {
    QMenuBar* bar = dialog->findChild<QMenuBar*>();
    if (!bar) return nullptr;
    for (QAction* top : bar->actions()) {
        if (top->text() != menu || !top->menu()) continue;
        for (QAction* a : top->menu()->actions())
            if (a->text() == item) return a;
    }
    return nullptr;
}

} // namespace

class TestEditDialogs : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> m_dir;

    // The data-label dialog from the option menu or the graph command,
    // answered with the button of this caption.
    void answerDataLabels(bool fromOptionMenu, const QString& caption) {
        EditCommands::dataLabels(*m_ctx, fromOptionMenu);
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        press(d, caption);
        QTRY_VERIFY(!d || !d->isVisible());
    }

    std::unique_ptr<FakeContext> m_ctx;
    std::string m_base;

    zel::Dataset& ds() { return m_ctx->ws.dataset; }

    // N x K dataset on disk, value (i, j) = i * 10 + j, names "v" + j, labels
    // "s" + i, the given samples masked; the sheet filled.
    void makeDataset(int n, int k, std::initializer_list<int> masked = {}) {
        zel::Dataset& d = ds();
        uitest::fillNumbered(d, n, k, masked);
        d.setBase(m_base);
        QVERIFY(zel::writeDataset(d, m_base).isOk());
        m_ctx->sheet().fill();
    }

    zel::Dataset readBack() {
        zel::Dataset back;
        const zel::DatasetReadResult r = zel::readDataset(m_base + ".QCN", m_base + ".QCS", back);
        if (!r.status.isOk()) qWarning("%s", r.status.message().c_str());
        return back;
    }

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_base = (m_dir->path() + QStringLiteral("/data")).toStdString();
        m_ctx = std::make_unique<FakeContext>();
        QVERIFY(QTest::qWaitForWindowExposed(m_ctx->sheetWidget.get()));
    }

    void cleanup() {
        ZelWindow::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_ctx.reset();
        m_dir.reset();
    }

    void insertRowsAtTheTopKeepsMasksAndSavesAtOnce() {
        makeDataset(3, 2, {2});
        // An unsaved cell edit goes to disk with the structure edit.
        replaceCellText(m_ctx->sheetWidget.get(), 1, 3, QStringLiteral("7"));
        QCOMPARE(ds().value(3, 1), 7.0);
        QCOMPARE(ds().unsaved, std::int16_t(1));
        ds().saveInPlace = 1;

        bool checked = false;
        whenModal<gyousou>([&](gyousou* d) {
            checked = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("行の挿入"));
            QCOMPARE(d->geometrySuffix(), QStringLiteral("gs"));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("挿入する行数 ・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("この行の下に挿入します ・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("最終行・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("3")));
            auto* count = d->findChild<QSpinBox*>(QStringLiteral("spinCount"));
            auto* position = d->findChild<QSpinBox*>(QStringLiteral("spinPosition"));
            QVERIFY(count && position);
            QCOMPARE(count->minimum(), 1);
            QCOMPARE(count->maximum(), 100);
            QCOMPARE(count->value(), 1);
            QCOMPARE(position->minimum(), 0);
            QCOMPARE(position->maximum(), 3);
            QCOMPARE(position->value(), 3);
            typeSpin(count, 2);
            typeSpin(position, 0);
            press(d, QStringLiteral("OK"));
        });
        EditCommands::insertRows(*m_ctx);
        QVERIFY(checked);
        QVERIFY(!ZelWindow::find(QStringLiteral("gyousou")));

        QCOMPARE(ds().sampleCount(), 5);
        QCOMPARE(ds().label(1), std::string("(1)"));
        QCOMPARE(ds().label(2), std::string("(2)"));
        QCOMPARE(ds().label(3), std::string("s1"));
        QCOMPARE(ds().mask(4), std::int16_t(1));
        QCOMPARE(ds().unsaved, std::int16_t(1));
        QCOMPARE(ds().saveInPlace, std::int16_t(1));

        DataGrid* sheet = m_ctx->sheetWidget.get();
        QCOMPARE(sheet->rowCount(), 5);
        QCOMPARE(sheet->text(0, 5), QStringLiteral("NO.5"));
        QCOMPARE(sheet->text(1, 1), QStringLiteral("0"));
        QCOMPARE(sheet->text(1, 3), QStringLiteral("11"));
        QCOMPARE(sheet->backColor(1, 4), kYellow);
        QCOMPARE(sheet->backColor(2, 4), kYellow);
        QCOMPARE(sheet->backColor(1, 2), kWhite);
        QCOMPARE(sheet->backColor(2, 5), kWhite);

        const zel::Dataset back = readBack();
        QCOMPARE(back.sampleCount(), 5);
        QCOMPARE(back.label(2), std::string("(2)"));
        QCOMPARE(back.label(4), std::string("s2"));
        QCOMPARE(back.mask(4), std::int16_t(1));
        QCOMPARE(back.value(5, 1), 7.0); // the unsaved edit is on disk now
        QCOMPARE(back.value(3, 2), 12.0);
    }

    void insertRowsCancelChangesNothing() {
        makeDataset(3, 2);
        const std::string names = fixtures::readBytes(m_base + ".QCN");
        whenModal<gyousou>([&](gyousou* d) { press(d, QStringLiteral("ｷｬﾝｾﾙ")); });
        EditCommands::insertRows(*m_ctx);
        QCOMPARE(ds().sampleCount(), 3);
        QCOMPARE(fixtures::readBytes(m_base + ".QCN"), names);
    }

    void insertBeyond32767IsRefused() {
        makeDataset(1, 1);
        ds().resize(32767, 1);
        m_ctx->sheet().fill();
        uitest::MessageBoxRecorder boxes;
        bool stayedOpen = false;
        whenModal<gyousou>([&](gyousou* d) {
            press(d, QStringLiteral("OK"));
            stayedOpen = d->isVisible();
            press(d, QStringLiteral("ｷｬﾝｾﾙ"));
        });
        EditCommands::insertRows(*m_ctx);
        uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("行数が32767を超えるため挿入できません。"));
        QCOMPARE(box.title, QStringLiteral("行の挿入"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(stayedOpen);
        QCOMPARE(ds().sampleCount(), 32767);

        // The same for columns.
        ds().resize(1, 32767);
        m_ctx->sheet().fill();
        whenModal<retusou>([&](retusou* d) {
            press(d, QStringLiteral("OK"));
            press(d, QStringLiteral("ｷｬﾝｾﾙ"));
        });
        EditCommands::insertColumns(*m_ctx);
        box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("列数が32767を超えるため挿入できません。"));
        QCOMPARE(box.title, QStringLiteral("列の挿入"));
        QCOMPARE(ds().variableCount(), 32767);
    }

    void insertThreeColumnsAfterColumnTwo() {
        makeDataset(2, 5, {1});
        whenModal<retusou>([&](retusou* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("列の挿入"));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("挿入する列数 ・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("この列の右に挿入します ・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("最終列・・・")));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("5")));
            auto* position = d->findChild<QSpinBox*>(QStringLiteral("spinPosition"));
            QCOMPARE(position->maximum(), 5);
            QCOMPARE(position->value(), 5);
            typeSpin(d->findChild<QSpinBox*>(QStringLiteral("spinCount")), 3);
            typeSpin(position, 2);
            press(d, QStringLiteral("OK"));
        });
        EditCommands::insertColumns(*m_ctx);
        QCOMPARE(ds().variableCount(), 8);
        DataGrid* sheet = m_ctx->sheetWidget.get();
        const QStringList expected{"v1", "v2", "$3", "$4", "$5", "v3", "v4", "v5"};
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(sheet->text(c, 0), expected[c - 1]);
        QCOMPARE(sheet->backColor(8, 1), kYellow); // the masked row reaches the new last column
        QCOMPARE(sheet->text(6, 2), QStringLiteral("23"));
        const zel::Dataset back = readBack();
        QCOMPARE(back.variableCount(), 8);
        QCOMPARE(back.name(5), std::string("$5"));
        QCOMPARE(back.name(6), std::string("v3"));
        QCOMPARE(back.value(2, 6), 23.0);
        QCOMPARE(back.value(2, 4), 0.0);
    }

    void deletingEveryRowIsRefusedThenSomeRowsGo() {
        makeDataset(4, 2, {3});
        const std::string names = fixtures::readBytes(m_base + ".QCN");
        uitest::MessageBoxRecorder boxes;
        bool stayedOpen = false;
        whenModal<gyoudel>([&](gyoudel* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("行の削除"));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("削除する行を指定してください。")));
            DataGrid* g = d->grid();
            QCOMPARE(g->rowCount(), 4);
            QCOMPARE(g->text(1, 0), QStringLiteral("削除する行"));
            QCOMPARE(g->text(0, 4), QStringLiteral("NO.4"));
            QCOMPARE(g->gridModel()->cellType(1, 2), DataGrid::CellType::CheckBox);
            QCOMPARE(g->gridModel()->format(1, 2).checkCaption, QStringLiteral("削除"));
            QCOMPARE(g->columnWidthAt(0), 8.0);
            QCOMPARE(g->columnWidthAt(1), 16.0);
            for (int r = 1; r <= 4; ++r)
                toggle(g, 1, r);
            press(d, QStringLiteral("OK"));
            stayedOpen = d->isVisible();
            press(d, QStringLiteral("ｷｬﾝｾﾙ"));
        });
        EditCommands::deleteRows(*m_ctx);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("すべての行を削除することはできません。"));
        QCOMPARE(box.title, QStringLiteral("行の削除"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(stayedOpen);
        QCOMPARE(ds().sampleCount(), 4);
        QCOMPARE(fixtures::readBytes(m_base + ".QCN"), names);

        whenModal<gyoudel>([&](gyoudel* d) {
            toggle(d->grid(), 1, 1);
            toggle(d->grid(), 1, 2);
            press(d, QStringLiteral("OK"));
        });
        EditCommands::deleteRows(*m_ctx);
        QCOMPARE(ds().sampleCount(), 2);
        QCOMPARE(ds().label(1), std::string("s3"));
        QCOMPARE(m_ctx->sheetWidget->backColor(2, 1), kYellow); // still masked
        QCOMPARE(m_ctx->sheetWidget->backColor(2, 2), kWhite);
        const zel::Dataset back = readBack();
        QCOMPARE(back.sampleCount(), 2);
        QCOMPARE(back.label(2), std::string("s4"));
        QCOMPARE(back.mask(1), std::int16_t(1));
        QCOMPARE(back.value(2, 2), 42.0);
    }

    void deleteRowsWithNothingCheckedStillRewrites() {
        makeDataset(2, 2);
        replaceCellText(m_ctx->sheetWidget.get(), 2, 2, QStringLiteral("5"));
        whenModal<gyoudel>([&](gyoudel* d) { press(d, QStringLiteral("OK")); });
        EditCommands::deleteRows(*m_ctx);
        QCOMPARE(ds().sampleCount(), 2);
        QCOMPARE(readBack().value(2, 2), 5.0);
    }

    void deletingEveryColumnIsRefusedThenSomeColumnsGo() {
        makeDataset(2, 3);
        uitest::MessageBoxRecorder boxes;
        whenModal<retudel>([&](retudel* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("列の削除"));
            QVERIFY(findByText<QLabel>(d, QStringLiteral("削除する列を指定してください。")));
            DataGrid* g = d->grid();
            QCOMPARE(g->columnCount(), 3);
            QCOMPARE(g->rowCount(), 1);
            QCOMPARE(g->text(0, 1), QStringLiteral("削除する列"));
            QCOMPARE(g->text(2, 0), QStringLiteral("v2"));
            QCOMPARE(g->gridModel()->format(2, 1).checkCaption, QStringLiteral("削除(2)"));
            QCOMPARE(g->columnWidthAt(3), 12.0);
            for (int c = 1; c <= 3; ++c)
                toggle(g, c, 1);
            press(d, QStringLiteral("OK"));
            press(d, QStringLiteral("ｷｬﾝｾﾙ"));
        });
        EditCommands::deleteColumns(*m_ctx);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("すべての列を削除することはできません。"));
        QCOMPARE(box.title, QStringLiteral("列の削除"));
        QCOMPARE(ds().variableCount(), 3);

        whenModal<retudel>([&](retudel* d) {
            toggle(d->grid(), 2, 1);
            press(d, QStringLiteral("OK"));
        });
        EditCommands::deleteColumns(*m_ctx);
        QCOMPARE(ds().variableCount(), 2);
        QCOMPARE(m_ctx->sheetWidget->text(2, 0), QStringLiteral("v3"));
        const zel::Dataset back = readBack();
        QCOMPARE(back.variableCount(), 2);
        QCOMPARE(back.name(2), std::string("v3"));
        QCOMPARE(back.value(2, 2), 23.0);
    }

    void aFailedWriteIsShown() {
        makeDataset(2, 2);
        ds().setBase((m_dir->path() + QStringLiteral("/missing/data")).toStdString());
        uitest::MessageBoxRecorder boxes;
        whenModal<gyousou>([&](gyousou* d) { press(d, QStringLiteral("OK")); });
        EditCommands::insertRows(*m_ctx);
        const uitest::SeenBox box = boxes.take();
        QVERIFY2(box.text.startsWith(QStringLiteral("ファイルを保存できませんでした。")),
                 qPrintable(box.text));
        QCOMPARE(box.title, QStringLiteral("行の挿入"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QCOMPARE(ds().sampleCount(), 3); // the dataset holds the new structure
    }

    void renameRewritesOnlyTheNamesFile() {
        makeDataset(2, 3);
        replaceCellText(m_ctx->sheetWidget.get(), 1, 1, QStringLiteral("99")); // stays unsaved
        const std::string values = fixtures::readBytes(m_base + ".QCS");
        const auto valuesTime = std::filesystem::last_write_time(m_base + ".QCS");

        EditCommands::renameVariables(*m_ctx);
        QPointer<henhenf> d = ZelWindow::findOpen<henhenf>();
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QVERIFY(!d->isModal());
        QCOMPARE(d->windowTitle(), QStringLiteral("変数名の変更"));
        QVERIFY(findByText<QLabel>(d, QStringLiteral("変数名を変更します。")));
        DataGrid* g = d->grid();
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(g->text(0, 0), QStringLiteral("no."));
        QCOMPARE(g->text(1, 0), QStringLiteral("変数名"));
        QCOMPARE(g->text(0, 3), QStringLiteral("NO.3"));
        QCOMPARE(g->text(1, 2), QStringLiteral("v2"));
        QCOMPARE(g->columnWidthAt(1), 24.0);
        QVERIFY(g->gridModel()->format(1, 1).rightAligned);
        replaceCellText(g, 1, 2, QStringLiteral("len"));
        press(d, QStringLiteral("OK"));
        QTRY_VERIFY(!d || !d->isVisible());

        QCOMPARE(ds().name(2), std::string("len"));
        QCOMPARE(m_ctx->sheetWidget->text(2, 0), QStringLiteral("len"));
        QCOMPARE(fixtures::readBytes(m_base + ".QCS"), values);
        QCOMPARE(std::filesystem::last_write_time(m_base + ".QCS"), valuesTime);
        const zel::Dataset back = readBack();
        QCOMPARE(back.name(2), std::string("len"));
        QCOMPARE(back.value(1, 1), 11.0);
        QCOMPARE(ds().unsaved, std::int16_t(1));
    }

    void invertingMasksTwiceRestoresThenOkStores() {
        makeDataset(3, 2, {2});
        EditCommands::maskData(*m_ctx);
        QPointer<masukuf> d = ZelWindow::findOpen<masukuf>();
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->windowTitle(), QStringLiteral("データのマスク"));
        QVERIFY(findByText<QLabel>(d, QStringLiteral("解析に使用しないデータの設定を行います。")));
        DataGrid* g = d->grid();
        QCOMPARE(g->text(1, 0), QStringLiteral("マスク"));
        QCOMPARE(g->gridModel()->format(1, 3).checkCaption, QStringLiteral("ﾏｽｸ"));
        const QStringList first{g->text(1, 1), g->text(1, 2), g->text(1, 3)};
        QCOMPARE(first, (QStringList{"0", "1", "0"}));
        QAction* invert = menuAction(d, QStringLiteral("オプション(&O)"), QStringLiteral("マスクの反転(&C)"));
        QVERIFY(invert);
        invert->trigger();
        QCOMPARE((QStringList{g->text(1, 1), g->text(1, 2), g->text(1, 3)}), (QStringList{"1", "0", "1"}));
        invert->trigger();
        QCOMPARE((QStringList{g->text(1, 1), g->text(1, 2), g->text(1, 3)}), first);
        QCOMPARE(ds().mask(1), std::int16_t(0)); // nothing stored before OK
        const std::string values = fixtures::readBytes(m_base + ".QCS");

        toggle(g, 1, 3);
        press(d, QStringLiteral("OK"));
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(ds().mask(2), std::int16_t(1));
        QCOMPARE(ds().mask(3), std::int16_t(1));
        QCOMPARE(m_ctx->sheetWidget->backColor(2, 3), kYellow);
        QCOMPARE(m_ctx->sheetWidget->backColor(1, 1), kWhite);
        QCOMPARE(readBack().mask(3), std::int16_t(1));
        QCOMPARE(fixtures::readBytes(m_base + ".QCS"), values);

        // Unmasking turns the row white again; Cancel stores nothing.
        EditCommands::maskData(*m_ctx);
        d = ZelWindow::findOpen<masukuf>();
        QVERIFY(d);
        toggle(d->grid(), 1, 2);
        press(d, QStringLiteral("OK"));
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(m_ctx->sheetWidget->backColor(1, 2), kWhite);
        EditCommands::maskData(*m_ctx);
        d = ZelWindow::findOpen<masukuf>();
        QVERIFY(d);
        toggle(d->grid(), 1, 1);
        press(d, QStringLiteral("ｷｬﾝｾﾙ"));
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(ds().mask(1), std::int16_t(0));
        QCOMPARE(readBack().mask(1), std::int16_t(0));
    }

    void labelsAreWrittenAtOnceWhileValuesStayUnsaved() {
        makeDataset(3, 2, {2});
        replaceCellText(m_ctx->sheetWidget.get(), 2, 1, QStringLiteral("77"));
        QCOMPARE(ds().unsaved, std::int16_t(1));

        EditCommands::dataLabels(*m_ctx, true);
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->windowTitle(), QStringLiteral("データラベル"));
        QVERIFY(findByText<QLabel>(d, QStringLiteral("データラベルの名前を入力して下さい。")));
        DataGrid* g = d->grid();
        QCOMPARE(g->text(0, 0), QStringLiteral("データラベル"));
        QCOMPARE(g->text(0, 2), QStringLiteral("NO.2"));
        QCOMPARE(g->text(1, 3), QStringLiteral("s3"));
        QCOMPARE(g->backColor(1, 2), kYellow);
        QCOMPARE(g->backColor(1, 1), kWhite);
        QCOMPARE(g->columnWidthAt(1), 24.0);
        for (const auto& [menu, item] :
             std::initializer_list<std::pair<const char*, const char*>>{{"ﾌｧｲﾙ(&F)", "印刷(&P)..."},
                                                                        {"ﾌｧｲﾙ(&F)", "終了(&E)"},
                                                                        {"編集(&E)", "コピー(&C)"},
                                                                        {"編集(&E)", "張り付け(&P)"},
                                                                        {"編集(&E)", "切り取り(&T)"},
                                                                        {"編集(&E)", "すべて選択(&A)"}})
            QVERIFY2(menuAction(d, QString::fromUtf8(menu), QString::fromUtf8(item)), item);

        // Select all covers the label cells of every row; copy puts them on the clipboard.
        menuAction(d, QStringLiteral("編集(&E)"), QStringLiteral("すべて選択(&A)"))->trigger();
        QCOMPARE(g->selectedBlock(), QRect(1, 1, 1, 3));
        menuAction(d, QStringLiteral("編集(&E)"), QStringLiteral("コピー(&C)"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("s1\r\ns2\r\ns3\r\n"));

        replaceCellText(g, 1, 1, QStringLiteral("lot,A"));
        press(d, QStringLiteral("OK"));
        QTRY_VERIFY(!d || !d->isVisible());

        QCOMPARE(ds().label(1), std::string("lot,A"));
        QCOMPARE(ds().unsaved, std::int16_t(1));
        const zel::Dataset back = readBack();
        QCOMPARE(QString::fromStdString(back.label(1)), QStringLiteral("lot,A")); // a comma survives the file
        QCOMPARE(back.label(2), std::string("s2"));
        QCOMPARE(back.label(3), std::string("s3"));
        QCOMPARE(back.value(1, 2), 12.0); // the typed 77 is still unsaved
        QCOMPARE(ds().value(1, 2), 77.0);
        QCOMPARE(m_ctx->paretoOpened, 0);
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(0));
    }

    void paretoContinuation() {
        makeDataset(2, 2);
        m_ctx->analysis = QStringLiteral("パレート図");

        // From the option menu: OK stores the labels and opens no analysis dialog.
        EditCommands::dataLabels(*m_ctx, true);
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(1));
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        press(d, QStringLiteral("OK"));
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(m_ctx->paretoOpened, 0);
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(0));

        // From the option menu and cancelled: the flag goes back to 0 ...
        answerDataLabels(true, QStringLiteral("ｷｬﾝｾﾙ"));
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(0));

        // ... so the graph command's OK goes on to the Pareto variables.
        answerDataLabels(false, QStringLiteral("OK"));
        QCOMPARE(m_ctx->paretoOpened, 1);

        // The exit item and the close box set the flag to 0 as well.
        EditCommands::dataLabels(*m_ctx, true);
        d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        menuAction(d, QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("終了(&E)"))->trigger();
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(0));
        EditCommands::dataLabels(*m_ctx, true);
        d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        d->close();
        QCOMPARE(m_ctx->ws.dataLabelFlag, std::int16_t(0));

        // Another analysis: no continuation.
        m_ctx->analysis = QStringLiteral("ヒストグラム");
        answerDataLabels(false, QStringLiteral("OK"));
        QCOMPARE(m_ctx->paretoOpened, 1);
    }

    void labelsPrintLikeAResultTable() {
        makeDataset(3, 2);
        m_ctx->ws.printMargins = {10, 20, 30, 40};
        const QString pdf = m_dir->path() + QStringLiteral("/labels.pdf");
        GridPrinting::setPdfPathProvider([pdf] { return pdf; });
        EditCommands::dataLabels(*m_ctx, false);
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        menuAction(d, QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("印刷(&P)..."))->trigger();
        GridPrinting::setPdfPathProvider({});
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Printed);
        QVERIFY(QFileInfo(pdf).size() > 0);
        const DataGrid::PrintSettings& ps = d->grid()->printSettings();
        QCOMPARE(ps.jobName, QStringLiteral("ZEL DATA"));
        // The path's own slashes are written as "//" so that a folder such as "/new"
        // is not read as a markup code.
        QCOMPARE(ps.header,
                 QStringLiteral("/c ZEL_DATA /n file name《") +
                     QString::fromStdString(m_base).replace(QLatin1Char('/'), QStringLiteral("//")) +
                     QStringLiteral("》/n"));
        QCOMPARE(ps.footer, QStringLiteral("/c Page _/P"));
        QCOMPARE(ps.abortMessage,
                 QStringLiteral("印刷をやめるときは、《ｷｬﾝｾﾙ》ボタンをクリックして下さい。"));
        // The shared margins pass unchanged.
        QCOMPARE(ps.marginTop, 10);
        QCOMPARE(ps.marginBottom, 20);
        QCOMPARE(ps.marginLeft, 30);
        QCOMPARE(ps.marginRight, 40);
        QVERIFY(d->isVisible());
    }

    void aLabelTheFileCannotHoldIsRefused() {
        makeDataset(2, 2);
        const std::string names = fixtures::readBytes(m_base + ".QCN");
        EditCommands::dataLabels(*m_ctx, false);
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        d->grid()->setText(1, 1, QString::fromUtf8("\xF0\x9F\x98\x80")); // pasted emoji
        uitest::MessageBoxRecorder boxes;
        press(d, QStringLiteral("OK"));
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.title, QStringLiteral("データラベル"));
        QVERIFY(!box.text.isEmpty());
        QVERIFY(d && d->isVisible());
        QCOMPARE(ds().label(1), std::string("s1"));
        QCOMPARE(fixtures::readBytes(m_base + ".QCN"), names);
    }

    void aStructureEditClosesTheListDialogs() {
        makeDataset(2, 2);
        EditCommands::renameVariables(*m_ctx);
        EditCommands::maskData(*m_ctx);
        EditCommands::dataLabels(*m_ctx, false);
        QVERIFY(ZelWindow::find(QStringLiteral("henhenf")));
        whenModal<gyousou>([&](gyousou* d) { press(d, QStringLiteral("OK")); });
        EditCommands::insertRows(*m_ctx);
        QVERIFY(!ZelWindow::find(QStringLiteral("henhenf")));
        QVERIFY(!ZelWindow::find(QStringLiteral("masukuf")));
        QVERIFY(!ZelWindow::find(QStringLiteral("parekos")));
        QCOMPARE(ds().sampleCount(), 3);
        QCOMPARE(ds().label(3), std::string("(3)"));
    }
};

QTEST_MAIN(TestEditDialogs)
#include "tst_editdialogs.moc"
