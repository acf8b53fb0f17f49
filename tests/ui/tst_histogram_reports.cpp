// The report command of the histogram and the stratified histogram, run from
// its command line as a user types it: the frequency table with its headings,
// the table as shown at the chosen places, the chart, the summary, the graph
// settings' options and every refusal, which writes nothing.
#include "common/NumberText.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

#include <cmath>

using namespace uitest;

namespace {

QString number(double value) {
    return QString::fromStdString(zel::generalNumberText(value));
}

} // namespace

class TestHistogramReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_lengths; // 長さ 1, 2, 3, 4 and 幅 2, 2, 3, 9

    ReportRun report(const QString& out, const QStringList& args, const QString& dataset,
                     QString* dir = nullptr) {
        return m_folder.run(out, args, dataset, dir);
    }
    void expectRefused(const QStringList& args, const std::string& message, const QString& dataset = {}) {
        uitest::expectRefused(m_folder, args, dataset.isEmpty() ? m_lengths : dataset, message);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_lengths = m_folder.writeDataset(QStringLiteral("lengths"), {"長さ", "幅"},
                                          {{1, 2}, {2, 2}, {3, 3}, {4, 9}});
    }

    void oneVariableWritesTheTableTheChartAndTheSummary() {
        QString out;
        const ReportRun run = report(QStringLiteral("one"),
                                     {QStringLiteral("--report=histogram"), QStringLiteral("--var=長さ"),
                                      QStringLiteral("--set=upper=4"), QStringLiteral("--set=lower=0"),
                                      QStringLiteral("--set=classes=4"), QStringLiteral("--set=decimals=1")},
                                     m_lengths, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out), (QStringList{"dobun.csv", "dobun.txt", "summary.txt", "youko-Graph1.pdf",
                                            "youko-Graph1.png", "youko-Graph1.svg"}));

        // The upper limit's value 4 counts in the last class.
        QCOMPARE(csvLines(out + QStringLiteral("/dobun.csv")),
                 (QStringList{"クラス,区間(以上）,区間(未満）,中心値,長さ", "NO.1,0,1,0.5,0",
                              "NO.2,1,2,1.5,1", "NO.3,2,3,2.5,1", "NO.4,3,4,3.5,2"}));
        // As the window shows it: the boundaries at the chosen places, the counts whole.
        const QStringList shown = shownLines(out + QStringLiteral("/dobun.txt"));
        QCOMPARE(shown[0], QStringLiteral("クラス\t区間(以上）\t区間(未満）\t中心値\t長さ"));
        QCOMPARE(shown[4], QStringLiteral("NO.4\t3.0\t4.0\t3.5\t2"));

        QCOMPARE(summaryIn(out), QStringLiteral("mean 1 2.5\nvariance 1 ") + number(5.0 / 3) +
                                     QStringLiteral("\nsd 1 ") + number(std::sqrt(5.0 / 3)) +
                                     QStringLiteral("\nn 1 4\n"));

        // The histogram's title, and the variable's name under the chart.
        const QByteArray svg = readAll(out + QStringLiteral("/youko-Graph1.svg"));
        QVERIFY(svg.contains("ヒストグラム"));
        QVERIFY(svg.contains("長"));       // the generator may write a text glyph by glyph
        QVERIFY(svg.contains("2.0～3.0")); // a class label at the table's places
        QCOMPARE(QImage(out + QStringLiteral("/youko-Graph1.png")).isNull(), false);
        QVERIFY(readAll(out + QStringLiteral("/youko-Graph1.pdf")).startsWith("%PDF"));
    }

    void allDataPoolsEveryVariableWithTheDialogsDefaults() {
        QString out;
        const ReportRun run =
            report(QStringLiteral("all"),
                   {QStringLiteral("--report=histogram"), QStringLiteral("--var=全データ")}, m_lengths, &out);
        QCOMPARE(run.exitCode, 0);
        // Ten classes from the minimum 1 to the maximum 9.
        const QStringList csv = csvLines(out + QStringLiteral("/dobun.csv"));
        QCOMPARE(csv.size(), 11);
        QVERIFY(csv[0].endsWith(QStringLiteral(",中心値,全データ")));
        QVERIFY(csv[1].startsWith(QStringLiteral("NO.1,1,1.8,")));
        QVERIFY(csv[10].startsWith(QStringLiteral("NO.10,8.2,9,")));
        const QString summary = summaryIn(out);
        QVERIFY(summary.startsWith(QStringLiteral("mean 1 3.25\n")));
        QVERIFY(summary.endsWith(QStringLiteral("n 1 8\n")));
    }

    void twoVariablesCountSideBySide() {
        QString out;
        const ReportRun run = report(QStringLiteral("two"),
                                     {QStringLiteral("--report=histogram"), QStringLiteral("--var=幅"),
                                      QStringLiteral("--var=1"), QStringLiteral("--set=kind=折れ線グラフ")},
                                     m_lengths, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(csvLines(out + QStringLiteral("/dobun.csv"))[0].endsWith(QStringLiteral(",中心値,幅,長さ")));
        const QString summary = summaryIn(out);
        QCOMPARE(summary.count('\n'), 8);
        QVERIFY(summary.contains(QStringLiteral("mean 1 4\n")));
        QVERIFY(summary.contains(QStringLiteral("mean 2 2.5\n")));
        // The line kind names the series in its legend.
        const QByteArray svg = readAll(out + QStringLiteral("/youko-Graph1.svg"));
        QVERIFY(svg.contains("幅"));
        QVERIFY(svg.contains("長"));
    }

    void upperFollowsTheWidthWhenAdjustingTheUpperLimit() {
        QString out;
        const ReportRun run = report(QStringLiteral("adjust"),
                                     {QStringLiteral("--report=histogram"),
                                      QStringLiteral("--set=adjust=upper"), QStringLiteral("--set=lower=0"),
                                      QStringLiteral("--set=width=1.5"), QStringLiteral("--set=classes=4")},
                                     m_lengths, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(csvLines(out + QStringLiteral("/dobun.csv")),
                 (QStringList{"クラス,区間(以上）,区間(未満）,中心値,長さ", "NO.1,0,1.5,0.75,1",
                              "NO.2,1.5,3,2.25,1", "NO.3,3,4.5,3.75,2", "NO.4,4.5,6,5.25,0"}));
    }

    void settingsThatCannotBeUsedAreRefused() {
        const QString hist = QStringLiteral("--report=histogram");
        // The limits check of the graph settings dialog, in its order.
        expectRefused({hist, QStringLiteral("--set=upper=3.5"), QStringLiteral("--set=lower=2")},
                      "グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。");
        expectRefused({hist, QStringLiteral("--set=lower=2")},
                      "グラフの下限値は入力されたデータの最小値よりも小きくなるよう設定を変更してください。");
        expectRefused({hist, QStringLiteral("--set=adjust=upper"), QStringLiteral("--set=lower=0"),
                       QStringLiteral("--set=width=0.5"), QStringLiteral("--set=classes=4")},
                      "グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。");
        // The field the option computes is not typed.
        expectRefused({hist, QStringLiteral("--set=width=2")},
                      "width= は adjust=upper（上限値で調整）のときに使います。");
        expectRefused({hist, QStringLiteral("--set=adjust=upper"), QStringLiteral("--set=upper=9")},
                      "upper= は adjust=width（区間幅で調整）のときに使います。");
        expectRefused({hist, QStringLiteral("--set=adjust=both")},
                      "adjust= には width（区間幅で調整）か upper（上限値で調整）を指定してください: both");
        expectRefused({hist, QStringLiteral("--set=classes=101")},
                      "classes= には 2 から 100 の整数を指定してください: 101");
        expectRefused({hist, QStringLiteral("--set=decimals=11")},
                      "decimals= には 0 から 10 の整数を指定してください: 11");
        expectRefused({hist, QStringLiteral("--set=upper=abc")}, "upper= には数値を指定してください: abc");
        expectRefused({hist, QStringLiteral("--set=kind=ドーナツ")}, "不明なグラフの種類です: ドーナツ");
        // The variable dialogs' checks.
        expectRefused({hist, QStringLiteral("--var=長さ"), QStringLiteral("--var=1")},
                      "変数１と変数２が同じです｡");
        expectRefused({hist, QStringLiteral("--var=全データ"), QStringLiteral("--var=幅")},
                      "全データ は --var を 1 つだけ指定するときに使えます。");
        expectRefused({hist, QStringLiteral("--var=1"), QStringLiteral("--var=2"), QStringLiteral("--var=1"),
                       QStringLiteral("--var=2")},
                      "--var が多すぎます（この解析では 3 つまで）。");
    }

    void stratifiedHistogramCountsEachStratum() {
        const QString strata = m_folder.writeDataset(QStringLiteral("strata"), {"因子", "値"},
                                                     {{1, 10}, {2, 1}, {1, 20}, {2.5, 2}, {1.5, 3}});
        QString out;
        const ReportRun run =
            report(QStringLiteral("strata"),
                   {QStringLiteral("--report=stratified-histogram"), QStringLiteral("--var=因子"),
                    QStringLiteral("--var=値"), QStringLiteral("--set=upper=20"),
                    QStringLiteral("--set=lower=0"), QStringLiteral("--set=classes=2")},
                   strata, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        // Strata 1 (a, c) and 2 (b, d, e: 2.5 and 1.5 round to 2), named by their first label.
        QCOMPARE(csvLines(out + QStringLiteral("/dobun.csv")),
                 (QStringList{"クラス,区間(以上）,区間(未満）,中心値,a,b", "NO.1,0,10,5,0,3",
                              "NO.2,10,20,15,2,0"}));
        const QString summary = summaryIn(out);
        QVERIFY(summary.contains(QStringLiteral("n 1 2\n")));
        QVERIFY(summary.contains(QStringLiteral("mean 2 2\n")));
        QCOMPARE(QImage(out + QStringLiteral("/youko-Graph1.png")).isNull(), false);

        expectRefused({QStringLiteral("--report=stratified-histogram"), QStringLiteral("--var=値"),
                       QStringLiteral("--var=値")},
                      "層別変数と解析変数が同じです｡", strata);
    }
};

QTEST_MAIN(TestHistogramReports)
#include "tst_histogram_reports.moc"
