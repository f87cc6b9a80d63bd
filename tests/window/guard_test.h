#pragma once

#include <QObject>

// The error report and the small start-up routines, without a window.
class GuardTest : public QObject {
    Q_OBJECT
private slots:
    void failingStepsAreReportedAndSkipped();
    void reportText_data();
    void reportText();
    void escapedExceptionIsReported();
    void applicationTitle_data();
    void applicationTitle();
    void fileExists();
    void homePageAtSeven_data();
    void homePageAtSeven();
    void skinRulesAreScoped();
};
