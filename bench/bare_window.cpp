// The yardstick for start-up: a bare Qt program that shows an empty
// 480 x 519 widget and quits after its first paint.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class Bare : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Bare w;
    w.setFixedSize(480, 519);
    w.show();
    return app.exec();
}
