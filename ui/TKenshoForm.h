#pragma once
#include <QWidget>

#include <array>
#include <memory>

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
struct RaceFilterControls;

// The window "検証": the lists and distance edits of "レース属性指定", the button ReadDataBtn "検証", the
// labels of the data count, hit rate and return rate, the grid StringGrid1 and, under the figures, a line
// chart of the cumulative stake and return of the records that passed.
class TKenshoForm : public QWidget {
    Q_OBJECT
public:
    explicit TKenshoForm(KenshoModel& model, QWidget* parent = nullptr);
    ~TKenshoForm() override;

    // Shows what the model holds (after a simulation verified its records).
    void refresh();

private:
    void readDataClick();
    void listChanged(AttributeList list);
    void showLists();
    void showChart();

    KenshoModel& m_model;
    std::unique_ptr<RaceFilterControls> m_filter;
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
};

}  // namespace marovix
