#include "app/Splash.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace yrn {

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(560, 320);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Splash::showFor(int milliseconds) {
    Splash splash;
    QEventLoop loop;
    connect(&splash, &Splash::dismissed, &loop, &QEventLoop::quit);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    splash.show();
    splash.raise();
    splash.activateWindow();
    splash.repaint();
    // Only the splash is on screen; its own key press is the one input it takes.
    loop.exec();
    splash.close();
}

void Splash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    emit dismissed();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(18, 52, 96));
    sky.setColorAt(1, QColor(36, 104, 150));
    p.fillRect(area, sky);

    // An emblem: a balance on a pillar, drawn in light strokes.
    p.setPen(QPen(QColor(235, 242, 250), 4, Qt::SolidLine, Qt::RoundCap));
    const QPointF top(120, 92);
    p.drawLine(top, QPointF(120, 236));
    p.drawLine(QPointF(86, 236), QPointF(154, 236));
    p.drawLine(QPointF(60, 110), QPointF(180, 110));
    p.drawEllipse(top, 7, 7);
    for (const double x : {60.0, 180.0}) {
        p.drawLine(QPointF(x, 110), QPointF(x - 24, 168));
        p.drawLine(QPointF(x, 110), QPointF(x + 24, 168));
        QPainterPath pan;
        pan.moveTo(x - 30, 168);
        pan.quadTo(x, 196, x + 30, 168);
        pan.closeSubpath();
        p.drawPath(pan);
    }

    p.setPen(QColor(255, 255, 255));
    QFont title = font();
    title.setPointSizeF(24);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(220, 88, 320, 80), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("Halverin Drug Court YRN"));
    QFont sub = font();
    sub.setPointSizeF(11.5);
    p.setFont(sub);
    p.setPen(QColor(205, 222, 240));
    p.drawText(QRectF(222, 172, 320, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Intake assessment interview and client report"));
    QFont small = font();
    small.setPointSizeF(9);
    p.setFont(small);
    p.drawText(QRectF(222, 270, 320, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version %1").arg(QCoreApplication::applicationVersion()));
}

}  // namespace yrn
