#include "uncertaintyrun.h"

#include "buttonactions.h"
#include "inputvalues.h"

#include <QThread>

namespace quelbor {

// Shared by the window's thread and the run's; the counters are all the two exchange while the
// run goes.
struct UncertaintyRun::Job
{
    InputTexts texts;
    StatedUncertainties stated;
    UncertaintySettings settings;
    std::atomic<long> done{0};
    std::atomic<bool> cancelled{false};
    UncertaintyOutcome outcome; // written by the run, read after its thread has finished

    void run();
};

void UncertaintyRun::Job::run()
{
    // The results' trials count first, the band's after them.
    long counted = 0;
    const TrialProgress progress = [this, &counted](long trials) {
        done.store(counted + trials, std::memory_order_relaxed);
        return !cancelled.load(std::memory_order_relaxed);
    };
    const std::optional<std::string> report = failureReport([&] {
        try {
            outcome.evaluation =
                evaluateUncertainty(enteredValues(texts), stated, settings, progress);
            counted = settings.trials;
            outcome.band =
                curveBand(outcome.evaluation->inputs, curveBandTrials, settings.seed, progress);
        } catch (const TrialsCancelled &) {
            outcome = UncertaintyOutcome{};
            outcome.cancelled = true;
        }
    });
    if (report)
        outcome.error = QString::fromStdString(*report).replace(u'\n', u' ');
}

UncertaintyRun::UncertaintyRun(QObject *parent)
    : QObject(parent)
{}

UncertaintyRun::~UncertaintyRun()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void UncertaintyRun::start(const InputTexts &texts, const StatedUncertainties &stated,
                           const UncertaintySettings &settings)
{
    if (m_thread)
        return;
    m_outcome = {};
    m_job = std::make_shared<Job>();
    m_job->texts = texts;
    m_job->stated = stated;
    m_job->settings = settings;
    m_thread = QThread::create([job = m_job] { job->run(); });
    // QThread::finished comes from the run's thread; the connection queues it to this one.
    connect(m_thread, &QThread::finished, this, &UncertaintyRun::collect);
    m_thread->start(QThread::LowPriority);
}

void UncertaintyRun::cancel()
{
    if (m_job)
        m_job->cancelled = true;
}

long UncertaintyRun::trialsDone() const
{
    return m_job ? m_job->done.load(std::memory_order_relaxed) : 0;
}

long UncertaintyRun::trialsInAll() const
{
    return m_job ? m_job->settings.trials + curveBandTrials : 0;
}

void UncertaintyRun::collect()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_outcome = std::move(m_job->outcome);
    emit finished();
}

} // namespace quelbor
