#pragma once
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <array>
#include <memory>

#include "core/auto/OzGetTimeModel.h"

namespace marovix {

// "データﾞ自動取得時刻指定": the timing of automatic operation and its two alert sounds, over the core's
// OzGetTimeModel. Opened modally from the Options item N8, a new window for each opening.
class TOzGetTimeForm : public QDialog {
    Q_OBJECT
public:
    explicit TOzGetTimeForm(std::unique_ptr<OzGetTimeModel> model, QWidget* parent = nullptr);
    ~TOzGetTimeForm() override;

    OzGetTimeModel& model() { return *m_model; }
    QSpinBox* spinEdit(OzGetSpin spin) const { return m_spins[static_cast<std::size_t>(spin)]; }
    QListWidget* fileList(AlarmSoundId sound) const { return m_lists[static_cast<std::size_t>(sound)]; }
    QLabel* wavLabel(AlarmSoundId sound) const { return m_labels[static_cast<std::size_t>(sound)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSoundGroup(AlarmSoundId sound);
    void showLabels();
    void okClick();

    std::unique_ptr<OzGetTimeModel> m_model;
    std::array<QSpinBox*, static_cast<std::size_t>(OzGetSpin::Count)> m_spins{};
    std::array<QListWidget*, 2> m_lists{};
    std::array<QLabel*, 2> m_labels{};
};

}  // namespace marovix
