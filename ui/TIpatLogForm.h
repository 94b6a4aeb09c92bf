#pragma once
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "core/app/MainModel.h"

namespace marovix {

// "自動運転稼働状況ログ": two tabs, "自動運転ログ" with the day's run log in AutoNaviList, and "IPATログ" with the
// vote plug-in's log of the selected race day in IPATLogListBox and its button LogUpdateBtn "更新". Its
// placement (IpatLoglocate) is applied when it is activated and stored when it loses activation.
class TIpatLogForm : public QWidget {
    Q_OBJECT
public:
    TIpatLogForm(MainModel& model, QWidget* parent = nullptr);
    // Shows the model's AutoNaviList with its selected line.
    void refresh();
    // Shows the model's IPAT log lines.
    void refreshIpatLog();
    QListWidget* autoNaviList() const { return m_list; }
    QListWidget* ipatLogList() const { return m_ipatList; }
    QTabWidget* tabs() const { return m_tabs; }

protected:
    void changeEvent(QEvent* event) override;

private:
    MainModel& m_model;
    QTabWidget* m_tabs;
    QListWidget* m_list;
    QListWidget* m_ipatList;
    bool m_placed = false;
    MainModel::Subscription m_subscription;
};

}  // namespace marovix
