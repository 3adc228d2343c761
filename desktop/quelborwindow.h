#pragma once

#include "dryingmodel.h"
#include "guardedsurface.h"
#include "moisturecurves.h"
#include "windowcontrols.h"
#include "windowloadinglabels.h"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <memory>

class QString;

namespace quelbor {

// The program's one window, frm_Quelbor: the inputs of the drying model, "Rechne !" and
// "Nochmal !", the six results and the two charts with their captions. Every control is made
// from the control table and found by its object name. The window owns the model record and
// the water-loading scale for its whole life; each calculation overwrites them. The button
// actions are the toolkit-free ones of buttonactions.h, working the window as WindowControls.
class QuelborWindow : public QWidget, private WindowControls
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
    // When "Rechne !" was last pressed.
    const QDateTime &calculatedAt() const { return m_calculatedAt; }
    // The decimal separator of the regional settings, which the results are written with.
    std::string decimalSeparator() const override;

public slots:
    // "Rechne !": switches to the result state, calculates, shows the results, draws the charts.
    void onRechne();
    // "Nochmal !": paints the charts white and returns to the input state.
    void onNochmal();
    // Has the window with all its controls and surfaces painted anew once the action ends.
    void refresh() override;

private:
    template <typename T> T &control(std::string_view name) const;
    void createControls();
    void setTabOrder();
    void runAction(const std::function<void()> &steps);

    void setControlVisible(std::string_view name, bool visible) override;
    void setOuterWidthTwips(int twips) override;
    void setOuterHeightTwips(int twips) override;
    std::string controlText(std::string_view box) const override;
    void setControlText(std::string_view box, const std::string &text) override;
    void setPersistentDrawing(bool on) override;
    DrawingSurface &kappaChart() override { return *m_kappa; }
    DrawingSurface &schwindungChart() override { return *m_schwindung; }
    LoadingLabels &loadingLabels() override;

    DryingModel m_model;
    LoadingScale m_scale;
    ErrorReporter m_reportError;
    bool m_persistentDrawing = false;
    bool m_showsResult = false;
    QDateTime m_calculatedAt;
    std::unique_ptr<GuardedSurface> m_kappa;
    std::unique_ptr<GuardedSurface> m_schwindung;
    std::unique_ptr<WindowLoadingLabels> m_loadingLabels;
};

} // namespace quelbor
