#include "frmsplash.h"

#include "form/appglobals.h"
#include "form/settings.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace vc::ui {

namespace {

const QColor kBackground(229, 255, 255);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  int pointSize, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmSplash::frmSplash(Mode mode, QWidget *parent)
    : QDialog(parent,
              Qt::FramelessWindowHint | (mode == Mode::StartUp ? Qt::SplashScreen : Qt::Dialog)),
      m_mode(mode), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("VeltrannCalc"));
    setFixedSize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    pal.setColor(QPalette::WindowText, QColor(20, 50, 90));
    setPalette(pal);
    setAutoFillBackground(true);

    makeLabel(this, "lblTitle", QStringLiteral("VeltrannCalc"), QRect(230, 40, 290, 40), 22, true);
    makeLabel(this, "lblSubtitle",
              QStringLiteral("Planing Information for Veltrann steam humidifiers"),
              QRect(230, 84, 290, 40), 9, false)
        ->setWordWrap(true);
    m_lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version  1.2."),
                             QRect(230, 150, 290, 22), 10, true);
    m_versionNo = makeLabel(this, "VersionNo", QString(), QRect(230, 174, 290, 22), 9, false);
    m_lblPlatform = makeLabel(this, "lblPlatform", QStringLiteral("VeltrannCalc \u00a9 2026"),
                              QRect(230, 250, 290, 22), 8, false);

    if (!app().LanguageName.isEmpty())
        m_versionNo->setText(settings::read(settings::Version));

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kTimerInterval);
    connect(m_timer, &QTimer::timeout, this, &frmSplash::finish);
    if (m_mode == Mode::StartUp)
        m_timer->start();
}

frmSplash *frmSplash::showAbout(QWidget *parent)
{
    // One About box per main window; opening it again shows it again.
    auto *about = parent ? parent->findChild<frmSplash *>(QStringLiteral("frmSplash"),
                                                          Qt::FindDirectChildrenOnly)
                         : nullptr;
    if (!about)
        about = new frmSplash(Mode::About, parent);
    about->m_finished = false;
    about->m_timer->stop();
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

void frmSplash::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    if (m_mode == Mode::StartUp)
        Q_EMIT openMainWindow();
    if (m_mode == Mode::About)
        accept();
    else
        close();
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    finish();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    finish();
}

void frmSplash::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QSize fixed(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
    if (size() != fixed)
        resize(fixed);
}

void frmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    activateWindow();
    setFocus();
}

void frmSplash::paintEvent(QPaintEvent *)
{
    // Our artwork: a steam humidifier cabinet feeding a distribution pipe, with
    // steam rising from it.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kBackground);

    QLinearGradient band(0, 0, 0, height());
    band.setColorAt(0, QColor(0, 92, 150));
    band.setColorAt(1, QColor(0, 150, 190));
    p.fillRect(QRect(0, 0, 200, height()), band);

    // cabinet
    p.setPen(QPen(QColor(230, 240, 245), 2));
    p.setBrush(QColor(240, 246, 250));
    p.drawRoundedRect(QRectF(40, 120, 70, 120), 6, 6);
    p.setBrush(QColor(0, 120, 170));
    p.drawRect(QRectF(52, 135, 46, 10));
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(75, 215), 6, 6);

    // steam hose and distribution pipe
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 246, 250), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hose(QPointF(75, 120));
    hose.cubicTo(QPointF(75, 80), QPointF(140, 110), QPointF(150, 70));
    p.drawPath(hose);
    p.drawLine(QPointF(120, 70), QPointF(185, 70));

    // steam
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 118 + i * 12;
        p.setBrush(QColor(255, 255, 255, 150 - i * 15));
        p.drawEllipse(QPointF(x, 55 - (i % 2) * 6), 10 + i, 8 + i);
        p.drawEllipse(QPointF(x + 6, 35 - (i % 3) * 4), 7 + i, 6 + i);
    }

    // a thin rule under the title
    p.setPen(QPen(QColor(0, 120, 170), 2));
    p.drawLine(QPointF(230, 134), QPointF(510, 134));
}

} // namespace vc::ui
