#pragma once

#include "enteredbody.h"
#include "uncertaintyrun.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace quelbor {

class BudgetChart;
class CurveBandChart;
class UncertaintyInputTable;
class UncertaintyResultTable;

// "Messunsicherheit": the uncertainty of the six results of the body the main window has
// calculated. The user states each input's uncertainty and distribution and presses
// "Berechnen"; the law of propagation and the Monte Carlo trials then run on a thread of their
// own with a progress bar and "Abbrechen", and show as a table of both methods, a note where
// they disagree, the failed trials, the budget as bars and the diffusivity curve with its
// 95 % band.
class UncertaintyWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UncertaintyWindow(QWidget *parent = nullptr);

    // The body to state the uncertainty of; kept while a run is going.
    void setBody(const EnteredBody &body);
    bool isRunning() const { return m_run->isRunning(); }
    // The evaluation the window shows, if it was made for these inputs.
    const UncertaintyEvaluation *shownEvaluation(const InputTexts &texts) const;

private:
    void start();
    void cancel();
    void showProgress();
    void showOutcome();
    void setRunning(bool running);
    void clearFigures();

    EnteredBody m_body;
    UncertaintyInputTable *m_inputs;
    QSpinBox *m_trials;
    QPushButton *m_start;
    QPushButton *m_cancel;
    QProgressBar *m_progress;
    QLabel *m_status;
    QLabel *m_failedTrials;
    UncertaintyResultTable *m_results;
    QLabel *m_notes;
    BudgetChart *m_budget;
    CurveBandChart *m_curve;
    UncertaintyRun *m_run;
    QTimer *m_progressTimer;
    std::optional<UncertaintyEvaluation> m_shown; // of m_body's inputs
};

} // namespace quelbor
