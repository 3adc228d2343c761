#include "uncertaintywindow.h"

#include "budgetchart.h"
#include "curvebandchart.h"
#include "uncertaintyfigures.h"
#include "uncertaintyinputtable.h"
#include "uncertaintyresulttable.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

namespace quelbor {

namespace {

constexpr int progressMilliseconds = 100;
constexpr int maximumTrials = 10000000;
constexpr int minimumTrials = 100;

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *wrappingLabel(const char *name)
{
    auto *label = named(new QLabel, name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

UncertaintyWindow::UncertaintyWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_inputs(new UncertaintyInputTable)
    , m_trials(named(new QSpinBox, "spn_Versuche"))
    , m_start(named(new QPushButton(QStringLiteral("Berechnen")), "cmd_Berechnen"))
    , m_cancel(named(new QPushButton(QStringLiteral("Abbrechen")), "cmd_Abbrechen"))
    , m_progress(named(new QProgressBar, "bar_Fortschritt"))
    , m_status(wrappingLabel("lbl_Status"))
    , m_failedTrials(wrappingLabel("lbl_Fehlversuche"))
    , m_results(new UncertaintyResultTable)
    , m_notes(wrappingLabel("lbl_Hinweis"))
    , m_budget(new BudgetChart)
    , m_curve(new CurveBandChart)
    , m_run(new UncertaintyRun(this))
    , m_progressTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frm_Messunsicherheit"));
    setWindowTitle(QStringLiteral("Messunsicherheit"));

    m_trials->setRange(minimumTrials, maximumTrials);
    m_trials->setValue(static_cast<int>(defaultTrials));
    m_trials->setSingleStep(100000);
    m_trials->setGroupSeparatorShown(true);
    m_trials->setAccessibleName(QStringLiteral("Versuche (Monte Carlo)"));
    m_cancel->setEnabled(false);
    m_progress->setVisible(false);
    m_progress->setFormat(QStringLiteral("%p %"));
    m_notes->setStyleSheet(QStringLiteral("color: #a00000"));

    auto *run = new QHBoxLayout;
    run->addWidget(new QLabel(QStringLiteral("Monte Carlo:")));
    run->addWidget(m_trials);
    run->addWidget(new QLabel(
        QStringLiteral("Versuche, Generator xoshiro256**, Startwert %1").arg(defaultSeed)));
    run->addStretch();
    run->addWidget(m_progress);
    run->addWidget(m_start);
    run->addWidget(m_cancel);

    auto *charts = new QHBoxLayout;
    charts->addWidget(m_budget, 3);
    charts->addWidget(m_curve, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_inputs);
    layout->addLayout(run);
    layout->addWidget(m_status);
    layout->addWidget(m_failedTrials);
    layout->addWidget(m_results);
    layout->addWidget(m_notes);
    layout->addLayout(charts, 1);

    connect(m_start, &QPushButton::clicked, this, &UncertaintyWindow::start);
    connect(m_cancel, &QPushButton::clicked, this, &UncertaintyWindow::cancel);
    connect(m_run, &UncertaintyRun::finished, this, &UncertaintyWindow::showOutcome);
    connect(m_progressTimer, &QTimer::timeout, this, &UncertaintyWindow::showProgress);
    m_progressTimer->setInterval(progressMilliseconds);
    resize(1180, 940);
}

void UncertaintyWindow::setBody(const EnteredBody &body)
{
    if (isRunning())
        return;
    const bool same = std::equal(
        body.inputs.begin(), body.inputs.end(), m_body.inputs.begin(), m_body.inputs.end(),
        [](const EnteredInput &a, const EnteredInput &b) { return a.text == b.text; });
    m_body = body;
    m_inputs->setBody(body);
    m_results->setCaptions(body);
    m_budget->setCaptions(body.resultCaptions);
    m_trials->setLocale(locale());
    if (!same)
        clearFigures();
}

const UncertaintyEvaluation *UncertaintyWindow::shownEvaluation(const InputTexts &texts) const
{
    return m_shown && texts == m_body.texts ? &*m_shown : nullptr;
}

void UncertaintyWindow::start()
{
    QString problem;
    const std::optional<StatedUncertainties> stated = m_inputs->stated(problem);
    if (!stated) {
        m_status->setText(problem);
        return;
    }
    clearFigures();
    UncertaintySettings settings;
    settings.trials = m_trials->value();
    m_run->start(m_body.texts, *stated, settings);
    m_progress->setRange(0, static_cast<int>(m_run->trialsInAll()));
    m_progress->setValue(0);
    m_status->setText(QStringLiteral("Berechnung läuft …"));
    setRunning(true);
}

void UncertaintyWindow::cancel()
{
    m_run->cancel();
    m_status->setText(QStringLiteral("Wird abgebrochen …"));
}

void UncertaintyWindow::showProgress()
{
    m_progress->setValue(static_cast<int>(m_run->trialsDone()));
}

void UncertaintyWindow::showOutcome()
{
    setRunning(false);
    const UncertaintyOutcome &outcome = m_run->outcome();
    if (outcome.cancelled) {
        m_status->setText(QStringLiteral("Berechnung abgebrochen."));
        return;
    }
    if (!outcome.evaluation) {
        m_status->setText(outcome.error);
        return;
    }
    m_shown = outcome.evaluation;
    const UncertaintyEvaluation &e = *m_shown;
    const QString &separator = m_body.decimalSeparator;
    m_results->showEvaluation(e, separator);
    m_notes->setText(disagreementNotes(e, m_body.resultCaptions, separator));
    m_budget->setEvaluation(e, separator);
    if (outcome.band)
        m_curve->setBand(*outcome.band, separator);
    const MonteCarloRun &trials = *e.monteCarlo;
    m_failedTrials->setText(QString::fromStdString(failedTrialsLine(trials)));
    QString status = QStringLiteral("Fertig: %1 Versuche.").arg(trials.trials);
    if (!trials.results)
        status += QStringLiteral(" Weniger als %1 Versuche endeten ohne Fehler: keine "
                                 "Monte-Carlo-Werte.")
                      .arg(minimumTrialsForInterval);
    if (!outcome.error.isEmpty())
        status += QStringLiteral(" Band der Kurve: ") + outcome.error;
    m_status->setText(status);
}

void UncertaintyWindow::setRunning(bool running)
{
    m_start->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_trials->setEnabled(!running);
    m_inputs->setEnabled(!running);
    m_progress->setVisible(running);
    if (running)
        m_progressTimer->start();
    else
        m_progressTimer->stop();
}

void UncertaintyWindow::clearFigures()
{
    m_shown.reset();
    m_results->clearFigures();
    m_notes->clear();
    m_failedTrials->clear();
    m_budget->clear();
    m_curve->clear();
}

} // namespace quelbor
