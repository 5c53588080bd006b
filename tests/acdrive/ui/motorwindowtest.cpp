// The motor window: the key filter on each of its 13 fields.

#include "acdrive/ui/motorwindow.h"

#include "acdrive/ui/program.h"

#include <QLineEdit>
#include <QTest>

using acdrive::ui::AcProgram;

class MotorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyFieldTakesOnlyDigitsCommaAndBackspace();
};

void MotorWindowTest::everyFieldTakesOnlyDigitsCommaAndBackspace()
{
    AcProgram program;
    acdrive::ui::MotorWindow& window = program.motorWindow();
    for (int k = 1; k <= acdrive::kMotorFieldCount; ++k) {
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(k));
        QVERIFY(field);
        field->clear();
        QTest::keyClicks(field, QStringLiteral("-1.5e2,7x"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("152,"));
    }
}

QTEST_MAIN(MotorWindowTest)
#include "motorwindowtest.moc"
