#include "ui/TKaimeSettingForm.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/SimulationTab.h"

namespace marovix {

TKaimeSettingForm::TKaimeSettingForm(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TKaimeSettingForm"));
    setWindowTitle(QStringLiteral("買い目設定"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->addTab(new SimulationTab(model, kensho, kenshoForm, clock, *m_tabs, m_tabs),
                   QStringLiteral("馬券シミュレーション"));
    layout->addWidget(m_tabs);
    resize(480, 200);
}

}  // namespace marovix
