#pragma once

#include "dryingmodel.h"
#include "moisturecurves.h"

#include <QWidget>

#include <functional>
#include <span>

class QString;

namespace quelbor {

struct InputTexts;

// The program's one window, frm_Quelbor: the inputs of the drying model, "Rechne !" and
// "Nochmal !", the six results and the two charts with their captions. Every control is made
// from the control table and found by its object name. The window owns the model record and
// the water-loading scale for its whole life; each calculation overwrites them.
class QuelborWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows an error that ended a button action, as a German text.
    using ErrorReporter = std::function<void(const QString &message)>;

    explicit QuelborWindow(QWidget *parent = nullptr);

    // By default an error is shown in a modal message box.
    void setErrorReporter(ErrorReporter reporter);
    bool persistentDrawing() const { return m_persistentDrawing; }
    // In the result state after a calculation that ran to its end.
    bool showsResult() const { return m_showsResult; }

public slots:
    // "Rechne !": switches to the result state, calculates, shows the results, draws the charts.
    void onRechne();
    // "Nochmal !": paints the charts white and returns to the input state.
    void onNochmal();
    // Has the window with all its controls and surfaces painted anew once the action ends.
    void refresh();

private:
    struct VisibilityStep
    {
        const char *name;
        bool visible;
    };

    template <typename T> T &control(const char *name) const;
    void createControls();
    void setTabOrder();
    void runAction(void (QuelborWindow::*steps)());
    void calculate();
    void reset();
    void setVisibility(std::span<const VisibilityStep> steps);
    InputTexts inputTexts() const;
    void writeResults();
    void setPersistentDrawing(bool on);

    DryingModel m_model;
    LoadingScale m_scale;
    ErrorReporter m_reportError;
    bool m_persistentDrawing = false;
    bool m_showsResult = false;
};

} // namespace quelbor
