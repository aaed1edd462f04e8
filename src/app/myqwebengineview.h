#pragma once

#include <QUrl>
#include <QWebEngineView>

// The view in which the window shows a report. It tells its owner when a
// page is ready: on the engine's own loadFinished(bool), and 200 ms after
// each showHtml(), since setHtml() of a large report may finish silently.
class MyQWebEngineView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit MyQWebEngineView(QWidget *parent = nullptr);

    void showHtml(const QString &html, const QUrl &baseUrl);
    // The page last handed to showHtml().
    QString givenHtml() const { return m_givenHtml; }

signals:
    void pageLoaded(bool ok);
    void pageLoaded();

protected:
    // Back, Forward, Copy and Select All: no page source, no saving.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString m_givenHtml;
};
