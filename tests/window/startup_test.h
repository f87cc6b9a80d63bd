#pragma once

#include <QObject>

// Start-up with and without the optional files, activation, the pointer policy, closing.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void plainStartUp();
    void skinRecolours();
    void skinNeverReachesMessageBoxes();
    void badCursorIsReportedAndStartUpCompletes();
    void homePageFailureIsReported();
    void pointerPolicy_data();
    void pointerPolicy();
    void activationBeforeLoadIsReported();
    void messageBoxKeepsTheFocus();
    void closingEndsTheProgram();
};
