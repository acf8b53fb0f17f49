// Keys and focus in the import preview on the real X11 platform: the boxes,
// the grid and the buttons in order by Tab, the boxes' access keys, Enter as
// "OK" (also from the grid), Enter doing nothing while the choices shown do not
// read the file, and Esc as "ｷｬﾝｾﾙ". The keys come through the X server as a
// user's do (tests/support/X11Input.h).
#include "components/grid/DataGrid.h"
#include "dataset/ImportDialog.h"
#include "dataset/SheetFile.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "FileBytes.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <optional>

using uitest::button;

class TestImportPreviewKeys : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir m_dir;
    QString m_csv;
    std::optional<int> m_result;

    // A preview of the comma-separated test file, shown and active.
    QPointer<ImportDialog> open() {
        zel::Result<zel::SheetImport> read = zel::readSheetFile(m_csv.toStdString());
        if (!read) return {};
        QPointer<ImportDialog> d = new ImportDialog(m_csv, std::move(*read), zel::SheetFormat::Csv);
        d->setAttribute(Qt::WA_DeleteOnClose);
        m_result.reset();
        connect(d, &QDialog::finished, this, [this](int r) { m_result = r; });
        if (!x11input::activate(d)) return {};
        return d;
    }
    static QWidget* child(ImportDialog* d, const char* name) {
        return d->findChild<QWidget*>(QString::fromLatin1(name));
    }

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
        m_csv = m_dir.filePath(QStringLiteral("sheet.csv"));
        fixtures::writeBytes(m_csv.toStdString(), "a,b\r\n1,2\r\n3,4\r\n");
    }

    void tabGoesThroughTheBoxesTheGridAndTheButtons() {
        QPointer<ImportDialog> d = open();
        QVERIFY(d);
        FOCUS_ON(child(d, "encoding"));
        KEYS("Tab");
        FOCUS_ON(child(d, "separator"));
        KEYS("Tab");
        FOCUS_ON(child(d, "preview"));
        KEYS("Tab");
        FOCUS_ON(button(d, QStringLiteral("Command1")));
        KEYS("Tab");
        FOCUS_ON(button(d, QStringLiteral("Command2")));
        KEYS("shift+Tab", "shift+Tab");
        FOCUS_ON(child(d, "preview"));
        // The access keys reach the boxes.
        KEYS("alt+c");
        FOCUS_ON(child(d, "encoding"));
        KEYS("alt+d");
        FOCUS_ON(child(d, "separator"));
        x11input::endModal(d);
    }

    void enterInTheGridIsOk() {
        QPointer<ImportDialog> d = open();
        QVERIFY(d);
        KEYS("Tab", "Tab");
        FOCUS_ON(child(d, "preview"));
        KEYS("Down", "Right"); // moving in the grid does not answer
        QVERIFY(!m_result);
        KEYS("Return");
        QTRY_VERIFY(m_result);
        QCOMPARE(*m_result, int(QDialog::Accepted));
        QTRY_VERIFY(!d);
    }

    void enterWaitsWhileTheChoiceDoesNotRead() {
        QPointer<ImportDialog> d = open();
        QVERIFY(d);
        KEYS("alt+d");
        FOCUS_ON(child(d, "separator"));
        // Tabs find one column "a,b" and then "1,2", which is no number.
        KEYS("Down");
        QCOMPARE(qobject_cast<QComboBox*>(child(d, "separator"))->currentText(), QStringLiteral("タブ"));
        QVERIFY(!d->problem().isEmpty());
        QVERIFY(!button(d, QStringLiteral("Command1"))->isEnabled());
        KEYS("Return");
        QVERIFY(!m_result);
        QVERIFY(d->isVisible());
        // Back to commas: Enter answers OK again.
        KEYS("Up");
        QVERIFY(d->problem().isEmpty());
        KEYS("Return");
        QTRY_VERIFY(m_result);
        QCOMPARE(*m_result, int(QDialog::Accepted));
    }

    void escapeCancels() {
        QPointer<ImportDialog> d = open();
        QVERIFY(d);
        KEYS("Tab", "Tab");
        FOCUS_ON(child(d, "preview"));
        KEYS("Escape");
        QTRY_VERIFY(m_result);
        QCOMPARE(*m_result, int(QDialog::Rejected));
        QTRY_VERIFY(!d);
    }
};

QTEST_MAIN(TestImportPreviewKeys)
#include "tst_import_preview_keys.moc"
