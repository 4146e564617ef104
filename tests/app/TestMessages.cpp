// The messages layer: filters turned into Qt's form, and exceptions that reach the event loop.
#include "Messages.h"
#include "ScriptedMessages.h"
#include "TervaneApplication.h"

#include "EntryErrors.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tervane;

TEST(Messages, FiltersBecomeQtNameFiltersInOrder) {
    const QStringList f = QtNameFilters(QStringLiteral(
        "Tervane 2015 (*.tv5d)|*.tv5d|Tervane 2013 (*.tv4d)|*.tv4d|Tervane 3.0 (*.tvd)|*.tvd|"
        "Tervane 2.0 (*.tvd)|*.tvd|All Files (*.*)|*.*"));
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[0], QStringLiteral("Tervane 2015 (*.tv5d)"));
    EXPECT_EQ(f[2], QStringLiteral("Tervane 3.0 (*.tvd)"));
    EXPECT_EQ(f[3], QStringLiteral("Tervane 2.0 (*.tvd)"));
    // Names without an extension are listed by the last filter too.
    EXPECT_EQ(f[4], QStringLiteral("All Files (*)"));
    // A description without patterns of its own and several patterns in one pair.
    EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures|*.bmp;*.png"))[0],
              QStringLiteral("Pictures (*.bmp *.png)"));
    EXPECT_TRUE(QtNameFilters(QString()).isEmpty());
}

TEST(Messages, CarriageReturnsBreakLines) {
    EXPECT_EQ(DisplayText(QStringLiteral("a\rb\r\nc")), QStringLiteral("a\nb\nc"));
}

TEST(Messages, ExceptionInAnEventHandlerIsShownAndTheLoopGoesOn) {
    test::TScriptedMessagesScope scope;
    bool after = false;
    QTimer::singleShot(0, [] { throw EAssignError(QStringLiteral("Entry must be an integer.")); });
    QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
    QTimer::singleShot(5, [&after] {
        after = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_TRUE(after);
    EXPECT_EQ(
        scope.messages.informationTexts(),
        (QStringList{QStringLiteral("Entry must be an integer."), QStringLiteral("disk full")}));
}
