#pragma once

#include "curveband.h"
#include "inputtexts.h"
#include "uncertaintyevaluation.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class QThread;

namespace quelbor {

// What a run of the uncertainty window came to: the evaluation with the curve's band, or the
// error that ended it as the main window reports errors, or that it was cancelled.
struct UncertaintyOutcome
{
    std::optional<UncertaintyEvaluation> evaluation;
    std::optional<CurveBand> band;
    QString error;
    bool cancelled = false;
};

// Runs the evaluation of the results and then the curve's band on a thread of their own, so
// the windows go on working; both are toolkit-free and touch no widget. The progress is
// counted in trials of both and read by the window as it likes; cancel() stops the trials at
// their next report. `finished` comes on the thread the run was made on.
class UncertaintyRun : public QObject
{
    Q_OBJECT

public:
    explicit UncertaintyRun(QObject *parent = nullptr);
    ~UncertaintyRun() override; // cancels a run still going and waits for its thread

    void start(const InputTexts &texts, const StatedUncertainties &stated,
               const UncertaintySettings &settings);
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }
    long trialsDone() const;
    long trialsInAll() const;
    // Valid after `finished`, until the next start.
    const UncertaintyOutcome &outcome() const { return m_outcome; }

signals:
    void finished();

private:
    struct Job;

    void collect();

    std::shared_ptr<Job> m_job;
    QThread *m_thread = nullptr;
    UncertaintyOutcome m_outcome;
};

} // namespace quelbor
