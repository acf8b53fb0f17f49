// The report command of the scatter diagram, run from its command line as a
// user types it: the two tables and the chart, one block and one column per
// X, the summary of every series, the kind, degree and decimals options, and
// every refusal, which writes nothing.
#include <QFile>
#include <QImage>
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestScatterReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_cure; // 硬さ against 温度 and 時間, five samples

    ReportRun report(const QString& out, const QStringList& args, QString* dir = nullptr,
                     const QString& dataset = {}) {
        return m_folder.run(out, args, dataset.isEmpty() ? m_cure : dataset, dir);
    }
    void expectRefused(const QStringList& args, const std::string& message, const QString& dataset = {}) {
        uitest::expectRefused(m_folder, args, dataset.isEmpty() ? m_cure : dataset, message);
    }
    static QStringList summaryKeys(const QString& out) {
        QStringList keys;
        for (const QString& line : summaryIn(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            keys << line.section(QLatin1Char(' '), 0, 1);
        return keys;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_cure = m_folder.writeDataset(QStringLiteral("cure"), {"硬さ", "温度", "時間"},
                                       {{2, 1, 3}, {4, 2, 1}, {5, 3, 4}, {4, 4, 1}, {5, 5, 5}});
    }

    void twoXGiveTwoBlocksTwoColumnsAndTwoSeries() {
        QString out;
        const ReportRun run = report(QStringLiteral("two"),
                                     {QStringLiteral("--report=scatter"), QStringLiteral("--var=硬さ"),
                                      QStringLiteral("--var=温度"), QStringLiteral("--var=時間")},
                                     &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out),
                 (QStringList{"kaibun.csv", "kaibun.txt", "kaityo.csv", "kaityo.txt", "sanpuzu-Graph1.pdf",
                              "sanpuzu-Graph1.png", "sanpuzu-Graph1.svg", "summary.txt"}));
        const QStringList anova = csvLines(out + QStringLiteral("/kaibun.csv"));
        QCOMPARE(anova.size(), 9);
        QCOMPARE(anova[0], QStringLiteral(" Source, f, S, V, F0, S',ρ(%),p値"));
        QCOMPARE(anova[1], QStringLiteral("変数1,,,,,,,"));
        QCOMPARE(anova[5], QStringLiteral("変数2,,,,,,,"));
        QVERIFY(anova[2].startsWith(QStringLiteral("回帰（Ｒ）,1,")));
        QVERIFY(anova[3].startsWith(QStringLiteral("残差（ｅ）,3,")));
        QVERIFY(anova[4].startsWith(QStringLiteral("計（Ｔ）,4,")));

        // The shown table reads as the window: f whole, ρ at two places, F0
        // with its mark, p at four places.
        const QStringList shown = shownLines(out + QStringLiteral("/kaibun.txt"));
        const QStringList regression = shown[2].split(QLatin1Char('\t'));
        QCOMPARE(regression[1], QStringLiteral("1"));
        QCOMPARE(regression[4], QStringLiteral("4.50   "));
        QCOMPARE(regression[6], QStringLiteral("46.67"));
        QCOMPARE(regression[7], QStringLiteral("0.1240"));

        const QStringList line = csvLines(out + QStringLiteral("/kaityo.csv"));
        QCOMPARE(line[0], QStringLiteral(",変数 1,変数 2"));
        QCOMPARE(line[4], QStringLiteral("回帰方程式,Y=(2.20)+(0.60)X,Y=(3.34)+(0.23)X"));

        QCOMPARE(summaryKeys(out),
                 (QStringList{"r 1", "a 1", "b 1", "sigma 1", "SR 1", "SE 1", "ST 1", "F0 1", "p 1", "n 1",
                              "r 2", "a 2", "b 2", "sigma 2", "SR 2", "SE 2", "ST 2", "F0 2", "p 2", "n 2"}));
        // Both X names stand in the legend.
        const QByteArray svg = readAll(out + QStringLiteral("/sanpuzu-Graph1.svg"));
        QVERIFY(svg.contains("温度"));
        QVERIFY(svg.contains("時間"));
        QCOMPARE(QImage(out + QStringLiteral("/sanpuzu-Graph1.png")).isNull(), false);
        QVERIFY(readAll(out + QStringLiteral("/sanpuzu-Graph1.pdf")).startsWith("%PDF"));
    }

    void aPerfectFitHasNoRatioAndTheOptionsReachTheFiles() {
        const QString line =
            m_folder.writeDataset(QStringLiteral("line"), {"Y", "X"}, {{1, 0}, {3, 1}, {5, 2}, {7, 3}});
        QString out;
        ReportRun run =
            report(QStringLiteral("perfect"),
                   {QStringLiteral("--report=scatter"), QStringLiteral("--var=Y"), QStringLiteral("--var=X"),
                    QStringLiteral("--set=decimals=3"), QStringLiteral("--set=kind=残差プロット")},
                   &out, line);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(summaryKeys(out),
                 (QStringList{"r 1", "a 1", "b 1", "sigma 1", "SR 1", "SE 1", "ST 1", "n 1"}));
        QCOMPARE(csvLines(out + QStringLiteral("/kaityo.csv"))[4],
                 QStringLiteral("回帰方程式,Y=(1.000)+(2.000)X"));
        QVERIFY(readAll(out + QStringLiteral("/sanpuzu-Graph1.svg")).contains("残差プロット"));

        // The fitted curve's degree changes the curve drawn.
        QString first, third;
        run = report(QStringLiteral("degree1"),
                     {QStringLiteral("--report=scatter"), QStringLiteral("--var=硬さ"),
                      QStringLiteral("--var=温度"), QStringLiteral("--set=kind=回帰曲線"),
                      QStringLiteral("--set=degree=1")},
                     &first);
        QCOMPARE(run.exitCode, 0);
        run = report(QStringLiteral("degree3"),
                     {QStringLiteral("--report=scatter"), QStringLiteral("--var=硬さ"),
                      QStringLiteral("--var=温度"), QStringLiteral("--set=kind=回帰曲線"),
                      QStringLiteral("--set=degree=3")},
                     &third);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(readAll(first + QStringLiteral("/sanpuzu-Graph1.svg")) !=
                readAll(third + QStringLiteral("/sanpuzu-Graph1.svg")));
    }

    void refusals() {
        const QString flat =
            m_folder.writeDataset(QStringLiteral("flat"), {"Y", "X"}, {{3, 1}, {3, 2}, {3, 4}});
        const QStringList yx{QStringLiteral("--report=scatter"), QStringLiteral("--var=Y"),
                             QStringLiteral("--var=X")};
        expectRefused(yx, "データが間違っています。", flat);
        const QString one = m_folder.writeDataset(QStringLiteral("one"), {"Y", "X"}, {{3, 1}, {4, 2}}, {2});
        // The launch's own check comes first.
        expectRefused(yx, "解析を行うには、データを２つ以上選択してください。", one);
        expectRefused({QStringLiteral("--report=scatter")},
                      "散布図は --var にＹ軸の変数、続けてＸ軸の変数を１つか２つ指定してください。");
        expectRefused({QStringLiteral("--report=scatter"), QStringLiteral("--var=硬さ")},
                      "散布図は --var にＹ軸の変数、続けてＸ軸の変数を１つか２つ指定してください。");
        expectRefused(
            {QStringLiteral("--report=scatter"), QStringLiteral("--var=硬さ"), QStringLiteral("--var=硬さ")},
            "変数１と変数２が同じです｡");
        expectRefused({QStringLiteral("--report=scatter"), QStringLiteral("--set=kind=円グラフ")},
                      "不明なグラフの種類です: 円グラフ");
        expectRefused({QStringLiteral("--report=scatter"), QStringLiteral("--set=degree=11")},
                      "degree= には 1 から 10 の整数を指定してください: 11");
        expectRefused({QStringLiteral("--report=scatter"), QStringLiteral("--set=decimals=x")},
                      "decimals= には 0 から 15 の整数を指定してください: x");
    }
};

QTEST_MAIN(TestScatterReports)
#include "tst_scatter_reports.moc"
