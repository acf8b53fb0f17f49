// The variable dialogs hensi1, hensi2 and hensi3 as a user drives them: their
// captions for each current analysis, the same-variable refusals, the Analysis
// set they build ("全データ" and masked samples included), "ｷｬﾝｾﾙ", and the
// window they open next.
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "app/form1.h"
#include "common/SettingsStore.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MessageBox.h"
#include "windowkit/ZelWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "MainWindowSupport.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::answerBox;
using uitest::flushDeletes;
using uitest::PlainWindow;
using uitest::SeenBox;

namespace {

QComboBox* list(QWidget* dialog, int i) {
    return dialog->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(i));
}

void click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Picks a list entry with the keyboard, as the user does.
void pick(QComboBox* box, int index) {
    QVERIFY(box);
    box->setFocus();
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), index);
}

} // namespace

class TestHensi : public QObject {
    Q_OBJECT

  private:
    uitest::MainWindowFixture m_main;
    zel::MemorySettingsStore* m_store = nullptr;

    form1& f() { return m_main.window(); }

    // The analysis shown in the main window's list (entries whose windows are
    // not in the program yet are set directly; a user cannot choose them).
    void setAnalysis(const QString& name) {
        auto* box = f().findChild<QComboBox*>(QStringLiteral("Combo1"));
        box->setCurrentIndex(box->findText(name));
        QCOMPARE(f().currentAnalysisName(), name);
    }

    // Five samples of three variables; sample 2 is masked.
    void setDataset() {
        zel::Dataset& ds = f().workspace().dataset;
        ds.resize(5, 3);
        ds.setName(1, "長さ");
        ds.setName(2, "幅");
        ds.setName(3, "重さ");
        for (int i = 1; i <= 5; ++i) {
            ds.setLabel(i, "L" + std::to_string(i));
            for (int j = 1; j <= 3; ++j)
                ds.setValue(i, j, 10.0 * i + j);
        }
        ds.setMask(2, 1);
        ds.setBase("/tmp/zel-hensi/lot");
        f().setDatasetName(QStringLiteral("/tmp/zel-hensi/lot"));
    }

    ZelWindow* openDialog(const char* name) {
        const AnalysisLaunch::Opener open = AnalysisLaunch::opener(QString::fromLatin1(name));
        return open ? open(f()) : nullptr;
    }

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_store = static_cast<zel::MemorySettingsStore*>(
            &m_main.installStore(uitest::MainWindowFixture::Store::Memory));
    }

    void init() {
        m_main.start();
        setDataset();
    }

    void cleanup() {
        using zel::WindowId;
        for (WindowId w : {WindowId::oresen, WindowId::sanpuzu, WindowId::bunform, WindowId::rsanpu})
            AnalysisLaunch::registerOpener(w, {});
        m_main.stop();
    }

    void captionsFollowTheCurrentAnalysis() {
        setAnalysis(QStringLiteral("ヒストグラム"));
        ZelWindow* one = openDialog("hensi1");
        QVERIFY(one);
        QCOMPARE(one->objectName(), QStringLiteral("hensi1"));
        QCOMPARE(one->windowTitle(), QStringLiteral("解析に使用する変数の指定"));
        QCOMPARE(uitest::labelText(one, "Label1"), QStringLiteral("解析に使用する変数を指定してください。"));
        QComboBox* l1 = list(one, 1);
        QVERIFY(!l1->isEditable());
        QCOMPARE(l1->count(), 4);
        QCOMPARE(l1->itemText(0), QStringLiteral("長さ"));
        QCOMPARE(l1->itemText(2), QStringLiteral("重さ"));
        QCOMPARE(l1->itemText(3), QStringLiteral("全データ"));
        QCOMPARE(l1->currentIndex(), 0);
        QCOMPARE(one->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
        QCOMPARE(one->findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("ｷｬﾝｾﾙ"));

        ZelWindow* two = openDialog("hensi2");
        QCOMPARE(two->windowTitle(), QStringLiteral("解析に使用する変数の指定"));
        QCOMPARE(uitest::labelText(two, "Label1"), QStringLiteral("解析に使用する変数を指定してください。"));
        QCOMPARE(uitest::labelText(two, "Label2"), QStringLiteral("変数１・・・"));
        QCOMPARE(uitest::labelText(two, "Label3"), QStringLiteral("変数２・・・"));
        QCOMPARE(list(two, 1)->count(), 3);
        QCOMPARE(list(two, 1)->currentIndex(), 0);
        QCOMPARE(list(two, 2)->currentIndex(), 1);

        ZelWindow* three = openDialog("hensi3");
        QCOMPARE(uitest::labelText(three, "Label2"), QStringLiteral("変数１・・・"));
        QCOMPARE(uitest::labelText(three, "Label3"), QStringLiteral("変数２・・・"));
        QCOMPARE(uitest::labelText(three, "Label4"), QStringLiteral("変数３・・・"));
        QCOMPARE(list(three, 3)->currentIndex(), 2);
        QCOMPARE(list(three, 3)->count(), 3);
        ZelWindow::closeAll();
        flushDeletes();

        setAnalysis(QStringLiteral("散布図"));
        two = openDialog("hensi2");
        QCOMPARE(uitest::labelText(two, "Label2"), QStringLiteral("Ｙ軸・・・"));
        QCOMPARE(uitest::labelText(two, "Label3"), QStringLiteral("Ｘ軸・・・"));
        three = openDialog("hensi3");
        QCOMPARE(uitest::labelText(three, "Label2"), QStringLiteral("Ｙ軸・・・"));
        QCOMPARE(uitest::labelText(three, "Label3"), QStringLiteral("Ｘ軸・・・"));
        QCOMPARE(uitest::labelText(three, "Label4"), QStringLiteral("Ｘ軸・・・"));
        ZelWindow::closeAll();
        flushDeletes();

        setAnalysis(QStringLiteral("立体散布図"));
        two = openDialog("hensi2");
        QCOMPARE(uitest::labelText(two, "Label2"), QStringLiteral("変数１・・・"));
        three = openDialog("hensi3");
        QCOMPARE(uitest::labelText(three, "Label2"), QStringLiteral("Ｙ軸・・・"));
        QCOMPARE(uitest::labelText(three, "Label3"), QStringLiteral("Ｘ軸・・・"));
        QCOMPARE(uitest::labelText(three, "Label4"), QStringLiteral("Ｚ軸・・・"));
        // Each dialog exists once: opening it again brings the same one forward.
        QCOMPARE(openDialog("hensi3"), three);
    }

    void sameVariablesAreRefusedAndTheDialogStays() {
        setAnalysis(QStringLiteral("変数別グラフ"));
        f().workspace().analysisSet.seriesCount = 99; // what an earlier analysis left
        ZelWindow* two = openDialog("hensi2");
        pick(list(two, 2), 0);
        SeenBox box = answerBox([&] { click(two, "Command1"); });
        QVERIFY(box.seen);
        QCOMPARE(box.text, QStringLiteral("変数１と変数２が同じです｡"));
        QCOMPARE(box.title, QStringLiteral("変数の指定"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(ZelWindow::find(QStringLiteral("hensi2")));
        QCOMPARE(f().workspace().analysisSet.seriesCount, 99);

        ZelWindow* three = openDialog("hensi3");
        // All three on one variable: only the first pair is reported.
        pick(list(three, 2), 0);
        pick(list(three, 3), 0);
        QCOMPARE(answerBox([&] { click(three, "Command1"); }).text,
                 QStringLiteral("変数１と変数２が同じです｡"));
        pick(list(three, 2), 1);
        pick(list(three, 3), 1);
        QCOMPARE(answerBox([&] { click(three, "Command1"); }).text,
                 QStringLiteral("変数２と変数３が同じです｡"));
        pick(list(three, 3), 0);
        QCOMPARE(answerBox([&] { click(three, "Command1"); }).text,
                 QStringLiteral("変数１と変数３が同じです｡"));
        QVERIFY(ZelWindow::find(QStringLiteral("hensi3")));
        QCOMPARE(f().workspace().analysisSet.seriesCount, 99);
    }

    void allDataIsOneSeriesOfEveryValue() {
        setAnalysis(QStringLiteral("変数別グラフ"));
        ZelWindow* one = openDialog("hensi1");
        pick(list(one, 1), 3);
        QCOMPARE(list(one, 1)->currentText(), QStringLiteral("全データ"));
        QVERIFY(!answerBox([&] { click(one, "Command1"); }).seen);
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("hensi1")));

        const zel::AnalysisSet& set = f().workspace().analysisSet;
        QCOMPARE(set.seriesCount, 1);
        QVERIFY(set.variables.empty());
        QCOMPARE(set.names, std::vector<std::string>{"全データ"});
        // Four unmasked samples of three variables, sample by sample.
        QCOMPARE(set.n, 12);
        const std::vector<double> expected = {11, 12, 13, 31, 32, 33, 41, 42, 43, 51, 52, 53};
        QCOMPARE(set.values.at(0), expected);
        QCOMPARE(set.labels.size(), std::size_t(12));
        QCOMPARE(set.labels.front(), std::string("1"));
        QCOMPARE(set.labels.back(), std::string("12"));
        QCOMPARE(set.stats.at(0).mean, 34.5);
    }

    void theSetLeavesNoGapForMaskedSamplesAndTheNextWindowOpens() {
        // A window after the dialog registers its opener; this one stands in for it.
        QStringList opened;
        AnalysisLaunch::registerOpener(zel::WindowId::oresen, [&](MainContext&) -> ZelWindow* {
            opened.append(QStringLiteral("oresen"));
            return ZelWindow::open<PlainWindow>(QStringLiteral("oresen"));
        });
        setAnalysis(QStringLiteral("変数別グラフ"));
        ZelWindow* two = openDialog("hensi2");
        pick(list(two, 1), 2);
        pick(list(two, 2), 0);
        click(two, "Command1");
        flushDeletes();
        QCOMPARE(opened, QStringList{QStringLiteral("oresen")});
        QVERIFY(ZelWindow::find(QStringLiteral("oresen")));
        QVERIFY(!ZelWindow::find(QStringLiteral("hensi2")));

        const zel::AnalysisSet& set = f().workspace().analysisSet;
        QCOMPARE(set.seriesCount, 2);
        QCOMPARE(set.variables, (std::vector<int>{3, 1}));
        QCOMPARE(set.names, (std::vector<std::string>{"重さ", "長さ"}));
        QCOMPARE(set.n, 4);
        QCOMPARE(set.values.at(0), (std::vector<double>{13, 33, 43, 53}));
        QCOMPARE(set.values.at(1), (std::vector<double>{11, 31, 41, 51}));
        QCOMPARE(set.labels, (std::vector<std::string>{"L1", "L3", "L4", "L5"}));
        // Variance with divisor n - 1: values 11, 31, 41, 51 have mean 33.5.
        QCOMPARE(set.stats.at(1).mean, 33.5);
        QVERIFY(qAbs(set.stats.at(1).variance - 875.0 / 3.0) < 1e-9);
        // The geometry was recorded under its own keys on closing.
        QVERIFY(m_store->contains("Setting", "left_hb"));
        QVERIFY(m_store->contains("Setting", "height_hb"));
    }

    void nextWindowsByAnalysis() {
        using AnalysisLaunch::nextWindowAfterVariables;
        for (const char* d : {"hensi1", "hensi2", "hensi3"}) {
            QCOMPARE(nextWindowAfterVariables(QString::fromLatin1(d), QStringLiteral("ヒストグラム")),
                     QStringLiteral("bunform"));
            QCOMPARE(nextWindowAfterVariables(QString::fromLatin1(d), QStringLiteral("変数別グラフ")),
                     QStringLiteral("oresen"));
            QCOMPARE(nextWindowAfterVariables(QString::fromLatin1(d), QStringLiteral("パレート図")),
                     QStringLiteral("oresen"));
        }
        QCOMPARE(nextWindowAfterVariables("hensi1", QStringLiteral("散布図")), QString());
        QCOMPARE(nextWindowAfterVariables("hensi2", QStringLiteral("散布図")), QStringLiteral("sanpuzu"));
        QCOMPARE(nextWindowAfterVariables("hensi3", QStringLiteral("散布図")), QStringLiteral("sanpuzu"));
        QCOMPARE(nextWindowAfterVariables("hensi2", QStringLiteral("立体散布図")), QString());
        QCOMPARE(nextWindowAfterVariables("hensi3", QStringLiteral("立体散布図")), QStringLiteral("rsanpu"));

        // A histogram through hensi3 opens its settings dialog.
        AnalysisLaunch::registerOpener(zel::WindowId::bunform, [](MainContext&) -> ZelWindow* {
            return ZelWindow::open<PlainWindow>(QStringLiteral("bunform"));
        });
        setAnalysis(QStringLiteral("ヒストグラム"));
        ZelWindow* three = openDialog("hensi3");
        click(three, "Command1");
        flushDeletes();
        QVERIFY(ZelWindow::find(QStringLiteral("bunform")));
        QCOMPARE(f().workspace().analysisSet.seriesCount, 3);

        // For the scatter diagram the dialog builds the set and closes.
        setAnalysis(QStringLiteral("散布図"));
        ZelWindow* two = openDialog("hensi2");
        click(two, "Command1");
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("hensi2")));
        QCOMPARE(f().workspace().analysisSet.seriesCount, 2);
        QCOMPARE(f().workspace().analysisSet.variables, (std::vector<int>{1, 2}));
    }

    void cancelChangesNothing() {
        setAnalysis(QStringLiteral("変数別グラフ"));
        f().workspace().analysisSet.seriesCount = 7;
        for (const char* name : {"hensi1", "hensi2", "hensi3"}) {
            ZelWindow* d = openDialog(name);
            click(d, "Command2");
            flushDeletes();
            QVERIFY(!ZelWindow::find(QString::fromLatin1(name)));
        }
        QCOMPARE(f().workspace().analysisSet.seriesCount, 7);
    }
};

QTEST_MAIN(TestHensi)
#include "tst_hensi.moc"
