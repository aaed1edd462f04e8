#include "myqwebengineview.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QWebEngineHistory>

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

void MyQWebEngineView::contextMenuEvent(QContextMenuEvent *event)
{
    // What a reader of a report or the manual needs; the engine's own menu
    // offers the page's source and other things that lead nowhere here.
    QMenu menu(this);
    QAction *back = menu.addAction(QStringLiteral("Back"), this, &QWebEngineView::back);
    back->setEnabled(history()->canGoBack());
    QAction *forward = menu.addAction(QStringLiteral("Forward"), this, &QWebEngineView::forward);
    forward->setEnabled(history()->canGoForward());
    menu.addSeparator();
    QAction *copy = menu.addAction(QStringLiteral("Copy"), this, [this] { triggerPageAction(QWebEnginePage::Copy); });
    copy->setEnabled(hasSelection());
    menu.addAction(QStringLiteral("Select All"), this, [this] { triggerPageAction(QWebEnginePage::SelectAll); });
    menu.exec(event->globalPos());
}
