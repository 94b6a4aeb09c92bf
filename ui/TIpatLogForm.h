#pragma once
#include <QListWidget>
#include <QWidget>

#include "core/app/MainModel.h"

namespace marovix {

// "自動運転稼働状況ログ": the run-log lines of the day in `AutoNaviList`.
class TIpatLogForm : public QWidget {
    Q_OBJECT
public:
    TIpatLogForm(MainModel& model, QWidget* parent = nullptr);
    // Shows the model's AutoNaviList with its selected line.
    void refresh();
    QListWidget* autoNaviList() const { return m_list; }

private:
    MainModel& m_model;
    QListWidget* m_list;
    MainModel::Subscription m_subscription;
};

}  // namespace marovix
