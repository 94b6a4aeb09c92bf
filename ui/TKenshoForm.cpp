#include "ui/TKenshoForm.h"

#include <QApplication>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/strategy/KenshoModel.h"
#include "ui/QtText.h"
#include "ui/RaceFilterControls.h"
#include "ui/TextGridModel.h"

namespace marovix {
namespace {

// The lists' control names, in the order of AttributeList.
QLabel* figureLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(qs(name));
    label->setMinimumWidth(90);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

}  // namespace

TKenshoForm::TKenshoForm(KenshoModel& model, QWidget* parent) : QWidget(parent, Qt::Window), m_model(model) {
    setObjectName(QStringLiteral("TKenshoForm"));
    setWindowTitle(QStringLiteral("検証"));
    auto* layout = new QVBoxLayout(this);

    // The group "レース属性指定": six lists and the distance range.
    auto* group = new QGroupBox(QStringLiteral("レース属性指定"), this);
    auto* lists = new QGridLayout(group);
    m_filter = std::make_unique<RaceFilterControls>(group);
    for (std::size_t i = 0; i < kAttributeListCount; ++i) {
        const auto list = static_cast<AttributeList>(i);
        QListWidget* widget = m_filter->list(filterListOf(list));
        widget->setMaximumHeight(110);
        connect(widget, &QListWidget::itemSelectionChanged, this, [this, list] { listChanged(list); });
        connect(widget, &QListWidget::customContextMenuRequested, this, [this, list] {
            m_model.listRightClick(list);
            showLists();
        });
        lists->addWidget(m_filter->caption(filterListOf(list)), 0, static_cast<int>(i));
        lists->addWidget(widget, 1, static_cast<int>(i));
    }
    for (QSpinBox* edit : {m_filter->kyoriFrom, m_filter->kyoriTo})
        connect(edit, &QSpinBox::valueChanged, this, [this] {
            m_model.filter().setDistanceRange(m_filter->kyoriFrom->value(), m_filter->kyoriTo->value());
        });
    lists->addLayout(m_filter->distanceRow, 2, 0, 1, static_cast<int>(kAttributeListCount));
    layout->addWidget(group);

    // The button and the three figures.
    auto* figures = new QHBoxLayout;
    m_readData = new QPushButton(QStringLiteral("検証"), this);
    m_readData->setObjectName(QStringLiteral("ReadDataBtn"));
    connect(m_readData, &QPushButton::clicked, this, &TKenshoForm::readDataClick);
    figures->addWidget(m_readData);
    m_dataSu = figureLabel(this, "DataSuLabel");
    m_tekichuR = figureLabel(this, "TekichuRLabel");
    m_kaishuR = figureLabel(this, "KaishuRLabel");
    for (auto [caption, label] : {std::pair{"ﾃﾞｰﾀ数", m_dataSu}, {"的中率", m_tekichuR}, {"回収率", m_kaishuR}}) {
        figures->addSpacing(12);
        figures->addWidget(new QLabel(qs(caption), this));
        figures->addWidget(label);
    }
    figures->addStretch();
    layout->addLayout(figures);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("KenshoNotice"));
    m_notice->setStyleSheet(QStringLiteral("color: red"));
    layout->addWidget(m_notice);

    // The chart of the cumulative stake and return, under the figures.
    m_stakeSeries = new QLineSeries;
    m_stakeSeries->setName(QStringLiteral("投票金額累計"));
    m_returnSeries = new QLineSeries;
    m_returnSeries->setName(QStringLiteral("回収金額累計"));
    auto* chart = new QChart;
    chart->addSeries(m_stakeSeries);
    chart->addSeries(m_returnSeries);
    m_axisX = new QValueAxis;
    m_axisX->setTitleText(QStringLiteral("ﾃﾞｰﾀ数"));
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    m_axisY = new QValueAxis;
    m_axisY->setTitleText(QStringLiteral("円"));
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    for (QLineSeries* series : {m_stakeSeries, m_returnSeries}) {
        series->attachAxis(m_axisX);
        series->attachAxis(m_axisY);
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_chartView = new QChartView(chart, this);
    m_chartView->setObjectName(QStringLiteral("KenshoChart"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(220);
    layout->addWidget(m_chartView, 2);

    // StringGrid1.
    m_gridModel = new TextGridModel(m_model.grid(), {}, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setModel(m_gridModel);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setDefaultSectionSize(52);
    for (KenshoColumn wide : {KenshoColumn::RaceName, KenshoColumn::RaceType, KenshoColumn::Condition})
        m_grid->setColumnWidth(static_cast<int>(wide), 72);
    for (KenshoColumn money : {KenshoColumn::Stake, KenshoColumn::Returns})
        m_grid->setColumnWidth(static_cast<int>(money), 90);
    layout->addWidget(m_grid, 3);
    resize(1000, 760);
    refresh();
}

void TKenshoForm::refresh() {
    showLists();
    m_dataSu->setText(qs(m_model.dataSuLabel()));
    m_tekichuR->setText(qs(m_model.tekichuRLabel()));
    m_kaishuR->setText(qs(m_model.kaishuRLabel()));
    m_notice->setText(qs(m_model.notice()));
    m_notice->setVisible(!m_model.notice().empty());
    m_readData->setEnabled(m_model.readDataEnabled());
    m_gridModel->refresh();
    showChart();
}

TKenshoForm::~TKenshoForm() = default;

void TKenshoForm::showLists() { m_filter->show(m_model.filter().raceFilter()); }

void TKenshoForm::listChanged(AttributeList list) {
    QListWidget* widget = m_filter->list(filterListOf(list));
    for (int item = 0; item < widget->count(); ++item)
        m_model.filter().select(list, item, widget->item(item)->isSelected());
}

void TKenshoForm::showChart() {
    const std::vector<CumulativePoint> points = m_model.cumulative();
    QList<QPointF> stakes, returns;
    double top = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto x = static_cast<double>(i + 1);
        stakes.append(QPointF(x, static_cast<double>(points[i].stake)));
        returns.append(QPointF(x, static_cast<double>(points[i].returns)));
        top = std::max({top, static_cast<double>(points[i].stake), static_cast<double>(points[i].returns)});
    }
    m_stakeSeries->replace(stakes);
    m_returnSeries->replace(returns);
    m_axisX->setRange(0, std::max<double>(1, static_cast<double>(points.size())));
    m_axisY->setRange(0, top > 0 ? top * 1.05 : 1);
    m_axisY->applyNiceNumbers();
}

void TKenshoForm::readDataClick() {
    m_readData->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model.setEventPump([this] {
        m_dataSu->setText(qs(m_model.dataSuLabel()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_model.ReadDataBtnClick();
    m_model.setEventPump({});
    QApplication::restoreOverrideCursor();
    refresh();
}

}  // namespace marovix
