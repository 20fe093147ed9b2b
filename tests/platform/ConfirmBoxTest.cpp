#include "platform/ConfirmBox.h"

#include "support/Modal.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using qf::platform::askYesNo;

TEST(ConfirmBox, OnlyItsButtonsAnswerItAndYesIsTheDefault) {
    for (const bool keyboardYes : {true, false}) {
        SCOPED_TRACE(keyboardYes ? "Enter" : "No button");
        int handled = 0;
        bool answer = !keyboardYes;
        qf::test::handlingModals([&] { answer = askYesNo("Sure?\r\rpath", "Confirm"); },
                                 [&](QWidget* modal) {
                                     auto* box = qobject_cast<QMessageBox*>(modal);
                                     ASSERT_TRUE(box);
                                     ++handled;
                                     EXPECT_EQ(box->text(), "Sure?\r\rpath");
                                     EXPECT_EQ(box->windowTitle(), "Confirm");
                                     EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
                                     EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
                                     QTest::keyClick(box, Qt::Key_Escape);
                                     box->close();
                                     EXPECT_TRUE(box->isVisible());
                                     if (keyboardYes)
                                         QTest::keyClick(box, Qt::Key_Return);
                                     else
                                         box->button(QMessageBox::No)->click();
                                 });
        EXPECT_EQ(handled, 1);
        EXPECT_EQ(answer, keyboardYes);
    }
}
