// Makes the pictures of the main window for the documentation: the window as it opens and
// after "Rechne !" with the default inputs, and the window "Messunsicherheit" for that body
// with the uncertainties of a typical lab, under German regional settings.
// Usage: quelbor-screenshots <directory>

#include "quelborwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>

#include <cstdio>

namespace {

bool save(QWidget &window, const QDir &directory, const QString &name)
{
    QApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The figures of the README's example: rhoSE ± 20 kg/m³, Xanf ± 0,005, ksiSE ± 0,2 %,
// kappaMess ± 3 %, thetaMess ± 0,5 °C rectangular, by input row of the window's table.
struct LabUncertainty
{
    const char *input;
    const char *amount;
    const char *distribution;
};

constexpr LabUncertainty typicalLab[] = {
    {"rhoSE", "20", "normal"},      {"Xanf", "0,005", "normal"},        {"ksiSE", "0,2", "normal"},
    {"kappaMess", "3 %", "normal"}, {"thetaMess", "0,5", "rechteckig"},
};

// Opens "Messunsicherheit" as its menu entry does, states the uncertainties, runs the default
// 10^6 trials and waits for them.
QWidget *calculatedUncertainty(QWidget &window)
{
    for (QAction *action : window.actions()) {
        if (action->text().startsWith(QStringLiteral("Messunsicherheit")))
            action->trigger();
    }
    auto *opened = window.findChild<QWidget *>(QStringLiteral("frm_Messunsicherheit"));
    auto *table = opened->findChild<QTableWidget *>(QStringLiteral("tbl_Eingaben"));
    for (const LabUncertainty &stated : typicalLab) {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->verticalHeaderItem(row)->text() != QLatin1String(stated.input))
                continue;
            table->item(row, 2)->setText(QString::fromUtf8(stated.amount));
            static_cast<QComboBox *>(table->cellWidget(row, 3))
                ->setCurrentText(QString::fromUtf8(stated.distribution));
        }
    }
    auto *start = opened->findChild<QPushButton *>(QStringLiteral("cmd_Berechnen"));
    start->click();
    while (!start->isEnabled()) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    return opened;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quelbor-screenshots <directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    quelbor::QuelborWindow window;
    window.setErrorReporter([](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::exit(1);
    });
    window.show();
    if (!save(window, directory, "window-input.png"))
        return 1;
    window.findChild<QPushButton *>("cmd_Rechne")->click();
    if (!save(window, directory, "window-result.png"))
        return 1;
    return save(*calculatedUncertainty(window), directory, "uncertainty-window.png") ? 0 : 1;
}
