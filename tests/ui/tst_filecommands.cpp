// Tests of the file commands New, Open, Save and Delete, driven through their
// dialogs as a user does: typing into the name field, clicking files, folders
// and buttons, and answering the message boxes. A small stand-in for the main
// window supplies the sheet and the shared records.
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/FileCommands.h"
#include "dataset/LoadForm.h"
#include "dataset/rot.h"
#include "dataset/saveform.h"
#include "dataset/sinkform.h"
#include "dataset/tydata.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

using uitest::readBytes;
using uitest::writeBytes;

namespace {

class FakeMain : public MainContext {
  public:
    FakeMain() {
        window.resize(500, 400);
        m_grid = new DataGrid(&window);
        m_grid->resize(480, 380);
        m_sheet = std::make_unique<DataSheet>(m_grid, ws.dataset);
        m_sheet->setUp();
    }
    zel::Workspace& workspace() override { return ws; }
    DataSheet& sheet() override { return *m_sheet; }
    DataGrid& grid_() { return *m_grid; }
    DataGrid& grid() override { return *m_grid; }
    QWidget* mainWindow() override { return &window; }
    void setDatasetName(const QString& text) override { name = text; }
    void setHint(const QString& text) override { hint = text; }
    int columnWidthChars() const override { return 8; }
    QString currentAnalysisName() const override { return {}; }
    void openParetoVariables() override {}

    QWidget window;
    DataGrid* m_grid;
    zel::Workspace ws;
    std::unique_ptr<DataSheet> m_sheet;
    QString name;
    QString hint;
};

// Runs the queued steps, one for each modal window that comes up, in order.
// Message boxes do not come up: a MessageBoxRecorder answers them.
class ModalDriver : public QObject {
  public:
    using Step = std::function<void(QWidget*)>;
    ModalDriver() {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(20);
    }
    void add(Step step) { m_steps.push_back(std::move(step)); }
    bool done() const { return m_steps.empty(); }

  private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || m_steps.empty() || w == m_last) return;
        m_last = w;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        // Run outside this timer's handler: a step that opens a dialog of its
        // own needs the timer to fire again meanwhile.
        QTimer::singleShot(0, this, [step = std::move(step), target = QPointer<QWidget>(w)] {
            if (target) step(target);
        });
    }
    QTimer m_timer;
    std::deque<Step> m_steps;
    QPointer<QWidget> m_last;
};

template <class T> T* child(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* w, const char* name) {
    auto* b = child<QPushButton>(w, name);
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

void typeName(QWidget* dialog, const QString& text) {
    uitest::retype(dialog, "Text1", text);
}

QListWidgetItem* itemByText(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

QListWidgetItem* folderItem(QListWidget* list, const QString& path) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toString() == path) return list->item(i);
    return nullptr;
}

void clickItem(QListWidget* list, QListWidgetItem* item) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A double-click begins with a click, as the mouse sends it.
void doubleClickItem(QListWidget* list, QListWidgetItem* item) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The dimension dialog's answers: the sample count typed, the variable count
// typed into the spin box, OK.
ModalDriver::Step fillDimensions(const QString& count, int variables) {
    return [count, variables](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("tydata"));
        QTest::keyClicks(child<QLineEdit>(w, "Text1"), count);
        auto* spin = child<QSpinBox>(w, "Spin1");
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(variables));
        click(w, "Command1");
    };
}

// A dataset of 2 samples x 2 variables on disk at base.
void writeSmallDataset(const std::string& base) {
    zel::Dataset ds;
    ds.resize(2, 2);
    ds.setName(1, "長さ");
    ds.setName(2, "幅");
    ds.setLabel(1, "a");
    ds.setLabel(2, "b");
    ds.setMask(2, 1);
    ds.setValue(1, 1, 1.5);
    ds.setValue(1, 2, 2);
    ds.setValue(2, 1, -3);
    ds.setValue(2, 2, 4);
    QVERIFY(zel::writeDataset(ds, base).isOk());
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMain> m_main;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    template <class T> T* shown() {
        T* w = ZelWindow::findOpen<T>();
        if (w) (void)QTest::qWaitForWindowExposed(w);
        return w;
    }

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir::setCurrent(m_dir->path());
        m_main = std::make_unique<FakeMain>();
        m_main->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_main->window));
    }

    void cleanup() {
        uitest::closeWindows(m_main);
        m_dir.reset();
    }

    void sharedLayoutOfTheThreeDialogs() {
        m_main->ws.dataset.fileName = "前回";
        FileCommands::saveDataset(*m_main); // save-in-place 0: the save dialog
        auto* save = shown<saveform>();
        QVERIFY(save);
        QCOMPARE(save->windowTitle(), QStringLiteral("ファイルの保存"));
        QCOMPARE(save->geometrySuffix(), QStringLiteral("sf"));
        QCOMPARE(child<QLineEdit>(save, "Text1")->text(), QStringLiteral("前回"));
        QCOMPARE(child<QLabel>(save, "Label1")->text(), QStringLiteral("ファイル名(&F):"));
        QCOMPARE(child<QLabel>(save, "Label2")->text(), QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D):"));
        QCOMPARE(child<QLabel>(save, "Label3")->text(), QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V):"));
        QCOMPARE(child<QGroupBox>(save, "Frame1")->title(), QStringLiteral("ファイルの場所"));
        QCOMPARE(child<QGroupBox>(save, "Frame2")->title(), QStringLiteral("Extension"));
        QCOMPARE(child<QLabel>(save, "Label4")->text(), m_dir->path());
        QVERIFY(child<QCheckBox>(save, "Check1")->isChecked());
        QCOMPARE(child<QCheckBox>(save, "Check1")->text(), QStringLiteral("*.QCS"));
        QVERIFY(!child<QCheckBox>(save, "Check2")->isChecked());
        QCOMPARE(child<QCheckBox>(save, "Check2")->text(), QStringLiteral("*.QCN"));
        QCOMPARE(child<QPushButton>(save, "Command1")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(save, "Command2")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        QVERIFY(!child<QPushButton>(save, "Command3"));
        QVERIFY(save->drives().contains(QStringLiteral("/")));
        QVERIFY(save->drives().contains(QDir::homePath()));
        click(save, "Command2");
        QTRY_VERIFY(!ZelWindow::findOpen<saveform>());

        FileCommands::openDataset(*m_main);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        QCOMPARE(load->windowTitle(), QStringLiteral("ファイルの呼出し"));
        QCOMPARE(load->geometrySuffix(), QStringLiteral("lf"));
        QCOMPARE(child<QLabel>(load, "Label1")->text(), QStringLiteral("ファイル名(&F)："));
        QCOMPARE(child<QLabel>(load, "Label3")->text(), QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V)："));
        QCOMPARE(child<QPushButton>(load, "Command3")->text(), QStringLiteral("ファイルの削除"));
        QVERIFY(child<QLineEdit>(load, "Text1")->text().isEmpty());
        // Opening it again brings the same dialog forward.
        FileCommands::openDataset(*m_main);
        QCOMPARE(ZelWindow::findOpen<LoadForm>(), load);
        click(load, "Command2");
        QTRY_VERIFY(!ZelWindow::findOpen<LoadForm>());

        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        QCOMPARE(create->windowTitle(), QStringLiteral("ファイルの作成"));
        QCOMPARE(create->geometrySuffix(), QStringLiteral("sk"));
        QVERIFY(child<QLineEdit>(create, "Text1")->text().isEmpty());
    }

    void newSaveInPlaceThenSaveDialog() {
        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        typeName(create, QStringLiteral("sample"));
        uitest::MessageBoxRecorder boxes;
        ModalDriver driver;
        driver.add(fillDimensions(QStringLiteral("2"), 3));
        driver.add([](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("rot"));
            QCOMPARE(w->windowTitle(), QStringLiteral("変数名の入力"));
            QCOMPARE(qobject_cast<ZelWindow*>(w)->geometrySuffix(), QStringLiteral("ro"));
            QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("各変数の名前を入力して下さい。"));
            auto* g = qobject_cast<rot*>(w)->namesGrid();
            QCOMPARE(g->columnCount(), 1);
            QCOMPARE(g->rowCount(), 3);
            QCOMPARE(g->text(0, 0), QStringLiteral("no."));
            QCOMPARE(g->text(1, 0), QStringLiteral("変数名"));
            QCOMPARE(g->text(0, 2), QStringLiteral("2"));
            QCOMPARE(g->text(1, 1), QStringLiteral("A"));
            QCOMPARE(g->text(1, 3), QStringLiteral("C"));
            QCOMPARE(g->currentCol(), 1);
            QCOMPARE(g->currentRow(), 1);
            click(w, "Command1");
        });
        click(create, "Command1");
        QVERIFY(driver.done());
        QTRY_VERIFY(!ZelWindow::findOpen<sinkform>());

        const QString base = path(QStringLiteral("sample"));
        const zel::Dataset& ds = m_main->ws.dataset;
        QCOMPARE(QString::fromStdString(ds.basePath), base);
        QCOMPARE(m_main->name, base);
        QCOMPARE(ds.fileName, std::string("sample"));
        QCOMPARE(QString::fromStdString(ds.folder), m_dir->path());
        QCOMPARE(QString::fromStdString(ds.limitsPath), base + ".QCK");
        QCOMPARE(ds.sampleCount(), 2);
        QCOMPARE(ds.variableCount(), 3);
        QCOMPARE(ds.saveInPlace, 1);
        QCOMPARE(ds.unsaved, 0);
        QCOMPARE(m_main->hint, QStringLiteral("※ 次にデータの入力を行います。"));
        QCOMPARE(readBytes(base + ".QCN"), std::string(" 2  3 \r\nA\r\nB\r\nC\r\n 0 \r\n 0 \r\n1\r\n2\r\n"));
        QCOMPARE(readBytes(base + ".QCS"), std::string(" 0  0  0  0  0  0 "));
        // The sheet shows the new dataset.
        DataGrid& g = m_main->grid_();
        QCOMPARE(g.columnCount(), 3);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(g.text(0, 2), QStringLiteral("NO.2"));
        QCOMPARE(g.text(2, 0), QStringLiteral("B"));
        QCOMPARE(g.text(3, 2), QStringLiteral("0"));
        QCOMPARE(g.backColor(3, 2), QColor(255, 255, 255));

        // The first save writes in place and says so.
        m_main->ws.dataset.setValue(2, 3, 7.5);
        m_main->ws.dataset.unsaved = 1;
        FileCommands::saveDataset(*m_main);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox saved = boxes.take();
        QCOMPARE(saved.text, QStringLiteral("フィル名 ") + base + QStringLiteral(" に保存を行いました。"));
        QCOMPARE(saved.title, QStringLiteral("データの保存"));
        QCOMPARE(saved.kind, MessageBox::Kind::Refusal);
        QCOMPARE(readBytes(base + ".QCS"), std::string(" 0  0  0  0  0  7.5 "));
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(ds.unsaved, 0);

        // The second opens the save dialog with the dataset's name.
        FileCommands::saveDataset(*m_main);
        auto* save = shown<saveform>();
        QVERIFY(save);
        QCOMPARE(child<QLineEdit>(save, "Text1")->text(), QStringLiteral("sample"));
        QCOMPARE(boxes.count(), 0);

        // Saving over an existing dataset asks; Cancel keeps the dialog open and writes nothing.
        m_main->ws.dataset.setValue(1, 1, 9);
        m_main->ws.dataset.unsaved = 1;
        boxes.plan(MessageBox::Answer::Cancel);
        click(save, "Command1");
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox overwrite = boxes.take();
        QCOMPARE(overwrite.text, QStringLiteral("このファイルはすでに存在します。上書きしますか？"));
        QCOMPARE(overwrite.title, QStringLiteral("ファイルの作成"));
        QCOMPARE(overwrite.kind, MessageBox::Kind::Confirm);
        QCOMPARE(ZelWindow::findOpen<saveform>(), save);
        QCOMPARE(readBytes(base + ".QCS"), std::string(" 0  0  0  0  0  7.5 "));
        QCOMPARE(ds.unsaved, 1);

        // Under a new name nothing is asked; the dataset takes that name.
        typeName(save, QStringLiteral("copy"));
        click(save, "Command1");
        QTRY_VERIFY(!ZelWindow::findOpen<saveform>());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(readBytes(path("copy.QCS")), std::string(" 9  0  0  0  0  7.5 "));
        QCOMPARE(QString::fromStdString(ds.basePath), path(QStringLiteral("copy")));
        QCOMPARE(m_main->name, path(QStringLiteral("copy")));
        QCOMPARE(ds.fileName, std::string("copy"));
        QCOMPARE(ds.unsaved, 0);
    }

    void editedNamesAndOverwriteOnNew() {
        writeSmallDataset(path(QStringLiteral("old")).toStdString());
        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        typeName(create, QStringLiteral("old"));
        uitest::MessageBoxRecorder boxes;
        ModalDriver driver;
        // Cancel to the overwrite question: the dialog stays, nothing changes.
        boxes.plan(MessageBox::Answer::Cancel);
        click(create, "Command1");
        QCOMPARE(boxes.take().text, QStringLiteral("このファイルはすでに存在します。上書きしますか？"));
        QCOMPARE(ZelWindow::findOpen<sinkform>(), create);
        QVERIFY(m_main->ws.dataset.basePath.empty());
        QVERIFY(m_main->name.isEmpty());

        driver.add(fillDimensions(QStringLiteral("3.5"), 2));
        driver.add([](QWidget* w) {
            auto* g = qobject_cast<rot*>(w)->namesGrid();
            g->setFocus();
            g->setCurrentCol(1);
            g->setCurrentRow(2);
            QTest::keyClick(g, Qt::Key_Delete);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Wt"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            click(w, "Command1");
        });
        click(create, "Command1");
        QVERIFY(driver.done());
        QCOMPARE(boxes.take().text, QStringLiteral("このファイルはすでに存在します。上書きしますか？"));
        QCOMPARE(m_main->ws.dataset.sampleCount(), 4); // 3.5 rounds to 4
        QCOMPARE(m_main->ws.dataset.name(2), std::string("Wt"));
        QCOMPARE(readBytes(path("old.QCN")),
                 std::string(" 4  2 \r\nA\r\nWt\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n1\r\n2\r\n3\r\n4\r\n"));
    }

    void sampleCountRefusals() {
        int samples = 0, variables = 0;
        uitest::MessageBoxRecorder boxes;
        ModalDriver driver;
        auto retype = [](QWidget* w, const QString& text) {
            auto* field = child<QLineEdit>(w, "Text1");
            field->selectAll();
            QTest::keyClicks(field, text);
            click(w, "Command1");
        };
        driver.add([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("変数の設定"));
            QCOMPARE(qobject_cast<ZelWindow*>(w)->geometrySuffix(), QStringLiteral("ty"));
            QCOMPARE(child<QLabel>(w, "Label1")->text(),
                     QStringLiteral("サンプル数（項目数）を入力してください"));
            QCOMPARE(child<QLabel>(w, "Label2")->text(),
                     QStringLiteral("そのサンプルにはいくつの変数がありますか？"));
            auto* spin = child<QSpinBox>(w, "Spin1");
            QCOMPARE(spin->minimum(), 1);
            QCOMPARE(spin->maximum(), 100);
            QCOMPARE(spin->value(), 1);
            QTest::keyClicks(child<QLineEdit>(w, "Text1"), QStringLiteral("1"));
            click(w, "Command1");
            retype(w, QStringLiteral("abc"));
            retype(w, QStringLiteral("40000"));
            QVERIFY(w->isVisible());
            retype(w, QStringLiteral("2.5"));
        });
        QCOMPARE(ZelWindow::openModal<tydata>(*m_main, samples, variables, nullptr), int(QDialog::Accepted));
        QVERIFY(driver.done());
        const QList<uitest::SeenBox> seen = boxes.takeAll();
        QCOMPARE(seen.size(), 3);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(seen[i].text, QStringLiteral("サンプル数（２以上）を入力して下さい。"));
            QCOMPARE(seen[i].title, QStringLiteral("わりつけ"));
            QCOMPARE(seen[i].kind, MessageBox::Kind::Refusal);
        }
        QCOMPARE(seen[2].text, QStringLiteral("サンプル数は32767以下で入力して下さい。"));
        QCOMPARE(samples, 2);
        QCOMPARE(variables, 1);

        // ｷｬﾝｾﾙ returns nothing.
        samples = 0;
        driver.add([](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "Text1"), QStringLiteral("5"));
            click(w, "Command2");
        });
        QCOMPARE(ZelWindow::openModal<tydata>(*m_main, samples, variables, nullptr), int(QDialog::Rejected));
        QCOMPARE(samples, 0);
        QCOMPARE(boxes.count(), 0);
    }

    void unsavedQuestion() {
        writeSmallDataset(path(QStringLiteral("d")).toStdString());
        zel::Dataset& ds = m_main->ws.dataset;
        ds.setBase(path(QStringLiteral("d")).toStdString());
        ds.unsaved = 1;
        uitest::MessageBoxRecorder boxes;
        boxes.plan(MessageBox::Answer::Cancel);
        FileCommands::newDataset(*m_main);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox question = boxes.take();
        QCOMPARE(question.text,
                 QStringLiteral("このファイルは保存されていません。このまま実行してもよろしいですか？"));
        QCOMPARE(question.title, QStringLiteral("ファイルの保存"));
        QCOMPARE(question.kind, MessageBox::Kind::Confirm);
        QCOMPARE(ds.unsaved, 1);
        QVERIFY(!ZelWindow::findOpen<sinkform>());

        FileCommands::openDataset(*m_main);
        QCOMPARE(boxes.take().text, question.text);
        QCOMPARE(ds.unsaved, 0);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        click(load, "Command2");
        QTRY_VERIFY(!ZelWindow::findOpen<LoadForm>());
        // Cancelled dialog or not, the flag is cleared: no second question.
        FileCommands::newDataset(*m_main);
        QVERIFY(shown<sinkform>());
        QCOMPARE(boxes.count(), 0);
    }

    void openAndOpenWithMissingValues() {
        writeSmallDataset(path(QStringLiteral("small")).toStdString());
        FileCommands::openDataset(*m_main);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        auto* files = child<QListWidget>(load, "File1");
        QCOMPARE(load->listedFiles(), QStringList{QStringLiteral("small.QCS")});
        clickItem(files, itemByText(files, QStringLiteral("small.QCS")));
        QCOMPARE(child<QLineEdit>(load, "Text1")->text(), QStringLiteral("small"));
        m_main->ws.dataset.saveInPlace = 1;
        doubleClickItem(files, itemByText(files, QStringLiteral("small.QCS")));
        QTRY_VERIFY(!ZelWindow::findOpen<LoadForm>());
        const zel::Dataset& ds = m_main->ws.dataset;
        QCOMPARE(ds.sampleCount(), 2);
        QCOMPARE(ds.value(2, 1), -3.0);
        QCOMPARE(ds.name(1), std::string("長さ"));
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(m_main->name, path(QStringLiteral("small")));
        QCOMPARE(QString::fromStdString(ds.folder), m_dir->path());
        QCOMPARE(m_main->grid_().text(1, 1), QStringLiteral("1.5"));
        QCOMPARE(m_main->grid_().backColor(1, 2), QColor(255, 255, 0));
        QCOMPARE(QDir::currentPath(), m_dir->path());

        // The values file is missing: names, masks and labels are read, the
        // failure is shown, and a save no longer goes straight to the files.
        writeSmallDataset(path(QStringLiteral("broken")).toStdString());
        QVERIFY(QFile::remove(path(QStringLiteral("broken.QCS"))));
        m_main->ws.dataset.saveInPlace = 1;
        FileCommands::openDataset(*m_main);
        load = shown<LoadForm>();
        QVERIFY(load);
        typeName(load, QStringLiteral("broken"));
        uitest::MessageBoxRecorder boxes;
        click(load, "Command1");
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox failure = boxes.take();
        QCOMPARE(failure.title, QStringLiteral("データの呼出し"));
        QCOMPARE(failure.kind, MessageBox::Kind::Refusal);
        QVERIFY(!failure.text.isEmpty());
        QCOMPARE(ds.label(2), std::string("b"));
        QCOMPARE(ds.mask(2), 1);
        QCOMPARE(m_main->grid_().rowCount(), 2);
        QCOMPARE(m_main->grid_().text(2, 0), QStringLiteral("幅"));
        QCOMPARE(m_main->name, path(QStringLiteral("broken")));
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(ZelWindow::findOpen<LoadForm>(), load);
    }

    void deleteNoneSomeAll() {
        writeBytes(path("keep.QCS"), " 1 ");
        FileCommands::openDataset(*m_main);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        uitest::MessageBoxRecorder boxes;

        // None exists: no question, the list is read again.
        typeName(load, QStringLiteral("none"));
        writeBytes(path("late.QCS"), " 1 ");
        click(load, "Command3");
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(load->listedFiles(), (QStringList{QStringLiteral("keep.QCS"), QStringLiteral("late.QCS")}));

        // Some: the limits and names files.
        const QString base = path(QStringLiteral("some"));
        writeBytes(base + ".QCK", "x");
        writeBytes(base + ".QCN", "x");
        typeName(load, QStringLiteral("some"));
        boxes.plan(MessageBox::Answer::Cancel);
        click(load, "Command3");
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox question = boxes.take();
        QCOMPARE(question.text, QStringLiteral("以下のファイルを削除します。\n") + base + ".QCK\n" + base +
                                    ".QCN\nよろしいですか？");
        QCOMPARE(question.title, QStringLiteral("ファイルの削除"));
        QCOMPARE(question.kind, MessageBox::Kind::Confirm);
        QVERIFY(QFile::exists(base + ".QCK"));
        click(load, "Command3");
        QCOMPARE(boxes.take().text, question.text);
        QVERIFY(!QFile::exists(base + ".QCK"));
        QVERIFY(!QFile::exists(base + ".QCN"));

        // All three, one of them the open dataset's own: the dataset stays in memory.
        const QString all = path(QStringLiteral("all"));
        writeSmallDataset(all.toStdString());
        writeBytes(all + ".QCK", "x");
        m_main->ws.dataset.resize(3, 1);
        m_main->ws.dataset.setBase(all.toStdString());
        load->refreshFiles();
        QVERIFY(load->listedFiles().contains(QStringLiteral("all.QCS")));
        typeName(load, QStringLiteral("all"));
        click(load, "Command3");
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.take().text, QStringLiteral("以下のファイルを削除します。\n") + all + ".QCK\n" + all +
                                        ".QCN\n" + all + ".QCS\nよろしいですか？");
        QVERIFY(!QFile::exists(all + ".QCK") && !QFile::exists(all + ".QCN") && !QFile::exists(all + ".QCS"));
        QVERIFY(!load->listedFiles().contains(QStringLiteral("all.QCS")));
        QCOMPARE(m_main->ws.dataset.sampleCount(), 3);
        QCOMPARE(QString::fromStdString(m_main->ws.dataset.basePath), all);

        // An empty name does nothing.
        typeName(load, QString());
        click(load, "Command3");
        QCOMPARE(boxes.count(), 0);
    }

    void nameFieldKeyRules() {
        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        auto* field = child<QLineEdit>(create, "Text1");
        QTest::keyClicks(field, QStringLiteral("ab.c"));
        QCOMPARE(field->text(), QStringLiteral("ab.c")); // the main full stop is allowed
        uitest::MessageBoxRecorder boxes;
        QTest::keyClick(field, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox extension = boxes.take();
        QCOMPARE(extension.text, QStringLiteral("拡張子を入力する必要はありません。"));
        QCOMPARE(extension.title, QStringLiteral("ファイルの作成"));
        QCOMPARE(extension.kind, MessageBox::Kind::Refusal);
        QCOMPARE(field->text(), QStringLiteral("ab.c"));

        const QList<QPair<Qt::Key, QString>> refused{{Qt::Key_Backslash, QStringLiteral("\\")},
                                                     {Qt::Key_Slash, QStringLiteral("/")},
                                                     {Qt::Key_yen, QStringLiteral("¥")}};
        for (const auto& [key, text] : refused) {
            QTest::sendKeyEvent(QTest::Click, field, key, text, Qt::NoModifier);
            QCOMPARE(boxes.count(), 1);
            const uitest::SeenBox box = boxes.take();
            QCOMPARE(box.text, QStringLiteral("￥は使用できません。"));
            QCOMPARE(box.title, QStringLiteral("ファイルの作成"));
            QCOMPARE(field->text(), QStringLiteral("ab.c"));
        }

        // A pasted name that leads into another folder is refused at OK.
        field->setText(QStringLiteral("../x"));
        click(create, "Command1");
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.take().text, QStringLiteral("￥は使用できません。"));
        QCOMPARE(ZelWindow::findOpen<sinkform>(), create);
        QVERIFY(m_main->ws.dataset.basePath.empty());
    }

    void patternRule() {
        for (const char* name : {"a.QCS", "a.QCN", "b.QCK", "c.txt", "d"})
            writeBytes(path(QString::fromLatin1(name)), "x");
        FileCommands::openDataset(*m_main);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        auto* qcs = child<QCheckBox>(load, "Check1");
        auto* qcn = child<QCheckBox>(load, "Check2");
        QCOMPARE(load->pattern(), QStringLiteral("*.QCS"));
        QCOMPARE(load->listedFiles(), QStringList{QStringLiteral("a.QCS")});
        QTest::mouseClick(qcn, Qt::LeftButton, {}, QPoint(qcn->height() / 2, qcn->height() / 2));
        QCOMPARE(load->pattern(), QStringLiteral("*.QCS;*.QCN"));
        QCOMPARE(load->listedFiles(), (QStringList{QStringLiteral("a.QCN"), QStringLiteral("a.QCS")}));
        QTest::mouseClick(qcs, Qt::LeftButton, {}, QPoint(qcs->height() / 2, qcs->height() / 2));
        QCOMPARE(load->pattern(), QStringLiteral("*.QCN"));
        QCOMPARE(load->listedFiles(), QStringList{QStringLiteral("a.QCN")});
        QTest::mouseClick(qcn, Qt::LeftButton, {}, QPoint(qcn->height() / 2, qcn->height() / 2));
        QCOMPARE(load->pattern(), QStringLiteral("*.*"));
        QCOMPARE(load->listedFiles().size(), 5);
    }

    void folderListAndDrives() {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
        const QString sub = path(QStringLiteral("sub"));
        writeSmallDataset((sub + "/inner").toStdString());
        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        auto* folders = child<QListWidget>(create, "Dir1");
        QCOMPARE(create->highlightedFolder(), m_dir->path());
        QVERIFY(folderItem(folders, QStringLiteral("/")));

        // A highlighted folder is entered by OK, and nothing else happens.
        typeName(create, QStringLiteral("x"));
        clickItem(folders, folderItem(folders, sub));
        QCOMPARE(create->highlightedFolder(), sub);
        QCOMPARE(create->folderPath(), m_dir->path());
        click(create, "Command1");
        QCOMPARE(create->folderPath(), sub);
        QCOMPARE(child<QLabel>(create, "Label4")->text(), sub);
        QCOMPARE(create->listedFiles(), QStringList{QStringLiteral("inner.QCS")});
        QCOMPARE(ZelWindow::findOpen<sinkform>(), create);
        QVERIFY(m_main->ws.dataset.basePath.empty());

        // Double-clicking an ancestor goes there.
        doubleClickItem(folders, folderItem(folders, m_dir->path()));
        QCOMPARE(create->folderPath(), m_dir->path());

        // A drive that cannot be read: the message, and back to the drive before.
        create->setDrives({QStringLiteral("/"), QStringLiteral("/nonexistent-zel-drive")});
        auto* drives = child<QComboBox>(create, "Drive1");
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
        uitest::MessageBoxRecorder boxes;
        drives->setFocus();
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox notReady = boxes.take();
        QCOMPARE(notReady.text, QStringLiteral("ドライブの準備ができていません"));
        QCOMPARE(notReady.title, QStringLiteral("データの呼出し"));
        QCOMPARE(notReady.kind, MessageBox::Kind::Refusal);
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
        QCOMPARE(create->folderPath(), m_dir->path());
        // A readable drive moves the folder list to it.
        create->setDrives({QStringLiteral("/"), sub});
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(create->folderPath(), sub);
        QCOMPARE(boxes.count(), 0);

        // The next dialog starts where the dataset lives.
        click(create, "Command2");
        QTRY_VERIFY(!ZelWindow::findOpen<sinkform>());
        m_main->ws.dataset.folder = sub.toStdString();
        m_main->ws.dataset.drive = "/t";
        FileCommands::openDataset(*m_main);
        auto* load = shown<LoadForm>();
        QVERIFY(load);
        QCOMPARE(load->folderPath(), sub);
    }

    void failedSavesChangeNothing() {
        zel::Dataset& ds = m_main->ws.dataset;
        ds.resize(1, 1);
        ds.setName(1, "😀"); // code page 932 has no such character
        ds.setBase(path(QStringLiteral("bad")).toStdString());
        ds.fileName = "bad";
        ds.unsaved = 1;
        ds.saveInPlace = 1;
        uitest::MessageBoxRecorder boxes;
        FileCommands::saveDataset(*m_main);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox failure = boxes.take();
        QCOMPARE(failure.title, QStringLiteral("データの保存"));
        QVERIFY(!failure.text.contains(QStringLiteral("保存を行いました")));
        QCOMPARE(ds.unsaved, 1);
        QCOMPARE(ds.saveInPlace, 1);
        QVERIFY(!QFile::exists(path("bad.QCN")));

        ds.saveInPlace = 0;
        FileCommands::saveDataset(*m_main);
        auto* save = shown<saveform>();
        QVERIFY(save);
        typeName(save, QStringLiteral("other"));
        click(save, "Command1");
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.take().title, QStringLiteral("データの保存"));
        QCOMPARE(ZelWindow::findOpen<saveform>(), save);
        QCOMPARE(QString::fromStdString(ds.basePath), path(QStringLiteral("bad")));
        QCOMPARE(ds.fileName, std::string("bad"));
        QCOMPARE(ds.unsaved, 1);
        QVERIFY(!QFile::exists(path("other.QCN")));
    }

    void newClosedBeforeTheNamesKeepsTheData() {
        zel::Dataset& ds = m_main->ws.dataset;
        ds.resize(3, 2);
        ds.setValue(3, 2, 42);
        ds.setBase(path(QStringLiteral("prev")).toStdString());
        FileCommands::newDataset(*m_main);
        auto* create = shown<sinkform>();
        QVERIFY(create);
        typeName(create, QStringLiteral("fresh"));
        ModalDriver driver;
        driver.add([](QWidget* w) { click(w, "Command2"); });
        click(create, "Command1");
        QVERIFY(driver.done());
        QTRY_VERIFY(!ZelWindow::findOpen<sinkform>());
        QCOMPARE(ds.sampleCount(), 3);
        QCOMPARE(ds.value(3, 2), 42.0);
        QCOMPARE(QString::fromStdString(ds.basePath), path(QStringLiteral("fresh")));
        QVERIFY(!QFile::exists(path("fresh.QCN")));
        QVERIFY(!QFile::exists(path("fresh.QCS")));
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
