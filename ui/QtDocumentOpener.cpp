#include "ui/QtDocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/QtText.h"

namespace marovix {

bool QtDocumentOpener::open(const std::string& pathOrUrl) {
    QString target = qs(pathOrUrl);
    QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

}  // namespace marovix
