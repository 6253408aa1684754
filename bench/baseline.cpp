// The yardstick for start-up and footprint: a bare 200 x 60 LCD panel that
// shows a random number every 100 ms, and nothing else.
#include <QApplication>
#include <QLCDNumber>
#include <QTimer>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLCDNumber panel;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &panel, [&panel] { panel.display(std::rand() % 1000); });
    timer.start(100);
    panel.display(std::rand() % 1000);
    panel.resize(200, 60);
    panel.show();
    return app.exec();
}
