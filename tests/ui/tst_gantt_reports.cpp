// The report command of the Gantt chart, run from its command line as a user
// types it: the chart of gantog in both kinds, the summary per unmasked
// project, and the refusals that write nothing.
#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestGanttReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;

  private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void writesTheChartAndTheSummaryOfTheUnmaskedProjects() {
        // Projects a, b (masked), c, d; three points in time, c runs back in its second task.
        const QString dataset = m_folder.writeDataset(QStringLiteral("plan"), {"着手", "試作", "完了"},
                                                      {{0, 4, 9}, {1, 2, 3}, {2, 7, 5.5}, {3, 3, 12}}, {2});
        const QString out = m_folder.path(QStringLiteral("out"));
        const ReportRun run =
            runReport({QStringLiteral("--report=gantt"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out),
                 (QStringList{"gantog-Graph1.pdf", "gantog-Graph1.png", "gantog-Graph1.svg", "summary.txt"}));
        QCOMPARE(summaryIn(out), QStringLiteral("start a 0\nend a 9\ntasks a 2\n"
                                                "start c 2\nend c 5.5\ntasks c 2\n"
                                                "start d 3\nend d 12\ntasks d 2\n"));
        // The projects label the rows, the variables the legend, under the default title.
        const QByteArray svg = readAll(out + QStringLiteral("/gantog-Graph1.svg"));
        QVERIFY(svg.contains("ガントチャート"));
        QVERIFY(svg.contains("着手"));
        QVERIFY(svg.contains(">c<") || svg.contains("c</text>"));
        QVERIFY(!QImage(out + QStringLiteral("/gantog-Graph1.png")).isNull());
        QVERIFY(readAll(out + QStringLiteral("/gantog-Graph1.pdf")).startsWith("%PDF"));

        // The kind with gaps draws another picture.
        const QString gaps = m_folder.path(QStringLiteral("out-gaps"));
        QCOMPARE(runReport({QStringLiteral("--report=gantt"), QStringLiteral("--set=kind=（間隔あり）"),
                            QStringLiteral("--output=") + gaps, dataset})
                     .exitCode,
                 0);
        QVERIFY(QImage(gaps + QStringLiteral("/gantog-Graph1.png")) !=
                QImage(out + QStringLiteral("/gantog-Graph1.png")));
    }

    void refusalsPrintTheirMessageAndWriteNothing() {
        const QString one = m_folder.writeDataset(QStringLiteral("one"), {"開始"}, {{1}, {2}});
        const QString out = m_folder.path(QStringLiteral("refused"));
        ReportRun run = runReport({QStringLiteral("--report=gantt"), QStringLiteral("--output=") + out, one});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err,
                 std::string("ガントチャートを作成するには最低２つの変数（一つのプロジェクトの開始時間と終了"
                             "時間）が必要です。\n"));
        QVERIFY(!QFile::exists(out));

        const QString two = m_folder.writeDataset(QStringLiteral("two"), {"開始", "終了"}, {{1, 2}, {2, 4}});
        run = runReport({QStringLiteral("--report=gantt"), QStringLiteral("--set=kind=棒グラフ"),
                         QStringLiteral("--output=") + out, two});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("不明なグラフの種類です: 棒グラフ\n"));
        QVERIFY(!QFile::exists(out));

        run = runReport({QStringLiteral("--report=gantt"), QStringLiteral("--var=開始"),
                         QStringLiteral("--output=") + out, two});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("ガントチャートはすべての変数を使うため --var は指定できません。\n"));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestGanttReports)
#include "tst_gantt_reports.moc"
