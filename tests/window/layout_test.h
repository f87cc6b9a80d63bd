#pragma once

#include <QObject>

#include <memory>

namespace quadrelle::test {
struct WindowFixture;
}

// The fixed design and the two grids, on one started window.
class LayoutTest : public QObject {
    Q_OBJECT
public:
    LayoutTest();
    ~LayoutTest() override;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void window();
    void designControls_data();
    void designControls();
    void captionsAndFrames();
    void cells_data();
    void cells();
    void templatesStayHidden();

private:
    std::unique_ptr<quadrelle::test::WindowFixture> fixture_;
};
