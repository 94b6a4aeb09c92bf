// The JV-Link stand-in's settings dialog shows what the stand-in finds wrong with the feed folder in its
// edit: a folder that does not exist, faults.txt lines that are no rule, files that are not served.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/FeedSettingsDialog.h"
#include "ui/QtText.h"

namespace marovix::test_feed_settings_dialog {

class TestFeedSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void showsTheProblemsOfTheFolderInItsEdit();
};

void TestFeedSettingsDialog::showsTheProblemsOfTheFolderInItsEdit() {
    TempFolder folder;
    FeedFolderBuilder feed(folder.file("feed"));
    feed.setFaults("JVRead -402 afer 25\n");
    feed.addStoredFile("20240105993000", "RA0106", {});
    const std::string missing = folder.file("missing");
    const std::string longLine = folder.file("feed/stored/x.jvf line 1: longer than any record");

    FeedSettingsDialog dialog(qs(missing), {longLine});
    auto* problems = dialog.findChild<QPlainTextEdit*>(QStringLiteral("FeedProblems"));
    QVERIFY(problems);
    QVERIFY(problems->isReadOnly());
    QCOMPARE(problems->toPlainText(), qs(missing + ": the feed folder does not exist; no data is served\n" + longLine));

    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("FeedFolderEdit"));
    edit->setText(qs(feed.folder()));
    emit edit->editingFinished();
    QCOMPARE(problems->toPlainText(),
             qs(feed.folder() + "/faults.txt line 1: JVRead -402 afer 25  (not a rule; ignored)\n" + feed.folder() +
                "/stored/20240105993000_RA0106.jvf: the stamp 20240105993000 is no real moment; not served"));

    feed.setFaults("");
    std::remove((feed.folder() + "/stored/20240105993000_RA0106.jvf").c_str());
    dialog.showProblems();
    QCOMPARE(problems->toPlainText(), QStringLiteral("なし"));
}

MAROVIX_UI_TEST(TestFeedSettingsDialog)
}  // namespace marovix::test_feed_settings_dialog

#include "TestFeedSettingsDialog.moc"
