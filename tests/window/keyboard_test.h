#pragma once

#include <QObject>

#include <memory>

namespace quadrelle::test {
struct WindowFixture;
}

// Keys, focus and selection in the puzzle grid, and the grid's two writes for the solver.
class KeyboardTest : public QObject {
    Q_OBJECT
public:
    KeyboardTest();
    ~KeyboardTest() override;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void arrowsMoveWithWrapAround_data();
    void arrowsMoveWithWrapAround();
    void onlyDigitsGetIn_data();
    void onlyDigitsGetIn();
    void editingKeysDoNothing_data();
    void editingKeysDoNothing();
    void deleteEmptiesTheBox();
    void escapePassesOn();
    void focusSelectsTheDigit();
    void contextMenuPasteIsNotFiltered();
    void deducedDigitIsWrittenUnderUpdating();

private:
    std::unique_ptr<quadrelle::test::WindowFixture> fixture_;
};
