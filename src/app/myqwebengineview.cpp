#include "myqwebengineview.h"

#include <QTimer>

MyQWebEngineView::MyQWebEngineView(QWidget *parent)
    : QWebEngineView(parent)
{
    connect(this, &QWebEngineView::loadFinished, this,
            QOverload<bool>::of(&MyQWebEngineView::pageLoaded));
}

void MyQWebEngineView::showHtml(const QString &html, const QUrl &baseUrl)
{
    m_givenHtml = html;
    setHtml(html, baseUrl);
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, QOverload<>::of(&MyQWebEngineView::pageLoaded));
    connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(200);
}
