// The run rules in the headless report, run as a user types it: the flagged
// points of every chart in <chart window>-rules.csv and in summary.txt, the
// default rules, rules=all and a chosen list, every kind judged alike, the
// Rs chart's first point left out, and a bad list refused with nothing written.
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestRunRulesReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_xRs;

    // X 10, 12, 10 ... 10 (points 1 to 9), then 30, 30. Mean 158/11 = 14.36,
    // MR-bar 36/10 = 3.6: X UCL 14.36 + 2.66 x 3.6 = 23.94, σ 3.19, 2σ above
    // at 20.75; Rs CL 3.6, UCL 11.76. On the X chart points 1 to 9 lie below
    // CL (rule 2 at 9), 10 and 11 above the UCL (rule 1), 10 and 11 beyond
    // 2σ (rule 5 at 11). On the Rs chart point 10 (20) lies above the UCL;
    // its points 2 to 9 (2 each) are only eight below CL, as its first point
    // does not count.
    static std::vector<std::vector<double>> xRsRows() {
        return {{10}, {12}, {10}, {12}, {10}, {12}, {10}, {12}, {10}, {30}, {30}};
    }

    QStringList rulesCsv(const QString& out, const QString& window) {
        return csvLines(out + QStringLiteral("/") + window + QStringLiteral("-rules.csv"));
    }

    // The summary's rule lines.
    QStringList ruleLines(const QString& out) {
        QStringList lines;
        for (const QString& line : summaryIn(out).split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("rule "))) lines << line;
        return lines;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_xRs = m_folder.writeDataset(QStringLiteral("steps"), {"長さ"}, xRsRows());
    }

    void defaultRulesAreOneToFour() {
        QString out;
        const ReportRun run = m_folder.run(QStringLiteral("out-default"), {"--report=x-rs"}, m_xRs, &out);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, std::string());
        QCOMPARE(rulesCsv(out, QStringLiteral("xrskanri")),
                 (QStringList{"chart,point,data label,rules", "Graph1,9,i,2", "Graph1,10,j,1",
                              "Graph1,11,k,1", "Graph2,10,j,1"}));
        // The CSV's line ends are CR LF.
        QVERIFY(readAll(out + QStringLiteral("/xrskanri-rules.csv")).endsWith("Graph2,10,j,1\r\n"));
        // The rule lines come after the control lines.
        QVERIFY(summaryIn(out).startsWith(QStringLiteral("Graph1 CL ")));
        QVERIFY(summaryIn(out).endsWith(QStringLiteral(
            "Graph2 LCL 0\nrule Graph1-9 2\nrule Graph1-10 1\nrule Graph1-11 1\nrule Graph2-10 1\n")));
    }

    void allRulesAndAChosenList() {
        QString out;
        ReportRun run =
            m_folder.run(QStringLiteral("out-all"), {"--report=x-rs", "--set=rules=all"}, m_xRs, &out);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ruleLines(out), (QStringList{"rule Graph1-9 2", "rule Graph1-10 1", "rule Graph1-11 1+5",
                                              "rule Graph2-10 1"}));
        QCOMPARE(rulesCsv(out, QStringLiteral("xrskanri")),
                 (QStringList{"chart,point,data label,rules", "Graph1,9,i,2", "Graph1,10,j,1",
                              "Graph1,11,k,1+5", "Graph2,10,j,1"}));

        run = m_folder.run(QStringLiteral("out-5"), {"--report=x-rs", "--set=rules=5,2"}, m_xRs, &out);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ruleLines(out), (QStringList{"rule Graph1-9 2", "rule Graph1-11 5"}));
    }

    void everyKindIsJudgedOnItsValuesAndLines() {
        QString line, bar;
        QCOMPARE(m_folder.run(QStringLiteral("out-line"), {"--report=x-rs"}, m_xRs, &line).exitCode, 0);
        QCOMPARE(
            m_folder.run(QStringLiteral("out-bar"), {"--report=x-rs", "--set=kind=棒グラフ"}, m_xRs, &bar)
                .exitCode,
            0);
        QCOMPARE(readAll(bar + QStringLiteral("/xrskanri-rules.csv")),
                 readAll(line + QStringLiteral("/xrskanri-rules.csv")));
    }

    void noFlaggedPointWritesTheHeadingOnly() {
        const QString calm =
            m_folder.writeDataset(QStringLiteral("calm"), {"a", "b"}, {{1, 3}, {2, 6}, {4, 4}});
        QString out;
        QCOMPARE(m_folder.run(QStringLiteral("out-calm"), {"--report=xbar-r"}, calm, &out).exitCode, 0);
        QCOMPARE(rulesCsv(out, QStringLiteral("xrkanri")), (QStringList{"chart,point,data label,rules"}));
        QCOMPARE(ruleLines(out), QStringList());
    }

    void pPnAndDefectsWriteTheirOwnFiles() {
        // Lots of 100: 2, 3, 2, 3, 2, 3, 2, 3, 20 defectives. Lot 9 lies above
        // both charts' UCL.
        const QString lots = m_folder.writeDataset(
            QStringLiteral("lots"), {"n", "d"},
            {{100, 2}, {100, 3}, {100, 2}, {100, 3}, {100, 2}, {100, 3}, {100, 2}, {100, 3}, {100, 20}});
        QString out;
        QCOMPARE(m_folder.run(QStringLiteral("out-p"), {"--report=p-pn", "--var=1", "--var=2"}, lots, &out)
                     .exitCode,
                 0);
        QCOMPARE(rulesCsv(out, QStringLiteral("pkanri")),
                 (QStringList{"chart,point,data label,rules", "Graph1,9,i,1", "Graph2,9,i,1"}));
        QCOMPARE(
            m_folder
                .run(QStringLiteral("out-c"), {"--report=defects", "--var=2", "--set=rules=1"}, lots, &out)
                .exitCode,
            0);
        QCOMPARE(rulesCsv(out, QStringLiteral("kanri1")),
                 (QStringList{"chart,point,data label,rules", "Graph1,9,i,1"}));
    }

    void aBadRuleListIsRefusedAndNothingIsWritten() {
        const QString fresh = m_folder.writeDataset(QStringLiteral("fresh"), {"長さ"}, xRsRows());
        for (const char* bad : {"rules=9", "rules=", "rules=1,,2", "rules=ALL", "rules=1,1"}) {
            const QString value = QString::fromUtf8(bad).mid(6);
            expectRefused(m_folder, {"--report=x-rs", QStringLiteral("--set=") + QString::fromUtf8(bad)},
                          fresh,
                          "rules= の判定ルールは 1 から 8 の番号をカンマで区切って（例: 1,2,5）、または all "
                          "で指定してください: " +
                              value.toStdString());
            QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("fresh.QCK"))));
        }
        expectRefused(m_folder, {"--report=defects", "--set=rules=0"}, fresh,
                      "rules= の判定ルールは 1 から 8 の番号をカンマで区切って（例: 1,2,5）、または all "
                      "で指定してください: 0");
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("fresh.QCK"))));
    }
};

QTEST_MAIN(TestRunRulesReports)
#include "tst_run_rules_reports.moc"
