#include "windowloadinglabels.h"

#include "floatstatus.h"
#include "twipsgeometry.h"

#include <QWidget>

#include <stdexcept>

namespace quelbor {

WindowLoadingLabels::WindowLoadingLabels(QWidget &window)
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const QString name = QStringLiteral("lbl_n%1").arg(i + 1);
        m_labels[i] = window.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        if (!m_labels[i])
            throw std::logic_error("window without " + name.toStdString());
    }
}

QWidget &WindowLoadingLabels::label(int index) const
{
    if (index < 1 || index > static_cast<int>(m_labels.size()))
        throw std::out_of_range("water-loading label " + std::to_string(index));
    return *m_labels[static_cast<std::size_t>(index - 1)];
}

void WindowLoadingLabels::setLabelLeft(int index, float leftTwips)
{
    QWidget &target = label(index);
    const FloatStatusGuard guard;
    setLeftTwips(target, leftTwips);
}

void WindowLoadingLabels::showLabel(int index)
{
    QWidget &target = label(index);
    const FloatStatusGuard guard;
    target.show();
}

} // namespace quelbor
