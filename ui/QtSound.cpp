#include "ui/QtSound.h"

#include <QFileInfo>
#include <QUrl>

#include "ui/QtText.h"

namespace marovix {

void QtSound::play(const std::string& path) {
    QFileInfo file(qs(path));
    if (!file.isFile()) return;
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_effect->play();
}

}  // namespace marovix
