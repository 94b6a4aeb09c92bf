#pragma once
#include <QWidget>

#include <array>

#include "core/race/RaceAttributeFilter.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

class QChartView;
class QLineSeries;
class QValueAxis;

namespace marovix {

class KenshoModel;
class TextGridModel;

// The window "検証": the lists and distance edits of "レース属性指定", the button ReadDataBtn "検証", the
// labels of the data count, hit rate and return rate, the grid StringGrid1 and, under the figures, a line
// chart of the cumulative stake and return of the records that passed.
class TKenshoForm : public QWidget {
    Q_OBJECT
public:
    explicit TKenshoForm(KenshoModel& model, QWidget* parent = nullptr);

    // Shows what the model holds (after a simulation verified its records).
    void refresh();

private:
    void readDataClick();
    void listChanged(AttributeList list);
    void showLists();
    void showChart();

    KenshoModel& m_model;
    std::array<QListWidget*, kAttributeListCount> m_lists{};
    QSpinBox* m_kyoriFrom = nullptr;
    QSpinBox* m_kyoriTo = nullptr;
    QPushButton* m_readData = nullptr;
    QLabel* m_dataSu = nullptr;
    QLabel* m_tekichuR = nullptr;
    QLabel* m_kaishuR = nullptr;
    QLabel* m_notice = nullptr;
    QTableView* m_grid = nullptr;
    TextGridModel* m_gridModel = nullptr;
    QChartView* m_chartView = nullptr;
    QLineSeries* m_stakeSeries = nullptr;
    QLineSeries* m_returnSeries = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    bool m_showing = false;  // the lists are being set from the model: their signals change nothing
};

}  // namespace marovix
