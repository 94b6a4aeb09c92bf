#include "ui/MarovixApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "core/app/MainModel.h"
#include "core/app/ProgramStart.h"
#include "core/common/ProgramInfo.h"
#include "core/jv/StoredDataDownload.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/SimulationRecord.h"
#include "platform/WindowsFolder.h"
#include "ui/QtText.h"
#include "ui/TGetDataForm.h"
#include "ui/TIpatLogForm.h"
#include "ui/TKaimeSettingForm.h"
#include "ui/TKenshoForm.h"
#include "ui/TMainForm.h"
#include "ui/TPrgrsForm.h"
#include "ui/WindowPorts.h"

namespace marovix {

ProgramOptions programOptions(int argc, char** argv) {
    ProgramOptions options;
    QString exeFolder = QCoreApplication::applicationDirPath();
    options.appFolder = str(exeFolder);
    options.windowsFolder = windowsFolder(str(exeFolder));
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--app-folder"))
            options.appFolder = str(QFileInfo(QString::fromLocal8Bit(argv[i + 1])).absoluteFilePath());
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--at")) options.at = DateTime::parseSlash(argv[i + 1]);
    }
    return options;
}

int runMarovix(const ProgramOptions& options) {
    WindowPorts ports(options.at);
    if (!checkJvLinkInstalled(ports.jvLink(), ports.dialogs())) return 1;
    QApplication::setApplicationDisplayName(qs(kProgramTitle));

    QDir().mkpath(qs(options.appFolder));
    MainModel model(options.appFolder, options.windowsFolder, ports.mainPorts());
    ports.setFaultLog([&model](const std::string& text) { model.appendErrorLog(text); });
    TMainForm mainForm(model);
    ports.dialogs().setParent(&mainForm);
    TPrgrsForm progress(model, &mainForm);
    KenshoModel kenshoModel(model.folders().path(kSimulationFileName));
    TKenshoForm kensho(kenshoModel, &mainForm);
    TKaimeSettingForm kaimeSetting(model, kenshoModel, kensho, ports.mainPorts().clock, &mainForm);
    mainForm.setKaimeSettingAction([&kaimeSetting] { kaimeSetting.open(); });
    TIpatLogForm ipatLog(model, &mainForm);
    mainForm.setLogWindowAction([&ipatLog] {
        ipatLog.show();  // not modal
        ipatLog.raise();
        ipatLog.activateWindow();
    });
    mainForm.setDownloadAction([&model, &mainForm] {
        std::unique_ptr<StoredDataDownload> download = model.JVBtnClick();
        TGetDataForm form(*download, &mainForm);
        form.exec();  // closing empties the race list, hides the race pages and rebuilds the day list
    });
    mainForm.show();
    const int code = QApplication::exec();
    ports.setFaultLog({});  // the model goes before the ports
    return code;
}

}  // namespace marovix
