#include "ui/MarovixApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/app/MainModel.h"
#include "core/app/ProgramStart.h"
#include "core/jv/StoredDataDownload.h"
#include "platform/EmptyRegistry.h"
#include "platform/SystemClock.h"
#include "standins/jvlink/FeedJvLink.h"
#include "ui/FeedSettingsDialog.h"
#include "ui/QtDialogs.h"
#include "ui/QtDocumentOpener.h"
#include "ui/QtSound.h"
#include "ui/QtText.h"
#include "ui/TGetDataForm.h"
#include "ui/TIpatLogForm.h"
#include "ui/TKaimeSettingForm.h"
#include "ui/TKenshoForm.h"
#include "ui/TMainForm.h"
#include "ui/TPrgrsForm.h"

namespace marovix {

ProgramOptions programOptions(int argc, char** argv) {
    ProgramOptions options;
    QString exeFolder = QCoreApplication::applicationDirPath();
    options.appFolder = str(exeFolder);
    options.windowsFolder = str(exeFolder + QStringLiteral("/share"));
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--app-folder"))
            options.appFolder = str(QFileInfo(QString::fromLocal8Bit(argv[i + 1])).absoluteFilePath());
    }
    return options;
}

int runMarovix(const ProgramOptions& options) {
    SystemClock clock;
    EmptyRegistry registry;
    QtDialogs dialogs;
    QtSound sound;
    QtDocumentOpener opener;
    FeedJvLink jvLink(clock);
    jvLink.setSettingsDialog([](FeedJvLink& link) { return runFeedSettingsDialog(link); });

    if (!checkJvLinkInstalled(jvLink, dialogs)) return 1;
    QApplication::setApplicationDisplayName(qs(MainModel::kTitle));

    QDir().mkpath(qs(options.appFolder));
    MainModel model(options.appFolder, options.windowsFolder,
                    MainPorts{jvLink, dialogs, clock, registry, sound, opener});
    TMainForm mainForm(model);
    dialogs.setParent(&mainForm);
    TPrgrsForm progress(&mainForm);
    TKaimeSettingForm kaimeSetting(&mainForm);
    TIpatLogForm ipatLog(model, &mainForm);
    TKenshoForm kensho(&mainForm);
    mainForm.setLogWindow(&ipatLog);
    mainForm.setDownloadAction([&model, &mainForm] {
        StoredDataDownload download(downloadPortsOf(model));
        TGetDataForm form(download, &mainForm);
        form.exec();  // closing rebuilds the day list (the model's makeDataList)
        // New days show in the list; no day is loaded any more.
        if (auto* pages = mainForm.findChild<QWidget*>(QStringLiteral("PageControl1"))) pages->hide();
        mainForm.refresh();
    });
    mainForm.show();
    return QApplication::exec();
}

}  // namespace marovix
