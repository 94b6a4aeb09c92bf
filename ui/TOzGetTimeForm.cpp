#include "ui/TOzGetTimeForm.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace marovix {
namespace {

struct SoundTexts {
    const char* list;
    const char* label;
    const char* button;
    const char* group;
    const char* note;
};

constexpr SoundTexts kSoundTexts[] = {
    {"FileListBox1", "WavOzLabel", "PlaySoundBtn", "オッズ自動取得時通知音指定",
     "オッズ取得時に鳴らす通知音を指定出来ます。通知音は下記リストよりWAVファイルを選択し、指定してください。ダブルク"
     "リックで再生もできます。"},
    {"FileListBox2", "WavTohyoLabel", "PlaySoundTohyoBtn", "投票実行時通知音指定",
     "投票実行時に鳴らす通知音を指定出来ます。通知音は下記リストよりWAVファイルを選択し、指定してください。ダブルクリッ"
     "クで再生もできます。"},
};

QLabel* note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TOzGetTimeForm::TOzGetTimeForm(std::unique_ptr<OzGetTimeModel> model, QWidget* parent)
    : QDialog(parent), m_model(std::move(model)) {
    setObjectName(QStringLiteral("TOzGetTimeForm"));
    setWindowTitle(QStringLiteral("データﾞ自動取得時刻指定"));
    auto* layout = new QVBoxLayout(this);
    auto spinEdit = [this](OzGetSpin spin, QWidget* parent) {
        const OzGetSpinRow& row = ozGetSpinRow(spin);
        auto* edit = new QSpinBox(parent);
        edit->setObjectName(qs(std::string(row.name)));
        edit->setRange(row.minimum, row.maximum);
        edit->setValue(m_model->spin(spin));
        connect(edit, &QSpinBox::valueChanged, this, [this, spin](int value) { m_model->setSpin(spin, value); });
        m_spins[static_cast<std::size_t>(spin)] = edit;
        return edit;
    };
    auto caption = [](OzGetSpin spin, QWidget* parent) {
        return new QLabel(qs(std::string(ozGetSpinRow(spin).caption)), parent);
    };

    auto* odds = new QGroupBox(QStringLiteral("オッズ自動取得時刻指定"), this);
    auto* oddsLayout = new QVBoxLayout(odds);
    oddsLayout->addWidget(note("ｵｯｽﾞを自動取得する際に各ﾚｰｽ発走何分前に取得機能を起動するかを指定します。", odds));
    auto* oddsRow = new QHBoxLayout;
    oddsRow->addWidget(new QLabel(QStringLiteral("発走"), odds));
    oddsRow->addWidget(spinEdit(OzGetSpin::SpinEdit3, odds));
    oddsRow->addWidget(caption(OzGetSpin::SpinEdit3, odds));
    oddsRow->addWidget(spinEdit(OzGetSpin::SpinEdit4, odds));
    oddsRow->addWidget(caption(OzGetSpin::SpinEdit4, odds));
    oddsRow->addStretch();
    oddsLayout->addLayout(oddsRow);
    layout->addWidget(odds);

    auto* interval = new QGroupBox(QStringLiteral("自動投票インターバル指定"), this);
    auto* intervalLayout = new QVBoxLayout(interval);
    intervalLayout->addWidget(note("オッズ取得→オッズ再取得チェック→投票の動作でインターバルを指定します。", interval));
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(spinEdit(OzGetSpin::SpinEdit5, interval));
    intervalRow->addWidget(caption(OzGetSpin::SpinEdit5, interval));
    intervalRow->addStretch();
    intervalLayout->addLayout(intervalRow);
    layout->addWidget(interval);

    auto* results = new QGroupBox(QStringLiteral("結果情報自動取得時刻指定"), this);
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(note("随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。", results));
    auto* resultsRow = new QHBoxLayout;
    resultsRow->addWidget(spinEdit(OzGetSpin::SpinEdit1, results));
    resultsRow->addWidget(caption(OzGetSpin::SpinEdit1, results));
    resultsRow->addStretch();
    resultsLayout->addLayout(resultsRow);
    layout->addWidget(results);

    auto* sounds = new QHBoxLayout;
    sounds->addWidget(buildSoundGroup(AlarmSoundId::Oz));
    sounds->addWidget(buildSoundGroup(AlarmSoundId::Tohyo));
    layout->addLayout(sounds);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TOzGetTimeForm::okClick);
    layout->addWidget(ok, 0, Qt::AlignRight);
    showLabels();
}

TOzGetTimeForm::~TOzGetTimeForm() = default;

QWidget* TOzGetTimeForm::buildSoundGroup(AlarmSoundId sound) {
    const SoundTexts& texts = kSoundTexts[static_cast<std::size_t>(sound)];
    auto* group = new QGroupBox(QString::fromUtf8(texts.group), this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(note(texts.note, group));
    auto* list = new QListWidget(group);
    list->setObjectName(QString::fromUtf8(texts.list));
    for (const std::string& file : m_model->wavFiles()) list->addItem(qs(file));
    connect(list, &QListWidget::itemClicked, this, [this, sound, list](QListWidgetItem* item) {
        m_model->FileListBoxClick(sound, list->row(item));
        showLabels();
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list](QListWidgetItem* item) { m_model->FileListBoxDblClick(list->row(item)); });
    layout->addWidget(list);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(group);
    label->setObjectName(QString::fromUtf8(texts.label));
    label->installEventFilter(this);
    row->addWidget(label, 1);
    auto* play = new QPushButton(QStringLiteral("再生"), group);
    play->setObjectName(QString::fromUtf8(texts.button));
    connect(play, &QPushButton::clicked, this, [this, sound] { m_model->PlaySoundBtnClick(sound); });
    row->addWidget(play);
    layout->addLayout(row);
    m_lists[static_cast<std::size_t>(sound)] = list;
    m_labels[static_cast<std::size_t>(sound)] = label;
    return group;
}

bool TOzGetTimeForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound) {
            if (watched == m_labels[static_cast<std::size_t>(sound)]) {
                m_model->WavLabelDblClick(static_cast<AlarmSoundId>(sound));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOzGetTimeForm::showLabels() {
    for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound)
        m_labels[static_cast<std::size_t>(sound)]->setText(qs(m_model->label(static_cast<AlarmSoundId>(sound))));
}

void TOzGetTimeForm::okClick() {
    // The edits' typed texts are taken as the edits hold them.
    for (int spin = 0; spin < static_cast<int>(OzGetSpin::Count); ++spin)
        m_model->setSpin(static_cast<OzGetSpin>(spin), m_spins[static_cast<std::size_t>(spin)]->value());
    const bool stored = m_model->BitBtn1Click().ok();
    showLabels();
    if (stored) accept();
}

}  // namespace marovix
