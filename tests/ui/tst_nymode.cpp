// Tests of the input-mode dialog: it shows the grid's Enter action and typing
// mode, "OK" applies the chosen options, "ｷｬﾝｾﾙ" leaves them, and the grid then
// behaves as chosen when the user types.
#include "components/grid/DataGrid.h"
#include "dataset/nymode.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "UiTestSupport.h"

#include <memory>

using uitest::findByText;

namespace {

// Clicks an option on its round mark, as a user does (a radio button only
// reacts to clicks on its mark and its caption, not on its empty right part).
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
}

struct Options {
    QRadioButton* moveRight;
    QRadioButton* stay;
    QRadioButton* add;
    QRadioButton* replace;
};

} // namespace

class TestNyMode : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DataGrid> m_grid;

    QPointer<nymode> open() {
        nymode* dialog = ZelWindow::open<nymode>(m_grid.get(), nullptr);
        if (!QTest::qWaitForWindowExposed(dialog)) return nullptr;
        return dialog;
    }

    static Options options(nymode* dialog) {
        return {findByText<QRadioButton>(dialog, QStringLiteral("右に移動")),
                findByText<QRadioButton>(dialog, QStringLiteral("移動しない")),
                findByText<QRadioButton>(dialog, QStringLiteral("元の値に追加する")),
                findByText<QRadioButton>(dialog, QStringLiteral("データを置き換える"))};
    }

    static void press(nymode* dialog, const QString& caption) {
        QPushButton* button = findByText<QPushButton>(dialog, caption);
        QVERIFY2(button, qPrintable(caption));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void typeAndEnter(int col, int row, const QString& text) { uitest::typeIntoCell(m_grid.get(), col, row, text); }

  private slots:
    void init() {
        m_grid = std::make_unique<DataGrid>();
        m_grid->setColumnCount(3);
        m_grid->setRowCount(3);
        m_grid->resize(400, 300);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    }

    void cleanup() {
        ZelWindow::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_grid.reset();
    }

    void layoutAndTexts() {
        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("入力モードの設定"));
        QStringList frames;
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
            frames << box->title();
        QCOMPARE(frames, (QStringList{QStringLiteral("　改行（RETURN）を押したとき　"),
                                      QStringLiteral("　データを入力したとき　")}));
        const Options o = options(dialog);
        QVERIFY(o.moveRight && o.stay && o.add && o.replace);
        // The two options of a frame sit in that frame.
        QCOMPARE(o.moveRight->parentWidget(), o.stay->parentWidget());
        QCOMPARE(o.add->parentWidget(), o.replace->parentWidget());
        QVERIFY(o.moveRight->parentWidget() != o.add->parentWidget());
        QVERIFY(findByText<QPushButton>(dialog, QStringLiteral("OK")));
        QVERIFY(findByText<QPushButton>(dialog, QStringLiteral("ｷｬﾝｾﾙ")));
        // A fixed-size dialog.
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        // One dialog at a time: opening it again brings this one forward.
        QCOMPARE(ZelWindow::open<nymode>(m_grid.get(), nullptr), dialog.data());
        QCOMPARE(dialog->objectName(), QStringLiteral("nymode"));
        QCOMPARE(dialog->geometrySuffix(), QStringLiteral("ny"));
    }

    void showsTheGridsSettings() {
        m_grid->setEnterAction(DataGrid::EnterAction::Stay);
        m_grid->setReplaceMode(true);
        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        Options o = options(dialog);
        QVERIFY(!o.moveRight->isChecked());
        QVERIFY(o.stay->isChecked());
        QVERIFY(!o.add->isChecked());
        QVERIFY(o.replace->isChecked());
        press(dialog, QStringLiteral("ｷｬﾝｾﾙ"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());

        m_grid->setEnterAction(DataGrid::EnterAction::MoveRight);
        m_grid->setReplaceMode(false);
        dialog = open();
        QVERIFY(dialog);
        o = options(dialog);
        QVERIFY(o.moveRight->isChecked());
        QVERIFY(!o.stay->isChecked());
        QVERIFY(o.add->isChecked());
        QVERIFY(!o.replace->isChecked());
    }

    void okAppliesAndTheNextOpeningShowsTheChoice() {
        m_grid->setEnterAction(DataGrid::EnterAction::Stay);
        m_grid->setReplaceMode(false);
        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        Options o = options(dialog);
        choose(o.moveRight);
        choose(o.replace);
        QVERIFY(!o.stay->isChecked());
        QVERIFY(!o.add->isChecked());
        press(dialog, QStringLiteral("OK"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(m_grid->enterAction(), DataGrid::EnterAction::MoveRight);
        QVERIFY(m_grid->replaceMode());

        dialog = open();
        QVERIFY(dialog);
        o = options(dialog);
        QVERIFY(o.moveRight->isChecked());
        QVERIFY(o.replace->isChecked());
        QVERIFY(!o.stay->isChecked());
        QVERIFY(!o.add->isChecked());
    }

    void cancelLeavesTheGridAlone() {
        m_grid->setEnterAction(DataGrid::EnterAction::MoveRight);
        m_grid->setReplaceMode(true);
        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        const Options o = options(dialog);
        choose(o.stay);
        choose(o.add);
        press(dialog, QStringLiteral("ｷｬﾝｾﾙ"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(m_grid->enterAction(), DataGrid::EnterAction::MoveRight);
        QVERIFY(m_grid->replaceMode());
    }

    void anotherEnterActionSelectsNeitherOption() {
        const auto other = static_cast<DataGrid::EnterAction>(3);
        m_grid->setEnterAction(other);
        m_grid->setReplaceMode(false);
        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        Options o = options(dialog);
        QVERIFY(!o.moveRight->isChecked());
        QVERIFY(!o.stay->isChecked());
        QVERIFY(o.add->isChecked());
        // OK with neither option keeps the setting as it is.
        press(dialog, QStringLiteral("OK"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(m_grid->enterAction(), other);

        // Choosing one of them still works, and then only that one is selected.
        dialog = open();
        QVERIFY(dialog);
        o = options(dialog);
        choose(o.stay);
        QVERIFY(o.stay->isChecked());
        choose(o.moveRight);
        QVERIFY(o.moveRight->isChecked());
        QVERIFY(!o.stay->isChecked());
        press(dialog, QStringLiteral("OK"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(m_grid->enterAction(), DataGrid::EnterAction::MoveRight);
    }

    void theGridTypesAsChosen() {
        m_grid->setEnterAction(DataGrid::EnterAction::Stay);
        m_grid->setReplaceMode(true);
        m_grid->setText(1, 1, QStringLiteral("12"));
        m_grid->setText(2, 2, QStringLiteral("12"));

        // Stay + replace: the text is replaced and the active cell stays.
        typeAndEnter(1, 1, QStringLiteral("3"));
        QCOMPARE(m_grid->text(1, 1), QStringLiteral("3"));
        QCOMPARE(m_grid->currentCol(), 1);
        QCOMPARE(m_grid->currentRow(), 1);

        QPointer<nymode> dialog = open();
        QVERIFY(dialog);
        const Options o = options(dialog);
        choose(o.moveRight);
        choose(o.add);
        press(dialog, QStringLiteral("OK"));
        QTRY_VERIFY(!dialog || !dialog->isVisible());

        // Move right + add: the typed key is added and Enter moves right.
        typeAndEnter(2, 2, QStringLiteral("3"));
        QCOMPARE(m_grid->text(2, 2), QStringLiteral("123"));
        QCOMPARE(m_grid->currentCol(), 3);
        QCOMPARE(m_grid->currentRow(), 2);
    }
};

QTEST_MAIN(TestNyMode)
#include "tst_nymode.moc"
