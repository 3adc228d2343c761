#include "windowundertest.h"

#include <QAccessible>
#include <QTest>

using namespace quelbor;
using quelbor::test::controlOf;

namespace {

// What a screen reader reads of a control: its role, name and description, and the name of the
// label it reports as the control's caption.
struct Spoken
{
    QAccessible::Role role;
    QString name;
    QString description;
    QString caption;
};

Spoken spoken(QWidget &control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&control);
    if (!accessible)
        qFatal("no accessible interface for %s", qPrintable(control.objectName()));
    Spoken said{accessible->role(),
                accessible->text(QAccessible::Name),
                accessible->text(QAccessible::Description),
                {}};
    const auto labels = accessible->relations(QAccessible::Label);
    if (!labels.isEmpty())
        said.caption = labels.constFirst().first->text(QAccessible::Name).simplified();
    return said;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = test::shownWindow(m_reports); }
    void cleanup() { m_window.reset(); }

    void controlsAreNamedAndDescribed_data();
    void controlsAreNamedAndDescribed();
    void everyFocusableControlIsNamed();

private:
    QStringList m_reports;
    std::unique_ptr<QuelborWindow> m_window;
};

// A text box is named by its caption and reports that caption as its label; its description
// tells an input the calculation reads from one it does not and from a calculated result.
void AccessibilityTest::controlsAreNamedAndDescribed_data()
{
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("captioned");

    const QString input = QStringLiteral("Eingabe für die Berechnung");
    const QString unused = QStringLiteral("Eingabe, geht nicht in die Berechnung ein");
    const QString result = QStringLiteral("Berechnetes Ergebnis");
    using enum QAccessible::Role;
    const struct
    {
        QAccessible::Role role;
        const char *control;
        const char *name;
        QString description; // an input's description begins with this
        bool captioned;
    } rows[] = {
        {EditableText, "txt_Massebezeichnung", "Bezeichnung", unused, true},
        {EditableText, "txt_rhoSE", "Dichte der getrockneten Masse in kg/m³", input, true},
        {EditableText, "txt_Mue", "Diff.-Widerstandszahl der trockenen Masse", unused, true},
        {EditableText, "txt_Xanf", "Anfangswasserbeladung in kg/kg atro", input, true},
        {EditableText, "txt_ksiSE", "Lineare Trockenschwindung in %", input, true},
        {EditableText, "txt_kappaMess", "Feuchteleitkoeffizient in 10^(-9) m²/s", input, true},
        {EditableText, "txt_thetaMess", "bei Messtemperatur in °C", input + ": Temperatur", true},
        {EditableText, "txt_Xmess", "und Wasserbeladung in kg/kg atro", input + ": Wasserbeladung",
         true},
        {EditableText, "txt_KappaSteig", "Kappa-Steigung unter Grenzfeuchte ( 6...10 )", input,
         true},
        {EditableText, "txt_psianf", "Vol. Anfangswassergehalt in m³/m³", result, true},
        {EditableText, "txt_XSE", "Grenzwasserbeladung in kg/kg atro", result, true},
        {EditableText, "txt_psiSE", "Vol. Grenzwassergehalt in m³/m³", result, true},
        {EditableText, "txt_psi25", "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³", result, true},
        {EditableText, "txt_kappa2525", "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s", result,
         true},
        {EditableText, "txt_kappaGrenz", "Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s", result,
         true},
        {Button, "cmd_Rechne", "Rechne !", "Berechnet die Kenndaten", false},
        {Button, "cmd_Nochmal", "Nochmal !", "Blendet die Ergebnisse aus", false},
        {Chart, "pic_kappa", "Abhängigkeit des Feuchteleitkoeffizienten vom Wassergehalt",
         "Diagramm: Feuchteleitkoeffizient", true},
        {Chart, "pic_Schwindung", "Lineare Trockenschwindung", "Diagramm: noch ausstehende", true},
        {Graphic, "Picture1", "Feuchteleitkoeffizient bei 25°C in m²/s",
         "Senkrechte Achsenbeschriftung", false},
        {Graphic, "Picture2", "lin. Trockenschwindung in %", "Senkrechte Achsenbeschriftung",
         false},
        {Graphic, "Picture3",
         "Für Temperaturen 25°C < ϑ < 100°C gilt: κ(ϑ)/κ(25°C) = 1 + 0,0225·(ϑ/°C − 25)",
         "Temperaturabhängigkeit", false},
        {Graphic, "Picture4", "Quelbor-Logo", "Logo", false},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.control)
            << row.role << QString::fromUtf8(row.name) << row.description << row.captioned;
    }
}

void AccessibilityTest::controlsAreNamedAndDescribed()
{
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(bool, captioned);

    const Spoken said = spoken(controlOf(*m_window, QTest::currentDataTag()));
    QCOMPARE(said.role, role);
    QCOMPARE(said.name, name);
    QVERIFY2(said.description.startsWith(description), qPrintable(said.description));
    QCOMPARE(said.caption, captioned ? name : QString());
}

// Whatever the Tab key reaches, in either state, a screen reader can name and describe.
void AccessibilityTest::everyFocusableControlIsNamed()
{
    for (auto *control : m_window->findChildren<QWidget *>()) {
        if ((control->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        const Spoken said = spoken(*control);
        QVERIFY2(!said.name.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!said.description.isEmpty(), qPrintable(control->objectName()));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
